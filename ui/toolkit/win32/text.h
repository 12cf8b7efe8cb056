#pragma once

#include <windows.h>

#include <string>

#include "platform/text.h"

namespace toolkit {

using platform::utf8;
using platform::wide;

// A window's text, whatever its length.
inline std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace toolkit
