#include "ui/toolkit/label.h"

#include <QAccessible>
#include <QLabel>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/text.h"

namespace toolkit {

namespace {

QLabel& label(const Label& l) {
    return *static_cast<QLabel*>(l.native().widget);
}

}  // namespace

Label::Label(ControlParent parent)
    : Control(std::make_unique<NativeControl>(new QLabel(parentWidget(parent)))) {
    QLabel& l = label(*this);
    l.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l.setTextFormat(Qt::PlainText);
    l.setForegroundRole(QPalette::ButtonText);
}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    label(*this).setText(qt(caption));
    if (visible()) nameBuddy();
}

void Label::announce() {
    QAccessibleEvent alert(&label(*this), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Label::setBuddy(Control* buddy) {
    buddy_ = buddy;
    label(*this).setBuddy(buddy != nullptr ? buddy->native().widget : nullptr);
    if (visible()) nameBuddy();
}

void Label::nameBuddy() const {
    if (buddy_ != nullptr)
        buddy_->native().widget->setAccessibleName(qt(plainText(caption_)).simplified());
}

Size Label::contentSizeFor(const std::string& caption) const {
    const QFontMetrics metrics(label(*this).font());
    return {metrics.horizontalAdvance(qt(plainText(caption))) + 2, metrics.height()};
}

}  // namespace toolkit
