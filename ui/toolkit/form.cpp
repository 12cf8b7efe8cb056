// What every back end's form and control share.
#include "ui/toolkit/form.h"

#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Create();
    Form_Load();
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

void TextBox::raiseValidate(bool& cancel) const {
    cancel = false;
    if (events_.validate) events_.validate(index_, cancel);
}

Line& Frame::addLine(int x1, int y1, int x2, int y2, SystemColour colour) {
    return lines_.emplace_back(Line{x1, y1, x2, y2, colour});
}

void Label::setVisible(bool visible) {
    Control::setVisible(visible);
    if (visible) nameBuddy();
}

void Control::setTwipGeometry(int left, int top, int width, int height) {
    twips_ = {left, top, width, height};
}

}  // namespace toolkit
