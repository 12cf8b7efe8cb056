#pragma once

#include <functional>
#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/text.h"

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

    bool actsOnPress() const override { return true; }
    bool takesTab() const override { return visible(); }
    const Focusable* accessKeyTarget(char key) const override {
        return visible() && accessKeyOf(caption_) == key ? this : nullptr;
    }
    // Its access key does what a click does: the focus, and the other value.
    void pressAccessKey(char /*key*/) override {
        takeFocus(FocusMove::AccessKey);
        setValue(1 - value());
    }

  private:
    std::string caption_;
};

}  // namespace toolkit
