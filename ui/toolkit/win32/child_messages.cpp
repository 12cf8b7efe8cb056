// What the form's and its frames' window procedures hear about their child controls, each
// passed to the control it is about.
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

NativeControl* nativeOf(const NativeForm& form, HWND hwnd) {
    const auto found = form.byWindow.find(hwnd);
    return found != form.byWindow.end() ? &found->second->native() : nullptr;
}

}  // namespace

bool NativeForm::onChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            NativeControl* control = nativeOf(*this, reinterpret_cast<HWND>(lParam));
            return control != nullptr && control->onCommand(HIWORD(wParam));
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            NativeControl* control = nativeOf(*this, header.hwndFrom);
            return control != nullptr && control->onNotify(header);
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const NativeControl* control = nativeOf(*this, reinterpret_cast<HWND>(lParam));
            if (control == nullptr) return false;
            SystemColour back = SystemColour::ButtonFace, fore = SystemColour::ButtonText;
            control->colours(back, fore);
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, colourOf(fore));
            SetBkColor(dc, colourOf(back));
            result = reinterpret_cast<LRESULT>(brushOf(back));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace toolkit
