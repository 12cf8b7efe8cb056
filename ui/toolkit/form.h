#pragma once

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/control_array.h"
#include "ui/toolkit/focus_policy.h"
#include "ui/toolkit/system_colour.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

class TextBox;

// The back end's side of a form: its top-level window and what watches its input.
struct NativeForm;
struct NativeFormDeleter {
    void operator()(NativeForm* native) const noexcept;
};

// A size change the window refuses, as a maximized window refuses any.
class RefusedChange : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// A top-level window whose controls are placed in twips. Derived forms create their controls
// in Form_Create, which runs the first time load() is called, followed by Form_Load.
//
// The form guards the focus: before the focus leaves a text box by any means (Tab, Shift+Tab,
// a click on another control, an access key), the box's validate event runs, and a cancel
// keeps the focus in the box and swallows the input that would have moved it.
//
// Closing: when the user closes the window and Form_QueryUnload lets it, the window is hidden,
// not destroyed. The form and its controls stay valid objects, isOpen() is false, and Show()
// or activate() brings the window back as it was. The window and its controls' windows go
// with the Form object, and nothing of them is used after that. The event loop ends when no
// form is open.
class Form {
  public:
    Form();
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Modeless, without an owner.
    void Show();
    // In front of the other windows, with the input.
    void activate();
    // Placed beside other, not over it: to its right where the screen has room, else to its
    // left, else as far from it as the screen allows; its top level with other's.
    void placeBeside(const Form& other);
    // Shown and not closed by the user.
    bool isOpen() const;

    void setCaption(const std::string& caption);
    // The program's icon, by the name it is built in under, in the sizes it is built in.
    void setIcon(std::string_view name, std::initializer_list<int> sizes);
    void setBackColor(SystemColour colour);

    int windowState() const;
    // Outer size in twips, frame and title bar included. Setting fails with RefusedChange while
    // the window is maximized or minimized.
    int width() const;
    int height() const;
    void setWidth(int twips);
    void setHeight(int twips);

    const TwipScale& scale() const { return scale_; }
    // Places every control again at the given scale.
    void setScale(const TwipScale& scale);

    // The controls, in the order they were added; the form owns them.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // The text box that has the focus, if any.
    TextBox* activeTextBox() const;
    // The control that has the focus, if any.
    Control* focusedControl() const;

    // The focus guard's rules, which the back ends feed with their input.
    FocusPolicy& focus() { return focus_; }
    // A key pressed in the form, before the control with the focus has it (the back ends
    // call it): the form's own keys, then Tab and Shift+Tab, which move the focus by the
    // policy. True when taken: the control does not have it.
    bool previewKey(int keyCode, int shift);
    // Form_Timer every so many milliseconds from now on, the window shown or hidden; 0 stops it.
    void setTimer(int milliseconds);
    // The timer's time has come (the back ends call it).
    void raiseTimer() { Form_Timer(); }
    // The user asks to close the window (the back ends call it): cancel keeps it open.
    void raiseQueryUnload(bool& cancel) { Form_QueryUnload(cancel); }

    // A question in a box of its own, the window waiting for the answer: true for the first
    // answer, which Enter and Escape give, it being the one that loses nothing.
    bool ask(const std::string& question, const std::string& first, const std::string& second);

    NativeForm& native() const { return *native_; }

  protected:
    void load();
    // A control of the form, loading the form on first use: what its accessors return.
    template <typename C>
    C& loaded(C* const& control) {
        load();
        return *control;
    }
    template <typename C>
    C& loaded(const ControlArray<C>& array, int index) {
        load();
        return array(index);
    }

    // A new control of type C on the form itself, or in a container control.
    template <typename C, typename... Args>
    C& add(Args&&... args) {
        return addTo<C>(ControlParent{*this, nullptr}, std::forward<Args>(args)...);
    }
    template <typename C, typename... Args>
    C& addIn(const Control& container, Args&&... args) {
        return addTo<C>(ControlParent{*this, &container}, std::forward<Args>(args)...);
    }

    // The one numbering of the tab order, first to last.
    void setTabOrder(const std::vector<const Control*>& order);
    // The size of the client area, in twips at the form's scale.
    void setClientSize(int twipsWidth, int twipsHeight);
    // The smallest the user can make the client area, in twips at the form's scale.
    void setMinimumClientSize(int twipsWidth, int twipsHeight);

    virtual void Form_Create() = 0;
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    // Keys the form answers wherever the focus is (key codes of keyboard.h): true to take it.
    virtual bool Form_KeyDown(int /*KeyCode*/, int /*Shift*/) { return false; }
    // The timer setTimer started.
    virtual void Form_Timer() {}
    // Before the window closes at the user's asking: Cancel keeps it open.
    virtual void Form_QueryUnload(bool& /*Cancel*/) {}

  private:
    friend struct NativeForm;

    template <typename C, typename... Args>
    C& addTo(ControlParent parent, Args&&... args) {
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

    std::unique_ptr<NativeForm, NativeFormDeleter> native_;
    std::vector<std::unique_ptr<Control>> controls_;
    TwipScale scale_;
    int setWidth_ = 0;
    int setHeight_ = 0;
    bool loaded_ = false;
    bool unloaded_ = false;
    FocusPolicy focus_{[this]() -> Focusable* { return focusedControl(); }};
};

}  // namespace toolkit
