#pragma once

#include <QString>
#include <functional>

#include "ui/toolkit/control.h"

namespace toolkit {

// A check box with its caption to the right of the box. Value 0 is unticked, 1 ticked; every
// change of the value, by the user or by code, raises click before setValue returns.
class CheckBox : public Control {
  public:
    CheckBox(QWidget* parent, const QString& caption);

    int value() const;
    void setValue(int value);

    std::function<void()> click;
    void detachHandlers() override { click = nullptr; }

    QSize contentSize() const override;
};

}  // namespace toolkit
