#include "ui/toolkit/text_box.h"

#include <cmath>

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/toolkit/keyboard.h"

namespace toolkit {

namespace {

// Key codes as the handlers know them: the Windows virtual-key codes for the keys they use.
int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kTab;
        case Qt::Key_Backspace:
            return kBackspace;
        default:
            return event->key() < 128 ? event->key() : 0;
    }
}

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

int shiftState(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
           ((modifiers & Qt::AltModifier) ? 4 : 0);
}

}  // namespace

class TextBox::Edit : public QLineEdit {
  public:
    Edit(QWidget* parent, TextBox& owner, const TextBoxEvents& events)
        : QLineEdit(parent), owner_(owner), events_(events) {
        setAlignment(Qt::AlignCenter);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QLineEdit::textChanged, this, [this] { fitText(); });
    }

    SystemColour back = SystemColour::Window;
    SystemColour fore = SystemColour::WindowText;

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

    // A size of the given font at which content takes at most the room: the given size when
    // it fits, else just small enough. Never smaller than the widest text the box is made for
    // needs: longer text, such as a long typed one, scrolls instead.
    QFont fittedFont(const QString& content) const {
        const int room = textRoom();
        auto advance = [](const QFont& font, const QString& text) {
            return QFontMetricsF(font).horizontalAdvance(text);
        };
        if (room <= 0 || std::ceil(advance(given_, content)) <= room) return given_;
        const QString& target =
            !widest_.isEmpty() && advance(given_, content) > advance(given_, widest_) ? widest_
                                                                                      : content;
        QFont font = given_;
        const bool points = given_.pointSizeF() > 0;
        const double step = points ? 0.25 : 1.0;
        auto setSize = [&](double size) {
            if (points)
                font.setPointSizeF(size);
            else
                font.setPixelSize(static_cast<int>(size));
        };
        // Width grows about linearly with the size: start there and step down to a fit.
        const double givenSize = points ? given_.pointSizeF() : given_.pixelSize();
        double size = std::floor(givenSize * room / advance(given_, target) / step) * step;
        for (setSize(size); size > step && std::ceil(advance(font, target)) > room;)
            setSize(size -= step);
        return font;
    }

    void fitText() {
        const QFont fitted = fittedFont(text());
        if (fitted != font()) setFont(fitted);
    }

    void applyColours() {
        QPalette p = palette();
        p.setColor(QPalette::Base, resolve(back));
        p.setColor(QPalette::Text, resolve(fore));
        setPalette(p);
    }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        // The window coming back to the front is not entering the field: what the user was
        // typing, the caret and the selection stay as they were.
        if (event->reason() == Qt::ActiveWindowFocusReason ||
            event->reason() == Qt::PopupFocusReason)
            return;
        if (events_.gotFocus) events_.gotFocus(owner_.index());
        // A click that brought the focus would put the caret where it landed; keep what the
        // focus handling selected instead.
        reselectAfterPress_ = event->reason() == Qt::MouseFocusReason;
        focusSelection_ = {selectionStart(), selectedText().size()};
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
        int code = keyAscii(event);
        if (code >= 0 && events_.keyPress) {
            events_.keyPress(owner_.index(), code);
            if (code == 0) {
                event->accept();
                return;
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        QLineEdit::keyReleaseEvent(event);
        if (events_.keyUp && !event->isAutoRepeat())
            events_.keyUp(owner_.index(), keyCode(event), shiftState(event->modifiers()));
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (events_.mouseMove) {
            const QPoint at = event->position().toPoint();
            events_.mouseMove(owner_.index(), static_cast<int>(event->buttons()),
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
    const TextBoxEvents& events_;
    bool reselectAfterPress_ = false;
    std::pair<int, qsizetype> focusSelection_{-1, 0};
};

TextBox::TextBox(QWidget* parent, int index, const TextBoxEvents& events)
    : Control(new Edit(parent, *this, events_)), index_(index), events_(events) {
    edit_ = static_cast<Edit*>(widget());
    edit_->applyColours();
}

void TextBox::raiseValidate(bool& cancel) const {
    cancel = false;
    if (events_.validate) events_.validate(index_, cancel);
}

QString TextBox::text() const {
    return edit_->text();
}
void TextBox::setText(const QString& text) {
    edit_->setText(text);
}
bool TextBox::locked() const {
    return edit_->isReadOnly();
}
void TextBox::setLocked(bool locked) {
    edit_->setReadOnly(locked);
}
bool TextBox::tabStop() const {
    return edit_->focusPolicy() == Qt::StrongFocus;
}

void TextBox::setTabStop(bool tabStop) {
    // Off the Tab chain, but a click still gives it the focus.
    edit_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TextBox::fontBold() const {
    return edit_->givenFont().bold();
}

void TextBox::setFontBold(bool bold) {
    QFont font = edit_->givenFont();
    font.setBold(bold);
    edit_->setGivenFont(font);
}

void TextBox::setWidestText(const QString& widest) {
    edit_->setWidestText(widest);
}

QString TextBox::toolTipText() const {
    return edit_->toolTip();
}
void TextBox::setToolTipText(const QString& text) {
    edit_->setToolTip(text);
}

void TextBox::setBackColor(SystemColour colour) {
    edit_->back = colour;
    edit_->applyColours();
}

void TextBox::setForeColor(SystemColour colour) {
    edit_->fore = colour;
    edit_->applyColours();
}

int TextBox::selStart() const {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

int TextBox::selLength() const {
    return static_cast<int>(edit_->selectedText().size());
}

void TextBox::setSelStart(int start) {
    edit_->deselect();
    edit_->setCursorPosition(start);
}

void TextBox::setSelLength(int length) {
    edit_->setSelection(selStart(), length);
}

void TextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    // A text box's own default is the text beam.
    edit_->setCursor(pointer == MousePointer::Arrow ? Qt::ArrowCursor : Qt::IBeamCursor);
}

void TextBox::setFocus() {
    // Moving the focus into a box runs its focus handling, also when it had the focus already
    // (a tab click leaves the focus where it was).
    if (!edit_->hasFocus())
        edit_->setFocus(Qt::OtherFocusReason);
    else if (events_.gotFocus)
        events_.gotFocus(index_);
    // A window that is not active yet gives the box the focus only when it is activated, and
    // that is no entry into the box: the focus handling runs now instead.
    if (!edit_->hasFocus() && events_.gotFocus) events_.gotFocus(index_);
}
bool TextBox::hasFocus() const {
    return edit_->hasFocus();
}

QSize TextBox::contentSize() const {
    if (sample_.isEmpty()) return {};
    QFont bold = edit_->givenFont();
    bold.setBold(true);
    // Around the text, what the box itself takes: the style's frame and the room textRoom()
    // keeps free; and the height QLineEdit asks for its font.
    const int around = edit_->width() - edit_->textRoom();
    const auto text = static_cast<int>(std::ceil(QFontMetricsF(bold).horizontalAdvance(sample_)));
    return {text + around, edit_->sizeHint().height()};
}

}  // namespace toolkit
