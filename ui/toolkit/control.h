#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace toolkit {

class TwipScale;

// What every control of a form shares: a Qt widget placed by a rectangle in twips, measured
// against its container's client area.
class Control {
  public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* widget() const { return widget_; }

    void setTwipGeometry(int left, int top, int width, int height);
    QRect twipGeometry() const { return twips_; }

    // The pixels the control's content needs to show whole (its caption, a typical value).
    // An empty size means the control has no such need.
    virtual QSize contentSize() const { return {}; }
    virtual void applyScale(const TwipScale& scale);

    bool visible() const;
    virtual void setVisible(bool visible);

    // Drops the handlers of the control's events: the form is going, and what they would run
    // may be gone already.
    virtual void detachHandlers() {}

    // In front of the controls it overlaps in its container.
    void bringToFront();
    // The widget that takes the focus for the control, for the form's tab order.
    virtual QWidget* focusWidget() const { return widget_; }

  protected:
    explicit Control(QWidget* widget) : widget_(widget) {}

  private:
    QWidget* widget_;
    QRect twips_;
};

}  // namespace toolkit
