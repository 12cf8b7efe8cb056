#pragma once

namespace toolkit {

// The codes the key events carry, for the keys the handlers tell apart: the Windows virtual-key
// codes, which the control characters of these keys share.
enum KeyCode : int {
    kBackspace = 8,
    kTab = 9,
    kEnter = 13,
    kEscape = 27,
    kPageUp = 33,
    kPageDown = 34,
    kUp = 38,
    kDown = 40,
    kDelete = 46,
};
// Letters and digits have their upper-case ASCII codes: 'G', '0'.

// The bits of the shift argument of key and mouse events, and of their button argument.
enum ShiftBits : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
enum ButtonBits : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Presses Tab on the control that has the focus, as a Tab the user typed: the field being left
// is validated first, and a refusal keeps the focus. The move is done before this returns, so
// keys already waiting, typed after the key that asked for it, go to where the focus moved.
void pressTab();

}  // namespace toolkit
