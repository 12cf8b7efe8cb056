#pragma once

#include <memory>

#include "ui/toolkit/focus_policy.h"
#include "ui/toolkit/geometry.h"

namespace toolkit {

class Control;
class Form;
class TwipScale;

// The back end's side of a control: a Qt widget, or a Win32 window handle. Each back end
// defines it; the window and its handlers never look inside.
struct NativeControl;
// The one hook of a control's teardown: each back end deletes its own kind. It takes the
// back end's unique_ptr, so a control is made as Control(std::make_unique<NativeEdit>(...)).
struct NativeControlDeleter {
    NativeControlDeleter() = default;
    template <typename T>
    NativeControlDeleter(std::default_delete<T>) noexcept {}
    void operator()(NativeControl* native) const noexcept;
};

// Where a new control goes: on the form itself, or into a container control of the form.
struct ControlParent {
    Form& form;
    const Control* container = nullptr;
};

// What every control of a form shares: a place given as a rectangle in twips, measured against
// its container's client area, and its answers to the focus policy.
class Control : public Focusable {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void setTwipGeometry(int left, int top, int width, int height);
    Rect twipGeometry() const { return twips_; }

    // The pixels the control's content needs to show whole (its caption, a typical value).
    // An empty size means the control has no such need.
    virtual Size contentSize() const { return {}; }
    virtual void applyScale(const TwipScale& scale);

    bool visible() const;
    virtual void setVisible(bool visible);

    // Drops the handlers of the control's events: the form is going, and what they would run
    // may be gone already.
    virtual void detachHandlers() {}

    // In front of the controls it overlaps in its container.
    void bringToFront();

    void takeFocus(FocusMove move) override;

    NativeControl& native() const { return *native_; }

  protected:
    explicit Control(std::unique_ptr<NativeControl, NativeControlDeleter> native);

  private:
    std::unique_ptr<NativeControl, NativeControlDeleter> native_;
    Rect twips_;
};

}  // namespace toolkit
