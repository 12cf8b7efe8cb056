#pragma once

#include <functional>
#include <string>

#include "ui/toolkit/control.h"

namespace toolkit {

// A check box with its caption to the right of the box. Value 0 is unticked, 1 ticked; every
// change of the value, by the user or by code, raises click before setValue returns.
class CheckBox : public Control {
  public:
    CheckBox(ControlParent parent, const std::string& caption);

    int value() const;
    void setValue(int value);
    const std::string& caption() const { return caption_; }

    std::function<void()> click;
    void detachHandlers() override { click = nullptr; }

    Size contentSize() const override;

  private:
    std::string caption_;
};

}  // namespace toolkit
