#include "ui/toolkit/keyboard.h"

#include <QKeyEvent>

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

}  // namespace toolkit
