#pragma once

namespace toolkit {

// Posts one Tab key press to the control that has the focus. It is handled after the current
// handler returns, exactly like a Tab the user typed: the field being left is validated first.
void postTab();

}  // namespace toolkit
