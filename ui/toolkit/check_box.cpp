#include "ui/toolkit/check_box.h"

#include <QCheckBox>
#include <QStyle>

namespace toolkit {

namespace {

class Box : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    // As a classic check box: a click anywhere in the control's rectangle toggles it, not only
    // on the box and its caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

CheckBox::CheckBox(QWidget* parent, const QString& caption) : Control(new Box(caption, parent)) {
    auto* box = static_cast<QCheckBox*>(widget());
    box->setFocusPolicy(Qt::StrongFocus);
    box->setForegroundRole(QPalette::WindowText);
    // toggled is emitted synchronously inside setChecked, so code that ticks the box runs the
    // click handling nested, before it goes on.
    QObject::connect(box, &QCheckBox::toggled, box, [this] {
        if (click) click();
    });
}

int CheckBox::value() const {
    return static_cast<QCheckBox*>(widget())->isChecked() ? 1 : 0;
}
void CheckBox::setValue(int value) {
    static_cast<QCheckBox*>(widget())->setChecked(value == 1);
}

QSize CheckBox::contentSize() const {
    // The box and its caption side by side; the height is the taller of the two, without the
    // padding sizeHint() adds for layouts.
    const QWidget* box = widget();
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, box);
    return {box->sizeHint().width(), qMax(indicator, box->fontMetrics().height())};
}

}  // namespace toolkit
