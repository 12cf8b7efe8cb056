#include "label.h"

#include <QEvent>
#include <QLabel>
#include <functional>

namespace toolkit {

QString plainText(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

namespace {

class CaptionLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> shown;

  protected:
    bool event(QEvent* event) override {
        // A screen reader names a field after the label that stands before it now.
        if (event->type() == QEvent::ShowToParent && shown) shown();
        return QLabel::event(event);
    }
};

}  // namespace

Label::Label(QWidget* parent) : Control(new CaptionLabel(parent)) {
    auto* label = static_cast<CaptionLabel*>(widget());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::ButtonText);
    label->shown = [this] { nameBuddy(); };
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

void Label::nameBuddy() const {
    if (buddy_ != nullptr) buddy_->widget()->setAccessibleName(plainText(caption_).simplified());
}

QSize Label::contentSizeFor(const QString& caption) const {
    const QFontMetrics metrics(widget()->font());
    return {metrics.horizontalAdvance(plainText(caption)) + 2, metrics.height()};
}

}  // namespace toolkit
