#include "ui/toolkit/keyboard.h"

#include "ui/toolkit/win32/native.h"

namespace toolkit {

int shiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShiftMask : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? kCtrlMask : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

}  // namespace toolkit
