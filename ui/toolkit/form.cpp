// What every back end's form and control share.
#include "ui/toolkit/form.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

Form::Form() : native_(backend::newForm(*this)) {}

Form::~Form() {
    // The derived form, whose handlers the controls call, is gone already: no event the
    // teardown raises may reach them.
    for (const auto& control : controls_) control->detachHandlers();
    unload();
}

void Form::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // Windows first: tearing them down may still raise events, which need the controls.
    backend::destroyWindow(*native_);
    focus_.clear();
    controls_.clear();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Create();
    Form_Load();
}

void Form::registerControl(std::unique_ptr<Control> control) {
    backend::registerControl(*native_, *control);
    focus_.add(*control);
    controls_.push_back(std::move(control));
}

bool Form::previewKey(int keyCode, int shift) {
    if (Form_KeyDown(keyCode, shift)) return true;
    if (keyCode != kTab || (shift & (kCtrlMask | kAltMask)) != 0) return false;
    focus_.tab((shift & kShiftMask) != 0);
    return true;
}

void Form::setScale(const TwipScale& scale) {
    scale_ = scale;
    for (const auto& control : controls_) control->applyScale(scale_);
}

void Form::setTabOrder(const std::vector<const Control*>& order) {
    std::vector<Focusable*> walk;
    // The form owns its controls: the order only names them.
    for (const Control* control : order) walk.push_back(const_cast<Control*>(control));
    focus_.setTabOrder(std::move(walk));
}

TextBox* Form::activeTextBox() const {
    return dynamic_cast<TextBox*>(focusedControl());
}

Control::Control(std::unique_ptr<NativeControl, NativeControlDeleter> native)
    : native_(std::move(native)) {}

Control::~Control() = default;

void Control::setTwipGeometry(int left, int top, int width, int height) {
    twips_ = {left, top, width, height};
}

void TextBox::raiseValidate(bool& cancel) const {
    cancel = false;
    if (events_.validate) events_.validate(index_, cancel);
}

bool TextBox::raiseEntry(bool windowReturned) {
    if (windowReturned || form_.focus().refocusing()) return false;
    if (events_.gotFocus) events_.gotFocus(index_);
    return true;
}

void TextBox::setFocus() {
    // Moving the focus into a box runs its focus handling, also when it had the focus already
    // (a tab click leaves the focus where it was), and also when the window cannot take the
    // focus yet: it gives the box the focus only when it is activated, which is no entry.
    if (!hasFocus()) {
        takeFocus(FocusMove::Program);
        if (hasFocus()) return;
    }
    if (events_.gotFocus) events_.gotFocus(index_);
}

void TextBox::selectAll() {
    setSelStart(0);
    setSelLength(characterCount(text()));
}

void pressTab() {
    if (Form* form = backend::activeForm()) form->previewKey(kTab, 0);
}

Line& Frame::addLine(int x1, int y1, int x2, int y2, SystemColour colour) {
    return lines_.emplace_back(Line{x1, y1, x2, y2, colour});
}

void Label::setVisible(bool visible) {
    Control::setVisible(visible);
    if (visible) nameBuddy();
}

}  // namespace toolkit
