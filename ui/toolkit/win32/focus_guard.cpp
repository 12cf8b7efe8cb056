// The focus guard: the message loop asks here before it dispatches, which is the last point at
// which a move of the focus can still be refused. It feeds the form's focus policy with Tab,
// access keys and presses of any mouse button; what the policy refuses is swallowed.
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

// The message that ends a press of the button that message presses.
UINT releaseOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return WM_RBUTTONUP;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return WM_MBUTTONUP;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
            return WM_XBUTTONUP;
        default:
            return WM_LBUTTONUP;
    }
}

// Alt with a letter or a digit, lower case; 0 for any other key.
char accessKeyOf(WPARAM virtualKey) {
    const auto key = static_cast<char>(virtualKey);
    if (key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 'a');
    return key >= '0' && key <= '9' ? key : 0;
}

}  // namespace

bool NativeForm::preTranslate(MSG& message) {
    if (message.hwnd == nullptr || (message.hwnd != hwnd && !IsChild(hwnd, message.hwnd)))
        return false;
    switch (message.message) {
        case WM_KEYDOWN:
            return form.previewKey(static_cast<int>(message.wParam), shiftState());
        case WM_SYSKEYDOWN: {
            const char key = accessKeyOf(message.wParam);
            if (key == 0) return false;  // Alt+F4 and the system menu stay the system's
            // Alt with a letter is an access key; where none answers, it types nothing either.
            form.focus().accessKey(key);
            return true;
        }
        // Any button: a right press focuses a field as a left one does, before its menu opens.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
            if (form.focus().allowPress(controlOf(message.hwnd))) return false;
            swallowRelease = releaseOf(message.message);
            return true;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
            if (swallowRelease != message.message) return false;
            swallowRelease = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace toolkit
