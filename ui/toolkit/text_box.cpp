#include "text_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace toolkit {

namespace {

// Key codes as the handlers know them: the Windows virtual-key codes for the keys they use.
int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Backspace:
            return 8;
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
    }

    SystemColour back = SystemColour::Window;
    SystemColour fore = SystemColour::WindowText;

    void applyColours() {
        QPalette p = palette();
        p.setColor(QPalette::Base, resolve(back));
        p.setColor(QPalette::Text, resolve(fore));
        setPalette(p);
    }

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
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

  private:
    TextBox& owner_;
    const TextBoxEvents& events_;
    bool reselectAfterPress_ = false;
    std::pair<int, qsizetype> focusSelection_{-1, 0};
};

TextBox::TextBox(QWidget* parent, int index, const TextBoxEvents& events)
    : Control(new Edit(parent, *this, events)), index_(index), events_(events) {
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
    return edit_->font().bold();
}

void TextBox::setFontBold(bool bold) {
    QFont font = edit_->font();
    font.setBold(bold);
    edit_->setFont(font);
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
    if (edit_->hasFocus()) {
        if (events_.gotFocus) events_.gotFocus(index_);
        return;
    }
    edit_->setFocus(Qt::OtherFocusReason);
}
bool TextBox::hasFocus() const {
    return edit_->hasFocus();
}

QSize TextBox::contentSize() const {
    if (sample_.isEmpty()) return {};
    QFont bold = edit_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QStyleOptionFrame option;
    option.initFrom(edit_);
    option.rect = edit_->rect();
    option.lineWidth = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit_);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    // The same content box QLineEdit::sizeHint() measures: text, the two-pixel text margins on
    // either side, one pixel above and below.
    const QSize text(metrics.horizontalAdvance(sample_) + 2 * 2 + 2,
                     qMax(metrics.height(), 14) + 2 * 1);
    return edit_->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit_);
}

}  // namespace toolkit
