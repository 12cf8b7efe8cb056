// What every back end's form and control share.
#include "ui/toolkit/form.h"

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

void Control::setTwipGeometry(int left, int top, int width, int height) {
    twips_ = {left, top, width, height};
}

}  // namespace toolkit
