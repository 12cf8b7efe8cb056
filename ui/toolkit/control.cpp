#include "ui/toolkit/control.h"

#include <QWidget>

#include "ui/toolkit/twips.h"

namespace toolkit {

void Control::setTwipGeometry(int left, int top, int width, int height) {
    twips_ = QRect(left, top, width, height);
}

void Control::applyScale(const TwipScale& scale) {
    widget_->setGeometry(scale.rect(twips_.x(), twips_.y(), twips_.width(), twips_.height()));
}

// Visibility as the program set it, whether or not the window is on the screen yet.
bool Control::visible() const {
    return !widget_->isHidden();
}

void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
}

void Control::bringToFront() {
    widget_->raise();
}

}  // namespace toolkit
