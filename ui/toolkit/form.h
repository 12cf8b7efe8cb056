#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/system_colour.h"
#include "ui/toolkit/twips.h"

class QIcon;

namespace toolkit {

class FocusGuard;
class TextBox;

// A size change the window refuses, as a maximized window refuses any.
class RefusedChange : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// A top-level window whose controls are placed in twips. Derived forms create their controls
// in Form_Create, which runs the first time load() is called, followed by Form_Load.
class Form {
  public:
    Form();
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* window() const { return window_; }

    // Modeless, without an owner.
    void Show();

    void setCaption(const QString& caption);
    void setIcon(const QIcon& icon);
    void setBackColor(SystemColour colour);

    int windowState() const;
    // Outer size in twips, frame and title bar included. Setting fails with RefusedChange while
    // the window is maximized or minimized.
    int width() const { return toTwips(window_->frameGeometry().width(), setWidth_); }
    int height() const { return toTwips(window_->frameGeometry().height(), setHeight_); }
    void setWidth(int twips);
    void setHeight(int twips);

    const TwipScale& scale() const { return scale_; }
    // Places every control again at the given scale.
    void setScale(const TwipScale& scale);

    // The controls, in the order they were added; the form owns them.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* controlOf(const QWidget* widget) const;
    // The text box that has the focus, if any.
    TextBox* activeTextBox() const;

  protected:
    void load();

    // A new control of type C on the form itself, or in a container control.
    template <typename C, typename... Args>
    C& add(Args&&... args) {
        return addTo<C>(window_, std::forward<Args>(args)...);
    }
    template <typename C, typename... Args>
    C& addIn(const Control& container, Args&&... args) {
        return addTo<C>(container.widget(), std::forward<Args>(args)...);
    }

    // The one numbering of the tab order, first to last.
    void setTabOrder(const std::vector<const Control*>& order);
    // The size of the client area, in twips at the form's scale.
    void setClientSize(int twipsWidth, int twipsHeight);

    virtual void Form_Create() = 0;
    virtual void Form_Load() {}
    virtual void Form_Resize() {}

  private:
    friend class Window;
    class Window;

    template <typename C, typename... Args>
    C& addTo(QWidget* parent, Args&&... args) {
        auto control = std::make_unique<C>(parent, std::forward<Args>(args)...);
        C& ref = *control;
        registerControl(std::move(control));
        return ref;
    }
    void registerControl(std::unique_ptr<Control> control);
    // Destroys the window and its controls.
    void unload();
    // A size in twips reads back as it was set while it is still in place.
    int toTwips(int pixels, int lastSet) const {
        return scale_.px(lastSet) == pixels ? lastSet : scale_.twips(pixels);
    }
    void raiseResize();

    QWidget* window_;
    std::unique_ptr<FocusGuard> guard_;
    std::vector<std::unique_ptr<Control>> controls_;
    QHash<const QWidget*, Control*> byWidget_;
    TwipScale scale_;
    int setWidth_ = 0;
    int setHeight_ = 0;
    bool loaded_ = false;
};

}  // namespace toolkit
