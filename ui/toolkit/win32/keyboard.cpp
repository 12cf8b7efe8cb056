#include "ui/toolkit/keyboard.h"

#include "ui/toolkit/win32/native.h"

namespace toolkit {

int shiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

void pressTab() {
    // As a typed Tab, at once: keys still waiting in the queue are routed to the window that
    // has the focus when they are taken from it, which is then the next field.
    if (NativeForm* form = activeForm()) form->form.focus().tab(false);
}

}  // namespace toolkit
