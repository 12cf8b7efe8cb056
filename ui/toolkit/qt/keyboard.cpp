#include "ui/toolkit/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace toolkit {

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
