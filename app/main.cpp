// The calculator: one window; closing it ends the program.
#include "core/version.h"
#include "ui/frm_main.h"
#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
    toolkit::Application application(
        argc, argv, {"Quorvel", std::string(quorvel::kVersion), "org.quorvel.Quorvel"});
    frmMain window;
    return application.exec();
}
