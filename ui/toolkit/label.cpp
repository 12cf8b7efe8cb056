#include "ui/toolkit/label.h"

#include <QLabel>

namespace toolkit {

QString plainText(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

Label::Label(QWidget* parent) : Control(new QLabel(parent)) {
    auto* label = static_cast<QLabel*>(widget());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::ButtonText);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    static_cast<QLabel*>(widget())->setText(caption);
    if (visible()) nameBuddy();
}

void Label::setBuddy(Control* buddy) {
    buddy_ = buddy;
    static_cast<QLabel*>(widget())->setBuddy(buddy != nullptr ? buddy->widget() : nullptr);
    if (visible()) nameBuddy();
}

void Label::setVisible(bool visible) {
    Control::setVisible(visible);
    if (visible) nameBuddy();
}

void Label::nameBuddy() const {
    if (buddy_ != nullptr) buddy_->widget()->setAccessibleName(plainText(caption_).simplified());
}

QSize Label::contentSizeFor(const QString& caption) const {
    const QFontMetrics metrics(widget()->font());
    return {metrics.horizontalAdvance(plainText(caption)) + 2, metrics.height()};
}

}  // namespace toolkit
