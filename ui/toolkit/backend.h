#pragma once

#include <string>

// What each back end gives the code all back ends share (form.cpp, control.cpp, text_box.cpp,
// keyboard.cpp, application.cpp): the few steps only a window system can take. A new back end
// is a folder that defines these, the NativeForm and NativeControl it names, and the members
// of the contract's classes that touch a window.
namespace toolkit {

class Control;
class Form;
struct NativeForm;

namespace backend {

// The form's top-level window, made hidden.
NativeForm* newForm(Form& form);
// The window and its controls' windows, for good: nothing of them is used after this.
void destroyWindow(NativeForm& native);
// A control made on the form, so that its input finds it.
void registerControl(NativeForm& native, Control& control);
// The form whose window has the keyboard, if any.
Form* activeForm();
// A failure in a box of its own, in front of the program's windows.
void showFailure(const std::string& text);

}  // namespace backend

}  // namespace toolkit
