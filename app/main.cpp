// The calculator: one window; closing it ends the program.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "core/version.h"
#include "ui/frm_main.h"

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

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(startupMessages);
    QApplication application(argc, argv);
    startingUp = false;
    std::fputs(heldMessages.constData(), stderr);
    QApplication::setApplicationName("Quorvel");
    QApplication::setApplicationVersion(QString::fromUtf8(
        quorvel::kVersion.data(), static_cast<qsizetype>(quorvel::kVersion.size())));
    QApplication::setDesktopFileName("org.quorvel.Quorvel");

    frmMain window;
    return QApplication::exec();
}
