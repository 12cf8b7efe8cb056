// Starts a window and quits as soon as it is first painted: the calculator (with the focus in
// field 0), or with --bare a plain Qt window, the yardstick, or with --label a plain window
// showing one label. startup_bench runs them all.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstring>

#include "ui/frm_main.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* window, std::function<bool()> ready)
        : window_(window), ready_(std::move(ready)) {}

  protected:
    // Any paint in the window counts: where the focus arrives after the first paint, as on an
    // X server, the field that takes it paints again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == window_ &&
            ready_())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }

  private:
    QWidget* window_;
    std::function<bool()> ready_;
};

}  // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const bool label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication application(argc, argv);
    if (bare || label) {
        // A window that draws no text never starts the font system; one label does.
        QLabel window(label ? "Quorvel" : "");
        window.setWindowTitle("bare");
        window.resize(600, 160);
        FirstPaint probe(&window, [] { return true; });
        qApp->installEventFilter(&probe);
        window.show();
        return QApplication::exec();
    }
    frmMain form;
    FirstPaint probe(toolkit::windowOf(form), [&] { return form.txtFields(0).hasFocus(); });
    qApp->installEventFilter(&probe);
    toolkit::windowOf(form)->activateWindow();  // no window manager under a bare Xvfb does it
    toolkit::windowOf(form)->update();
    return QApplication::exec();
}
