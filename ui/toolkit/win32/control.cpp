#include "ui/toolkit/control.h"

#include "ui/toolkit/twips.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

void NativeControl::subclass(WNDPROC procedure) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

NativeControl& NativeControl::subclassed(HWND hwnd) {
    return *reinterpret_cast<NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT NativeControl::callClass(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(classProc, hwnd, message, wParam, lParam);
    // The last message: the class's procedure is the window's again, to its end.
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
    return result;
}

void NativeControlDeleter::operator()(NativeControl* native) const noexcept {
    delete native;
}

void Control::applyScale(const TwipScale& scale) {
    const Rect r = scale.rect(twips_.left, twips_.top, twips_.width, twips_.height);
    SetWindowPos(native_->hwnd, nullptr, r.left, r.top, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Visibility as the program set it, whether or not the window is on the screen yet.
bool Control::visible() const {
    return (GetWindowLongW(native_->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setVisible(bool visible) {
    ShowWindow(native_->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::takeFocus(FocusMove /*move*/) {
    SetFocus(native_->hwnd);
}

void Control::bringToFront() {
    SetWindowPos(native_->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace toolkit
