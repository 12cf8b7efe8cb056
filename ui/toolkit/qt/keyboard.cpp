#include "ui/toolkit/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/toolkit/qt/native.h"

namespace toolkit {

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
        case Qt::Key_PageUp:
            return kPageUp;
        case Qt::Key_PageDown:
            return kPageDown;
        case Qt::Key_Up:
            return kUp;
        case Qt::Key_Down:
            return kDown;
        case Qt::Key_Delete:
            return kDelete;
        default:
            return event->key() < 128 ? event->key() : 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? kShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) ? kCtrlMask : 0) |
           ((modifiers & Qt::AltModifier) ? kAltMask : 0);
}

void pressTab() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    // The release goes where the focus is now, as the release of a typed Tab does.
    if (QWidget* now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(now, &release);
    }
}

}  // namespace toolkit
