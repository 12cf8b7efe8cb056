#include "keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace toolkit {

void postTab() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) return;
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
}

}  // namespace toolkit
