// The calculator, and the market and offers windows beside it: `quorvel --market` and
// `quorvel --offers` open one of them alone; Ctrl+M in the calculator opens the market window or
// brings it to the front, Ctrl+F in either the offers window. Closing one window leaves the
// others open; the program ends with the last.
#include <memory>
#include <string>

#include "core/version.h"
#include "ui/frm_main.h"
#include "ui/frm_market.h"
#include "ui/frm_offers.h"
#include "ui/toolkit/application.h"

int main(int argc, char** argv) {
    toolkit::Application application(
        argc, argv, {"Quorvel", std::string(quorvel::kVersion), "org.quorvel.Quorvel"});
    std::unique_ptr<frmMarket> market;
    std::unique_ptr<frmOffers> offers;
    std::unique_ptr<frmMain> calculator;
    // A window the user closed is made anew, from what it kept, beside the window it was
    // opened from rather than over it.
    auto openOffers = [&offers](const toolkit::Form* from) {
        if (offers && !offers->isOpen()) offers.reset();
        if (!offers) {
            offers = std::make_unique<frmOffers>();
            if (from != nullptr && from->isOpen()) offers->placeBeside(*from);
        }
        offers->activate();
    };
    auto openMarket = [&] {
        if (market && !market->isOpen()) market.reset();
        if (!market) {
            market = std::make_unique<frmMarket>();
            market->openOffers = [&] { openOffers(market.get()); };
            if (calculator && calculator->isOpen()) market->placeBeside(*calculator);
        }
        market->activate();
    };
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--market") {
        openMarket();
    } else if (first == "--offers") {
        openOffers(nullptr);
    } else {
        calculator = std::make_unique<frmMain>();
        calculator->openMarket = openMarket;
        calculator->openOffers = [&] { openOffers(calculator.get()); };
    }
    return application.exec();
}
