#pragma once

#include <QObject>

namespace toolkit {

class Form;

// Feeds the form's focus policy with Qt's input, before Qt acts on it: a press of any mouse
// button on the window, Tab and Shift+Tab, and access keys. What the policy refuses is
// swallowed, so the focus stays and the other control does nothing. Watching the application's
// input is the only point where this is still possible: by the time a widget hears of it, the
// focus has moved.
class FocusGuard : public QObject {
  public:
    explicit FocusGuard(Form& form) : form_(form) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    bool onMousePress(QObject* receiver, QEvent* event);
    bool onTabKey(QObject* receiver, QEvent* event);
    bool onShortcut(QObject* receiver, QEvent* event);

    Form& form_;
    bool swallowRelease_ = false;
};

}  // namespace toolkit
