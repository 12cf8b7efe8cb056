#pragma once

#include <QString>
#include <functional>

#include "ui/toolkit/control.h"
#include "ui/toolkit/system_colour.h"

class QWidget;

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
// mouse even when locked.
class TextBox : public Control {
  public:
    TextBox(QWidget* parent, int index, const TextBoxEvents& events);

    int index() const { return index_; }
    void raiseValidate(bool& cancel) const;

    QString text() const;
    void setText(const QString& text);
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    bool locked() const;
    void setLocked(bool locked);
    bool tabStop() const;
    void setTabStop(bool tabStop);
    bool fontBold() const;
    void setFontBold(bool bold);
    QString toolTipText() const;
    void setToolTipText(const QString& text);
    void setBackColor(SystemColour colour);
    void setForeColor(SystemColour colour);
    int selStart() const;
    int selLength() const;
    void setSelStart(int start);
    void setSelLength(int length);
    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);
    void setFocus();
    bool hasFocus() const;

    // The widest text the box must show whole at its given font, for contentSize().
    void setSampleText(const QString& sample) { sample_ = sample; }
    // The widest text the box must ever show whole. Text that does not fit is drawn in a
    // smaller size of the same font, just small enough, down to the size this text needs.
    void setWidestText(const QString& widest);
    QSize contentSize() const override;
    void detachHandlers() override { events_ = {}; }

  private:
    class Edit;
    Edit* edit_;
    int index_;
    TextBoxEvents events_;
    QString tag_;
    MousePointer pointer_ = MousePointer::Default;
    QString sample_;
};

}  // namespace toolkit
