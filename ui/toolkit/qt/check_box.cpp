#include "ui/toolkit/check_box.h"

#include <QCheckBox>
#include <QStyle>

#include "ui/toolkit/qt/native.h"

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

CheckBox::CheckBox(ControlParent parent, const std::string& caption)
    : Control(std::make_unique<NativeControl>(new Box(qt(caption), parentWidget(parent)))),
      caption_(caption) {
    auto* box = static_cast<QCheckBox*>(native().widget);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setForegroundRole(QPalette::WindowText);
    // toggled is emitted synchronously inside setChecked, so code that ticks the box runs the
    // click handling nested, before it goes on.
    QObject::connect(box, &QCheckBox::toggled, box, [this] {
        if (click) click();
    });
}

int CheckBox::value() const {
    return static_cast<QCheckBox*>(native().widget)->isChecked() ? 1 : 0;
}
void CheckBox::setValue(int value) {
    static_cast<QCheckBox*>(native().widget)->setChecked(value == 1);
}

Size CheckBox::contentSize() const {
    // The box and its caption side by side; the height is the taller of the two, without the
    // padding sizeHint() adds for layouts.
    const QWidget* box = native().widget;
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, box);
    return {box->sizeHint().width(), qMax(indicator, box->fontMetrics().height())};
}

}  // namespace toolkit
