#pragma once

#include <QObject>

namespace toolkit {

class Control;
class Form;

// Runs the validate event of the text box that is about to lose the focus, before any other
// control of the form takes the focus or acts: a click on the window, Tab and Shift+Tab, and
// access keys. A cancelled validation swallows the input, so the focus stays and the other
// control does nothing. Watching the application's input before Qt moves the focus is the only
// point where this is still possible: by the time a widget hears of it, the focus has moved.
class FocusGuard : public QObject {
  public:
    explicit FocusGuard(Form& form) : form_(form) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    bool onMousePress(QObject* receiver, QEvent* event);
    bool onTabKey(QObject* receiver, QEvent* event) const;
    bool onShortcut(QObject* receiver) const;

    Form& form_;
    bool swallowRelease_ = false;
};

}  // namespace toolkit
