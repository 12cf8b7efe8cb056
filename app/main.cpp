// The calculator, and the market window beside it: `quorvel --market` opens the market window
// alone, and Ctrl+M in the calculator opens it or brings it to the front. Closing one window
// leaves the other open; the program ends with the last.
#include <cstring>
#include <memory>

#include "core/version.h"
#include "ui/frm_main.h"
#include "ui/frm_market.h"
#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
    toolkit::Application application(
        argc, argv, {"Quorvel", std::string(quorvel::kVersion), "org.quorvel.Quorvel"});
    std::unique_ptr<frmMarket> market;
    std::unique_ptr<frmMain> calculator;
    auto openMarket = [&market, &calculator] {
        // A market window the user closed is made anew, from the sheet it kept, beside the
        // calculator rather than over it.
        if (market && !market->isOpen()) market.reset();
        if (!market) {
            market = std::make_unique<frmMarket>();
            if (calculator && calculator->isOpen()) market->placeBeside(*calculator);
        }
        market->activate();
    };
    if (argc > 1 && std::strcmp(argv[1], "--market") == 0) {
        openMarket();
    } else {
        calculator = std::make_unique<frmMain>();
        calculator->openMarket = openMarket;
    }
    return application.exec();
}
