#include "ui/toolkit/qt/focus_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

#include "ui/toolkit/form.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/qt/native.h"

namespace toolkit {

bool FocusGuard::eventFilter(QObject* receiver, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return onMousePress(receiver, event);
        case QEvent::MouseButtonRelease:
            if (swallowRelease_ && receiver == form_.native().window->windowHandle()) {
                swallowRelease_ = false;
                return true;
            }
            return false;
        case QEvent::KeyPress:
            return onTabKey(receiver, event);
        case QEvent::Shortcut:
            return onShortcut(receiver, event);
        default:
            return false;
    }
}

bool FocusGuard::onMousePress(QObject* receiver, QEvent* event) {
    if (receiver != form_.native().window->windowHandle()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QWidget* hit = form_.native().window->childAt(mouse->position().toPoint());
    const Control* target = form_.native().controlOf(hit);
    // A control acts where it takes the focus: the tabs do, the page under them does not.
    if (target != nullptr && hit != target->native().focusWidget()) target = nullptr;
    if (form_.focus().allowPress(target)) return false;
    swallowRelease_ = true;
    return true;
}

bool FocusGuard::onTabKey(QObject* receiver, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Once, where the key is delivered first.
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget != QApplication::focusWidget() ||
        widget->window() != form_.native().window)
        return false;
    int shift = shiftState(key->modifiers());
    if (key->key() == Qt::Key_Backtab) shift |= kShiftMask;
    return form_.previewKey(keyCode(key), shift);
}

bool FocusGuard::onShortcut(QObject* receiver, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != form_.native().window) return false;
    const QKeySequence sequence = static_cast<QShortcutEvent*>(event)->key();
    if (sequence.isEmpty()) return false;
    const int code = sequence[0].key();
    char key = 0;
    if (code >= Qt::Key_A && code <= Qt::Key_Z) key = static_cast<char>('a' + (code - Qt::Key_A));
    if (code >= Qt::Key_0 && code <= Qt::Key_9) key = static_cast<char>('0' + (code - Qt::Key_0));
    form_.focus().accessKey(key);
    return true;
}

}  // namespace toolkit
