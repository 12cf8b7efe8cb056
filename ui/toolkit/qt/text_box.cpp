#include "ui/toolkit/text_box.h"

#include <cmath>

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/text_fit.h"

namespace toolkit {

namespace {

// The character a key press types, or -1 for a key that types none.
int keyAscii(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Backspace:
            return keyCode(event);  // control characters share their key's code
        default:
            break;
    }
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return -1;
    return text.at(0).unicode();
}

int mouseButtons(Qt::MouseButtons buttons) {
    return ((buttons & Qt::LeftButton) ? kLeftButton : 0) |
           ((buttons & Qt::RightButton) ? kRightButton : 0) |
           ((buttons & Qt::MiddleButton) ? kMiddleButton : 0);
}

class Edit : public QLineEdit {
  public:
    Edit(QWidget* parent, TextBox& owner, Form& form)
        : QLineEdit(parent), owner_(owner), form_(form) {
        setAlignment(Qt::AlignCenter);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QLineEdit::textChanged, this, [this] { fitText(); });
    }

    // The font the box was given; what it draws with may be a smaller size of it.
    const QFont& givenFont() const { return given_; }
    void setGivenFont(const QFont& font) {
        given_ = font;
        fitText();
    }
    void setWidestText(const QString& widest) {
        widest_ = widest;
        fitText();
    }

    // The width text may take without scrolling: the contents less QLineEdit's text margins,
    // and a pixel for the caret at either end.
    int textRoom() const {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        return contents.width() - 2 * kTextMargin - 2;
    }

    // The given font at the size the shared search finds for content.
    QFont fittedFont(const QString& content) const {
        const bool points = given_.pointSizeF() > 0;
        TextFit fit;
        fit.given = points ? given_.pointSizeF() : given_.pixelSize();
        fit.step = points ? 0.25 : 1.0;
        fit.room = textRoom();
        fit.typedIn = typedIn();
        fit.hasWidest = !widest_.isEmpty();
        QFont font = given_;
        auto setSize = [&](double size) {
            if (points)
                font.setPointSizeF(size);
            else
                font.setPixelSize(static_cast<int>(size));
        };
        const double size = fittedSize(fit, [&](double at, bool widest) {
            setSize(at);
            return QFontMetricsF(font).horizontalAdvance(widest ? widest_ : content);
        });
        if (size == fit.given) return given_;
        setSize(size);
        return font;
    }

    void fitText() {
        const QFont fitted = fittedFont(text());
        if (fitted != font()) setFont(fitted);
        // A text longer than the box shows from its start while it is not being typed in.
        if (!typedIn()) setCursorPosition(0);
    }

    // The box has the focus, or will have it again when its window comes back to the front.
    bool typedIn() const { return window()->focusWidget() == this; }

    void applyColours() {
        QPalette p = palette();
        p.setColor(QPalette::Base, resolve(owner_.backColor()));
        p.setColor(QPalette::Text, resolve(owner_.foreColor()));
        setPalette(p);
    }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        fitText();
        if (!owner_.raiseEntry(event->reason() == Qt::ActiveWindowFocusReason ||
                               event->reason() == Qt::PopupFocusReason))
            return;
        // A click that brought the focus would put the caret where it landed; keep what the
        // focus handling selected instead.
        reselectAfterPress_ = event->reason() == Qt::MouseFocusReason;
        focusSelection_ = {selectionStart(), selectedText().size()};
    }

    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        // Wherever the focus went inside the window, the text must have been let go; queued,
        // the return comes before any key typed since. The window going to the back, or the
        // box's own menu opening, is not leaving it.
        if (event->reason() == Qt::ActiveWindowFocusReason ||
            event->reason() == Qt::PopupFocusReason)
            return;
        fitText();
        const QWidget* gaining = QApplication::focusWidget();
        if (gaining == nullptr || gaining->window() != window() ||
            !form_.focus().refusesLostFocus(owner_))
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                setFocus(Qt::OtherFocusReason);
                form_.focus().refocused();
            },
            Qt::QueuedConnection);
    }

    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        if (reselectAfterPress_ && focusSelection_.first >= 0)
            setSelection(focusSelection_.first, static_cast<int>(focusSelection_.second));
        reselectAfterPress_ = false;
    }

    void keyPressEvent(QKeyEvent* event) override {
        reselectAfterPress_ = false;
        // Alt with a letter is an access key; where none answers, it types nothing either.
        if ((event->modifiers() & Qt::AltModifier) && !event->text().isEmpty()) {
            event->ignore();
            return;
        }
        const int typed = keyAscii(event);
        int code = typed;
        if (code >= 0 && owner_.events().keyPress) {
            owner_.events().keyPress(owner_.index(), code);
            if (code == 0) {
                event->accept();
                return;
            }
        }
        if (code == typed) return QLineEdit::keyPressEvent(event);
        // A key the handler replaced types its replacement, as on every back end.
        QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                           QString(QChar(static_cast<char16_t>(code))));
        QLineEdit::keyPressEvent(&replaced);
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        QLineEdit::keyReleaseEvent(event);
        if (owner_.events().keyUp && !event->isAutoRepeat())
            owner_.events().keyUp(owner_.index(), keyCode(event), shiftState(event->modifiers()));
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (owner_.events().mouseMove) {
            const QPoint at = event->position().toPoint();
            owner_.events().mouseMove(owner_.index(), mouseButtons(event->buttons()),
                                      shiftState(event->modifiers()), at.x(), at.y());
        }
        QLineEdit::mouseMoveEvent(event);
    }

    void changeEvent(QEvent* event) override {
        QLineEdit::changeEvent(event);
        if (event->type() == QEvent::ApplicationPaletteChange) applyColours();
    }

    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        fitText();
    }

  private:
    static constexpr int kTextMargin = 2;  // QLineEdit's own, on either side of the text

    QFont given_ = font();
    QString widest_;
    TextBox& owner_;
    Form& form_;
    bool reselectAfterPress_ = false;
    std::pair<int, qsizetype> focusSelection_{-1, 0};
};

