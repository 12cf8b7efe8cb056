// Writes a PNG of the calculator in each mode, with a calculation typed in as a trader would,
// to the folder given (default: the current one). A CTest test runs it; README shows one.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "core/mode_layout.h"
#include "ui/frm_main.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

void type(QWindow* window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(window, *c);
    QTest::keyClick(window, Qt::Key_Return);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    frmMain form(quorvel::NumberFormat::pointComma());
    QWidget* window = toolkit::windowOf(form);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        std::fputs("window did not become active\n", stderr);
        return 1;
    }
    QWindow* handle = window->windowHandle();
    const char* inputs[3][3] = {{"2.5", "10", "3"}, {"3", "10", "2.5"}, {"2.5", "1.8", "100"}};
    for (int mode = 1; mode <= static_cast<int>(quorvel::kModeCount); ++mode) {
        form.tabMain().setSelectedItem(mode);
        if (mode == 3) form.chkSingleMarket().setValue(0);  // show the two-rate layout too
        QApplication::processEvents();
        for (const char* text : inputs[mode - 1]) type(handle, text);
        const QString file = out.filePath(QString("quorvel-mode-%1.png").arg(mode));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(file));
    }
    return 0;
}
