#pragma once

#include <exception>
#include <type_traits>
#include <utility>

#include "ui/toolkit/application.h"

namespace toolkit {

// Where a back end calls the program's handlers (a Qt event, a Win32 window procedure, a
// queued call): an exception stops here, is reported, and the event loop goes on. What the
// call returns is then the value a handler that did nothing would give.
//   return guarded([&] { return formProcedure(hwnd, message, wParam, lParam); });
template <typename F>
std::invoke_result_t<F> guarded(F&& handler) noexcept {
    try {
        return std::forward<F>(handler)();
    } catch (const std::exception& failure) {
        Application::reportFailure(failure.what());
    } catch (...) {
        Application::reportFailure("an unknown failure");
    }
    if constexpr (!std::is_void_v<std::invoke_result_t<F>>) return {};
}

}  // namespace toolkit
