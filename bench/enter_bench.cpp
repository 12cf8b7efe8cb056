// Time from an Enter in an input field to the results painted: validation, rewrite,
// CalculateResults and the repaint of the key result, offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/frm_main.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

// Notes which widgets were painted since the last reset.
class PaintSpy : public QObject {
  public:
    QSet<QObject*> painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int edits = argc > 1 ? std::atoi(argv[1]) : 3000;
    frmMain form(quorvel::NumberFormat::pointComma());
    QWindow* window = toolkit::windowOf(form)->windowHandle();
    toolkit::windowOf(form)->activateWindow();
    if (!QTest::qWaitForWindowActive(toolkit::windowOf(form))) return 1;
    form.tabMain().setSelectedItem(2);
    PaintSpy spy;
    for (int i = 0; i < 7; ++i) toolkit::widgetOf(form.txtFields(i))->installEventFilter(&spy);

    const char* values[3][4] = {
        {"3", "2.2", "5.5", "12"}, {"10", "25", "99.5", "7"}, {"2.5", "1.8", "3.1", "6"}};
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < edits + 3; ++i) {
        const int field = i % 3;
        form.txtFields(field).setFocus();  // its text selected, so typing replaces it
        for (const char* c = values[field][(i / 3) % 4]; *c != '\0'; ++c)
            QTest::keyClick(window, *c);
        QApplication::processEvents();
        QWidget* edited = toolkit::widgetOf(form.txtFields(field));
        QWidget* result = toolkit::widgetOf(form.txtFields(3));
        const std::string before = form.txtFields(3).text();
        spy.painted.clear();
        timer.start();
        QTest::keyClick(window, Qt::Key_Return);
        // Done when the field left and, if its result changed, the key result are painted.
        while (!spy.painted.contains(edited) ||
               (form.txtFields(3).text() != before && !spy.painted.contains(result)))
            QApplication::processEvents();
        if (i >= 3) micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("Enter to results painted over %d edits: median %.0f us, 99th percentile %.0f us\n",
                edits, micros[micros.size() / 2], micros[micros.size() * 99 / 100]);
    return 0;
}
