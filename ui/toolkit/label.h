#pragma once

#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/text.h"

namespace toolkit {

// A caption centred in its rectangle. An ampersand marks the access key, which moves the focus
// to the buddy: the next control after the label in the tab order that can take the focus.
// A label that shows names its buddy for screen readers.
class Label : public Control {
  public:
    explicit Label(ControlParent parent);

    std::string caption() const { return caption_; }
    void setCaption(const std::string& caption);
    // Tells a listening screen reader the caption, as an alert: a line that appears on its own
    // (a refusal) is read without the user going to find it.
    void announce();
    void setBuddy(Control* buddy);
    Control* buddy() const { return buddy_; }

    void setVisible(bool visible) override;
    Size contentSize() const override { return contentSizeFor(caption_); }
    // The room the caption would need, for captions the label will show later.
    Size contentSizeFor(const std::string& caption) const;

    const Focusable* accessKeyTarget(char key) const override {
        return visible() && buddy_ != nullptr && accessKeyOf(caption_) == key ? buddy_ : nullptr;
    }
    void pressAccessKey(char /*key*/) override { buddy_->takeFocus(FocusMove::AccessKey); }

  private:
    void nameBuddy() const;

    std::string caption_;
    Control* buddy_ = nullptr;
};

}  // namespace toolkit
