#include "ui/toolkit/application.h"

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/qt/native.h"

namespace toolkit {

namespace {

bool startingUp = true;
QByteArray heldMessages;

// Qt aborts when it can open no display. Say what is missing in one line instead, and hold
// back the platform's own chatter unless start-up succeeds.
void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg && startingUp) {
        std::fputs(
            "quorvel: cannot open a display; the calculator needs a graphical session, "
            "or a virtual one such as xvfb-run\n",
            stderr);
        std::_Exit(1);
    }
    const QByteArray line = message.toLocal8Bit() + '\n';
    if (startingUp)
        heldMessages += line;
    else
        std::fputs(line.constData(), stderr);
}

// The barrier for every handler Qt calls: each event, a queued call or a timer's included,
// passes through notify.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        return guarded([&] { return QApplication::notify(receiver, event); });
    }
};

QApplication* startApplication(int& argc, char** argv) {
    qInstallMessageHandler(startupMessages);
    auto* application = new GuardedApplication(argc, argv);
    startingUp = false;
    std::fputs(heldMessages.constData(), stderr);
    return application;
}

}  // namespace

struct Application::Native {
    std::unique_ptr<QApplication> application;
};

Application::Application(int& argc, char** argv, const ApplicationInfo& info)
    : native_(new Native{std::unique_ptr<QApplication>(startApplication(argc, argv))}) {
    QApplication::setApplicationName(qt(info.name));
    QApplication::setApplicationVersion(qt(info.version));
    QApplication::setDesktopFileName(qt(info.desktopName));
}

Application::~Application() = default;

int Application::exec() {
    return QApplication::exec();
}

}  // namespace toolkit
