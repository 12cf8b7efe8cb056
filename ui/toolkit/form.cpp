// What every back end's form and control share.
#include "ui/toolkit/form.h"

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

bool Form::mayLeaveFor(const Control* target) {
    TextBox* leaving = activeTextBox();
    if (leaving == nullptr || leaving == target) return true;
    bool cancel = false;
    leaving->raiseValidate(cancel);
    if (cancel) return false;
    approved_ = leaving;
    approvedText_ = leaving->text();
    return true;
}

bool Form::refusesLostFocus(const TextBox& box) {
    if (refocusing_ != nullptr) return false;
    if (approved_ == &box && approvedText_ == box.text()) return false;
    bool cancel = false;
    box.raiseValidate(cancel);
    if (!cancel) {
        approved_ = &box;
        approvedText_ = box.text();
        return false;
    }
    refocusing_ = &box;
    return true;
}

void Control::setTwipGeometry(int left, int top, int width, int height) {
    twips_ = {left, top, width, height};
}

}  // namespace toolkit
