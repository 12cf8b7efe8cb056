#include "ui/toolkit/control.h"

#include <QWidget>

#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_access.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

void NativeControlDeleter::operator()(NativeControl* native) const noexcept {
    delete native;
}

void Control::applyScale(const TwipScale& scale) {
    const Rect r = scale.rect(twips_.left, twips_.top, twips_.width, twips_.height);
    native_->widget->setGeometry(r.left, r.top, r.width, r.height);
}

// Visibility as the program set it, whether or not the window is on the screen yet.
bool Control::visible() const {
    return !native_->widget->isHidden();
}

void Control::setVisible(bool visible) {
    native_->widget->setVisible(visible);
}

void Control::bringToFront() {
    native_->widget->raise();
}

void Control::takeFocus(FocusMove move) {
    native_->focusWidget()->setFocus(move == FocusMove::Tab         ? Qt::TabFocusReason
                                     : move == FocusMove::Backtab   ? Qt::BacktabFocusReason
                                     : move == FocusMove::AccessKey ? Qt::ShortcutFocusReason
                                                                    : Qt::OtherFocusReason);
}

QWidget* parentWidget(const ControlParent& parent) {
    return parent.container != nullptr ? parent.container->native().widget
                                       : parent.form.native().window;
}

QWidget* widgetOf(const Control& control) {
    return control.native().widget;
}

QLineEdit* editOf(const TextBox& box) {
    return static_cast<QLineEdit*>(box.native().widget);
}

QTabBar* tabBarOf(const TabStrip& strip) {
    return static_cast<QTabBar*>(strip.native().focusWidget());
}

}  // namespace toolkit
