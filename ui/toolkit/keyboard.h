#pragma once

namespace toolkit {

// Presses Tab on the control that has the focus, as a Tab the user typed: the field being left
// is validated first, and a refusal keeps the focus. The move is done before this returns, so
// keys already waiting, typed after the key that asked for it, go to where the focus moved.
void pressTab();

}  // namespace toolkit