Edit& edit(const TextBox& box) {
    return *static_cast<Edit*>(box.native().widget);
}

}  // namespace

TextBox::TextBox(ControlParent parent, int index, const TextBoxEvents& events)
    : Control(std::make_unique<NativeControl>(new Edit(parentWidget(parent), *this, parent.form))),
      form_(parent.form),
      index_(index),
      events_(events) {
    edit(*this).applyColours();
}

std::string TextBox::text() const {
    return utf8(edit(*this).text());
}
void TextBox::setText(const std::string& text) {
    edit(*this).setText(qt(text));
    edit(*this).fitText();  // the same text again moves the caret to its end too
}
bool TextBox::locked() const {
    return edit(*this).isReadOnly();
}
void TextBox::setLocked(bool locked) {
    edit(*this).setReadOnly(locked);
}
bool TextBox::tabStop() const {
    return edit(*this).focusPolicy() == Qt::StrongFocus;
}

void TextBox::setTabStop(bool tabStop) {
    // Off the Tab chain, but a click still gives it the focus.
    edit(*this).setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TextBox::fontBold() const {
    return edit(*this).givenFont().bold();
}

void TextBox::setFontBold(bool bold) {
    Edit& e = edit(*this);
    QFont font = e.givenFont();
    font.setBold(bold);
    e.setGivenFont(font);
}

void TextBox::setWidestText(const std::string& widest) {
    edit(*this).setWidestText(qt(widest));
}

void TextBox::setAccessibleName(const std::string& name) {
    edit(*this).setAccessibleName(qt(name));
}

std::string TextBox::toolTipText() const {
    return utf8(edit(*this).toolTip());
}
void TextBox::setToolTipText(const std::string& text) {
    edit(*this).setToolTip(qt(text));
}

void TextBox::setBackColor(SystemColour colour) {
    back_ = colour;
    edit(*this).applyColours();
}

void TextBox::setForeColor(SystemColour colour) {
    fore_ = colour;
    edit(*this).applyColours();
}

int TextBox::selStart() const {
    const Edit& e = edit(*this);
    return e.hasSelectedText() ? e.selectionStart() : e.cursorPosition();
}

int TextBox::selLength() const {
    return static_cast<int>(edit(*this).selectedText().size());
}

void TextBox::setSelStart(int start) {
    Edit& e = edit(*this);
    e.deselect();
    e.setCursorPosition(start);
}

void TextBox::setSelLength(int length) {
    edit(*this).setSelection(selStart(), length);
}

void TextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    // A text box's own default is the text beam.
    edit(*this).setCursor(pointer == MousePointer::Arrow ? Qt::ArrowCursor : Qt::IBeamCursor);
}

bool TextBox::hasFocus() const {
    return edit(*this).hasFocus();
}

Size TextBox::contentSize() const {
    if (sample_.empty()) return {};
    const Edit& e = edit(*this);
    QFont bold = e.givenFont();
    bold.setBold(true);
    // Around the text, what the box itself takes: the style's frame and the room textRoom()
    // keeps free; and the height QLineEdit asks for its font.
    const int around = e.width() - e.textRoom();
    const auto text =
        static_cast<int>(std::ceil(QFontMetricsF(bold).horizontalAdvance(qt(sample_))));
    return {text + around, e.sizeHint().height()};
}

}  // namespace toolkit
