// From the sheet to the results: each runner's P/L if it wins, the books, both greens with what
// each locks in, and the chosen green's hedges and nets; and the sheet kept between starts.
#include <stdexcept>

#include "ui/frm_market.h"

namespace {

// "Green each: stakes 21.27, locks in 1.20", or why it stakes nothing.
std::string greenSummary(const char* name, const quorvel::MarketRequest& request,
                         const quorvel::MarketReport& report, const quorvel::NumberFormat& format) {
    switch (report.problem) {
        case quorvel::GreenProblem::Arbitrage:
            return std::string(name) + ": the books are an arbitrage, nothing staked";
        case quorvel::GreenProblem::MissingPrice:
            return std::string(name) + ": " + request.runners[report.problemRunner].name +
                   " has no " + (report.problemPriceIsBack ? "back" : "lay") + " price";
        case quorvel::GreenProblem::Certain:
            return std::string(name) + ": one runner is certain to win, nothing staked";
        case quorvel::GreenProblem::None:
            break;
    }
    if (request.runners.empty()) return std::string(name) + ": no runners yet";
    return std::string(name) + ": stakes " + report.staked.display(format) + ", locks in " +
           report.lowest.displayFine(format) + quorvel::exactShortfall(report, format);
}

}  // namespace

void frmMarket::Form_Load() {
    Show();
    for (int i = 0; i < kSettingCount; ++i)
        txtSettings(i).setText(i == kRateSetting       ? sheet_.rate
                               : i == kMinStakeSetting ? sheet_.minStake
                                                       : sheet_.minPayout);
    ShowRows();
    CalculateMarket();
    lblMessage().setCaption(strLoadMessage);
    txtCells(market_sheet::kRunner).setFocus();
}

void frmMarket::ShowRows() {
    for (int row = 0; row < kVisibleRows; ++row) {
        const market_sheet::Row& kept = sheet_.rows[static_cast<std::size_t>(intTopRow + row)];
        for (int column = 0; column < kColumns; ++column) {
            toolkit::TextBox& cell = txtCells(row * kColumns + column);
            if (column < market_sheet::kTypedColumns)
                cell.setText(kept.cells[static_cast<std::size_t>(column)]);
            cell.setAccessibleName("Runner " + std::to_string(intTopRow + row + 1) + ", " +
                                   market_sheet::kColumnCaptions[column]);
        }
    }
    CalculateMarket();
}

void frmMarket::CalculateMarket() {
    market_sheet::Market market = market_sheet::marketOf(sheet_, format_);
    quorvel::MarketRequest& request = market.request;
    try {
        request.green = quorvel::Green::Each;
        const quorvel::MarketReport each = quorvel::ComputeMarket(request);
        request.green = quorvel::Green::Best;
        const quorvel::MarketReport best = quorvel::ComputeMarket(request);
        request.green = green_;
        const quorvel::MarketReport shown = quorvel::ComputeMarket(request);
        lblGreenEach().setCaption(greenSummary("Green each", request, each, format_));
        lblGreenBest().setCaption(greenSummary("Green best", request, best, format_));
        auto book = [&](const std::optional<quorvel::Money>& b) {
            return b ? b->display(format_) + " %" : std::string("-");
        };
        lblBook().setCaption("Book: back " + book(shown.backBook) + ", lay " + book(shown.layBook));
        for (int row = 0; row < kVisibleRows; ++row)
            for (int column : {market_sheet::kIfWins, market_sheet::kHedge, market_sheet::kNet})
                txtCells(row * kColumns + column).setText("");
        for (std::size_t i = 0; i < request.runners.size(); ++i) {
            const int row = market.rowOf[i] - intTopRow;
            if (row < 0 || row >= kVisibleRows) continue;
            const quorvel::RunnerOutcome& o = shown.runners[i];
            txtCells(row * kColumns + market_sheet::kIfWins).setText(display(o.ifWins));
            if (o.hedge)
                txtCells(row * kColumns + market_sheet::kHedge).setText(o.hedge->text(format_));
            txtCells(row * kColumns + market_sheet::kNet).setText(display(o.net));
        }
    } catch (const quorvel::MoneyError&) {
        // Figures beyond what money holds: the results keep their texts, as the calculator's do.
    }
}

void frmMarket::ShowGreen(quorvel::Green green) {
    // The cell being typed in is taken first, as if it were left.
    if (!focus().mayLeaveFor(nullptr)) return;
    green_ = green;
    CalculateMarket();
}

void frmMarket::LoadSheet() {
    try {
        if (auto kept = market_sheet::load(file_)) sheet_ = *kept;
    } catch (const std::runtime_error& error) {
        // Never overwritten in silence: the damaged file is kept under another name.
        std::string aside;
        try {
            aside = market_sheet::setAside(file_);
            aside = aside.substr(aside.rfind('/') + 1);
        } catch (const std::exception&) {
            aside = "(it could not be moved)";
        }
        strLoadMessage = "The market kept last time " + std::string(error.what()) +
                         ": it was set aside as " + aside + ".";
    }
}

void frmMarket::SaveSheet() {
    try {
        market_sheet::save(sheet_, file_);
    } catch (const std::exception&) {
        lblMessage().setCaption("The market could not be kept in " + file_ + ".");
    }
}
