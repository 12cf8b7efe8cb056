#pragma once

// The null back end: controls that keep their state in memory, the focus moved by the shared
// policy, no window system. Tests drive it with driver.h; text is measured as 8 pixels a
// character and 16 a line, so layouts are the same on every machine.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/geometry.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

constexpr int kCharacterWidth = 8;
constexpr int kLineHeight = 16;

struct NativeControl {
    explicit NativeControl(Form& f) : form(f) {}
    virtual ~NativeControl() = default;

    Form& form;
    Rect pixels;
    bool visible = true;
    std::string accessibleName;
};

struct NativeForm {
    explicit NativeForm(Form& f) : form(f) {}
    // As a window system resizes: within the smallest size, heard of only when it changed.
    void resize(Size size);

    Form& form;
    bool shown = false;
    Control* focused = nullptr;
    std::string caption;
    Rect outer{0, 0, 400, 200};
    Size minimum;
    std::deque<bool> answers;  // what ask() is answered next; the first answer when none
    std::vector<std::string> questions;
    int timer = 0;                                 // milliseconds; 0: stopped
    std::deque<std::vector<std::string>> choices;  // the files a dialog is answered with next
};

// The pixels text takes in one line.
int textWidth(const std::string& utf8);

// The focus moves to control (none: nowhere) as a window system moves it: the text box it
// leaves may refuse, and then has it back once the current input is done.
void moveFocus(NativeForm& form, Control* control);
// What the window system does once the current input has been handled.
void post(std::function<void()> task);
void runPosted();
// The form whose window has the keyboard.
NativeForm*& activeNative();

// The user closed the window, and the form let it go.
void closeWindow(NativeForm& native);

// A key typed into a text box: keyAscii, then the edit its text takes.
void typeInto(TextBox& box, int keyAscii);

}  // namespace toolkit
