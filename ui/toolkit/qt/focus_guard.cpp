#include "ui/toolkit/qt/focus_guard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>
#include <QWindow>

#include "ui/toolkit/check_box.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"

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
            return onShortcut(receiver);
        default:
            return false;
    }
}

bool FocusGuard::onMousePress(QObject* receiver, QEvent* event) {
    if (receiver != form_.native().window->windowHandle()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QWidget* hit = form_.native().window->childAt(mouse->position().toPoint());
    const Control* target = form_.native().controlOf(hit);
    // Only what takes the focus or acts on a click: boxes, the check box, the tabs. Labels,
    // the frame and the page under the tabs do neither.
    const bool acts = dynamic_cast<const TextBox*>(target) != nullptr ||
                      dynamic_cast<const CheckBox*>(target) != nullptr ||
                      qobject_cast<QTabBar*>(hit) != nullptr;
    if (!acts || form_.mayLeaveFor(target)) return false;
    swallowRelease_ = true;
    return true;
}

bool FocusGuard::onTabKey(QObject* receiver, QEvent* event) const {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const auto* widget = qobject_cast<QWidget*>(receiver);
    const TextBox* leaving = form_.activeTextBox();
    if (widget == nullptr || leaving == nullptr || form_.native().controlOf(widget) != leaving)
        return false;
    return !form_.mayLeaveFor(nullptr);
}

bool FocusGuard::onShortcut(QObject* receiver) const {
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != form_.native().window) return false;
    const Control* target = form_.native().controlOf(widget);
    if (const auto* label = dynamic_cast<const Label*>(target)) target = label->buddy();
    return target != nullptr && !form_.mayLeaveFor(target);
}

}  // namespace toolkit
