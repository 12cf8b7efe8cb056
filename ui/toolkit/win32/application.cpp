#include "ui/toolkit/application.h"

#include <algorithm>

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

struct Application::Native {};

Application::Application(int& /*argc*/, char** /*argv*/, const ApplicationInfo& /*info*/)
    : native_(std::make_unique<Native>()) {
    // The manifest asks for per-monitor DPI awareness; where it could not (an older loader),
    // ask here, before the first window.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext"))))
        set(reinterpret_cast<HANDLE>(-4));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

Application::~Application() = default;

int Application::exec() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // A copy: what a form does with the message may make or destroy forms.
        const std::vector<NativeForm*> forms = liveForms();
        if (guarded([&] {
                return std::any_of(forms.begin(), forms.end(), [&](NativeForm* form) {
                    const auto& live = liveForms();
                    return std::find(live.begin(), live.end(), form) != live.end() &&
                           form->preTranslate(message);
                });
            }))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace toolkit
