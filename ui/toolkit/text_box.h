#pragma once

#include <functional>
#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/system_colour.h"

namespace toolkit {

enum class MousePointer { Default = 0, Arrow = 1 };

// The events of a text box array; each handler is given the box's index.
struct TextBoxEvents {
    std::function<void(int index)> gotFocus;
    std::function<void(int index, int& keyAscii)> keyPress;  // set keyAscii to 0 to discard
    std::function<void(int index, int keyCode, int shift)> keyUp;
    std::function<void(int index, int button, int shift, int x, int y)> mouseMove;
    std::function<void(int index, bool& cancel)> validate;  // cancel keeps the focus
};

// A single-line text box: centred text, editable unless locked, able to take the focus by
// mouse even when locked. Text is UTF-8; selections count characters. The box keeps its own
// copy of the events, taken when it is created: wire them before the first box is made.
class TextBox : public Control {
  public:
    TextBox(ControlParent parent, int index, const TextBoxEvents& events);

    int index() const { return index_; }
    void raiseValidate(bool& cancel) const;
    // The focus came into the box (the back ends call it). An entry runs gotFocus; the window
    // coming back to the front (windowReturned), or the focus coming back to a box that
    // refused to let it go, is none: what the user was typing and its selection stay. True
    // for an entry.
    bool raiseEntry(bool windowReturned);
    // What the events of the box raise: the back end calls these for the user's input.
    const TextBoxEvents& events() const { return events_; }

    std::string text() const;
    void setText(const std::string& text);
    std::string tag() const { return tag_; }
    void setTag(const std::string& tag) { tag_ = tag; }
    bool locked() const;
    void setLocked(bool locked);
    bool tabStop() const;
    void setTabStop(bool tabStop);
    bool fontBold() const;
    void setFontBold(bool bold);
    std::string toolTipText() const;
    void setToolTipText(const std::string& text);
    // What a screen reader calls the box, where no label names it.
    void setAccessibleName(const std::string& name);
    void setBackColor(SystemColour colour);
    void setForeColor(SystemColour colour);
    SystemColour backColor() const { return back_; }
    SystemColour foreColor() const { return fore_; }
    int selStart() const;
    int selLength() const;
    void setSelStart(int start);
    void setSelLength(int length);
    // The whole text selected, as entering the box selects it: typing then replaces it.
    void selectAll();
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    void setFocus();
    bool hasFocus() const;

    // The widest text the box must show whole at its given font, for contentSize().
    void setSampleText(const std::string& sample) { sample_ = sample; }
    const std::string& sampleText() const { return sample_; }
    // The widest text the box must ever show whole. Text that does not fit is drawn in a
    // smaller size of the same font, just small enough, down to the size this text needs.
    void setWidestText(const std::string& widest);
    Size contentSize() const override;
    void detachHandlers() override { events_ = {}; }

    bool actsOnPress() const override { return true; }
    bool takesTab() const override { return visible() && tabStop(); }
    bool refusesToLeave() const override {
        bool cancel = false;
        raiseValidate(cancel);
        return cancel;
    }
    std::string heldText() const override { return text(); }

  private:
    Form& form_;
    int index_;
    TextBoxEvents events_;
    std::string tag_;
    MousePointer pointer_ = MousePointer::Default;
    SystemColour back_ = SystemColour::Window;
    SystemColour fore_ = SystemColour::WindowText;
    std::string sample_;
};

}  // namespace toolkit
