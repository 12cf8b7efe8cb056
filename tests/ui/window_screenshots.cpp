// Writes a PNG of the calculator in each mode, with a calculation typed in as a trader would,
// and one of the market window greened best, to the folder given (default: the current one). A
// CTest test runs it; README shows the market.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <filesystem>

#include "core/mode_layout.h"
#include "ui/frm_main.h"
#include "ui/frm_market.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

void type(QWindow* window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(window, *c);
    QTest::keyClick(window, Qt::Key_Return);
    QApplication::processEvents();
}

bool saved(QWidget* window, const QString& file) {
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(file));
    return true;
}

// The README's market, greened best, its sheet kept in a folder of its own.
bool marketShot(const QDir& out) {
    const std::filesystem::path folder = out.filePath("market-sheet").toStdString();
    std::filesystem::remove_all(folder);
    frmMarket form(quorvel::NumberFormat::pointComma(), folder.string());
    QWidget* window = toolkit::windowOf(form);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) QApplication::setActiveWindow(window);
    for (const char* text : {"A", "3.50", "3.55", "back:10@4.00", "B", "3.00", "3.05",
                             "lay:10@3.00", "C", "2.62", "2.64", ""})
        type(window->windowHandle(), text);
    QTest::keyClick(window->windowHandle(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::processEvents();
    const bool ok = saved(window, out.filePath("quorvel-market.png"));
    std::filesystem::remove_all(folder);
    return ok;
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
        if (!saved(window, out.filePath(QString("quorvel-mode-%1.png").arg(mode)))) return 1;
    }
    return marketShot(out) ? 0 : 1;
}
