#pragma once

// Drives the calculator window as a user does: key presses and clicks go through the window's
// QWindow, the route real input takes, so the application's focus guard sees them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <memory>
#include <ostream>

#include "ui/frm_main.h"
#include "ui/toolkit/qt/qt_access.h"

// Readable failure messages for Qt strings.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text;
}

// Whether the field draws its whole text. A line edit scrolls only text it cannot show whole,
// and then where the text starts depends on where the caret was when it was last painted.
inline bool showsWhole(QLineEdit* edit) {
    auto startAfterPaintWithCaretAt = [edit](int position) {
        edit->setCursorPosition(position);
        edit->grab();
        edit->setCursorPosition(0);
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    return startAfterPaintWithCaretAt(int(edit->text().size())) == startAfterPaintWithCaretAt(0);
}

// The window's named fields and labels, as the tests use them.
constexpr int kBackRate = frmMain::kBackRateField;
constexpr int kRate = frmMain::kRateField;
constexpr int kFieldCount = frmMain::kFieldCount;

// Wayland leaves activation to the compositor, and a headless one, without a seat, activates
// no window.
inline bool platformActivatesWindows() {
    return QGuiApplication::platformName() != "wayland";
}

class WindowTest : public testing::Test {
  protected:
    void SetUp() override { open(quorvel::NumberFormat::pointComma()); }

    void open(quorvel::NumberFormat format) {
        form = std::make_unique<frmMain>(std::move(format));
        toolkit::windowOf(*form)->activateWindow();
        if (platformActivatesWindows()) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit::windowOf(*form)));
        } else {
            // As a user's click would have made it.
            ASSERT_TRUE(QTest::qWaitForWindowExposed(toolkit::windowOf(*form)));
            QApplication::setActiveWindow(toolkit::windowOf(*form));
        }
        QApplication::processEvents();
    }

    QWindow* handle() const { return toolkit::windowOf(*form)->windowHandle(); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handle(), k, modifiers);
        QApplication::processEvents();  // a posted Tab is handled now
    }
    void type(const QString& text) {
        for (QChar c : text) QTest::keyClick(handle(), c.toLatin1());
        QApplication::processEvents();
    }
    void moveMouseOver(QWidget* widget) {
        QTest::mouseMove(handle(), QPoint(1, 1));  // a move to where it already is is no move
        QTest::mouseMove(handle(),
                         widget->mapTo(toolkit::windowOf(*form), widget->rect().center()));
        QApplication::processEvents();
    }
    // Keys that arrive in one burst, all queued before the first is handled, as a remote
    // desktop or a busy machine delivers them; '\r' is Enter.
    void burst(const QString& keys) {
        for (QChar c : keys) {
            const int k = c == u'\r' ? int(Qt::Key_Return) : c.toUpper().unicode();
            for (auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(handle(),
                                            new QKeyEvent(type, k, Qt::NoModifier, QString(c)));
        }
        QApplication::processEvents();
    }
    // Another application takes the front, then the calculator is brought back.
    void switchAwayAndBack() {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        toolkit::windowOf(*form)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit::windowOf(*form)));
    }
    void enter() { key(Qt::Key_Return); }
    void escape() { key(Qt::Key_Escape); }
    void tab() { key(Qt::Key_Tab); }
    void backtab() { key(Qt::Key_Backtab, Qt::ShiftModifier); }
    // An access key: Alt and the letter.
    void alt(char letter) {
        QTest::keyClick(handle(), letter, Qt::AltModifier);
        QApplication::processEvents();
    }

    // Types a value over the focused field and presses Enter.
    void enterValue(const QString& text) {
        selectAllInFocusedField();
        key(Qt::Key_Backspace);
        type(text);
        enter();
    }
    void selectAllInFocusedField() { key(Qt::Key_A, Qt::ControlModifier); }

    void click(QWidget* widget, QPoint at = QPoint(-1, -1)) {
        if (at == QPoint(-1, -1)) at = widget->rect().center();
        QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(toolkit::windowOf(*form), at));
        QApplication::processEvents();
    }
    void clickField(int index) { click(toolkit::widgetOf(form->txtFields(index))); }
    void clickTab(int index) {
        QTabBar* bar = toolkit::tabBarOf(form->tabMain());
        click(bar, bar->tabRect(index - 1).center());
    }
    void clickCheckBox() { click(toolkit::widgetOf(form->chkSingleMarket())); }

    // The index of the field with the focus, or -1.
    int focusedField() {
        for (int i = 0; i < kFieldCount; ++i)
            if (form->txtFields(i).hasFocus()) return i;
        return -1;
    }
    QString text(int index) { return QString::fromStdString(form->txtFields(index).text()); }
    // Fields 3 to 6 (modes 1, 2) or 1, 3, 4, 6 (mode 3) as "a, b, c, d".
    QString results() {
        const int fields[2][4] = {{3, 4, 5, 6}, {1, 3, 4, 6}};
        const int* f = fields[form->mode() == 3 ? 1 : 0];
        return text(f[0]) + ", " + text(f[1]) + ", " + text(f[2]) + ", " + text(f[3]);
    }
    // Focus into a field by clicking it, then replace its text and leave it with Enter.
    void setField(int index, const QString& value) {
        clickField(index);
        enterValue(value);
    }

    std::unique_ptr<frmMain> form;
};
