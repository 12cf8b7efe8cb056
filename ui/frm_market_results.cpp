// From the sheet to the results: each runner's P/L if it wins, the books, both greens with what
// each locks in, and the chosen green's hedges and nets.
#include "core/non_runner.h"
#include "ui/frm_market.h"

namespace {

// "Green each: stakes 21.27, locks in 1.20", or why it stakes nothing.
std::string greenSummary(const char* name, const quorvel::MarketRequest& request,
                         const quorvel::MarketReport& report, const quorvel::NumberFormat& format) {
    if (request.runners.empty()) return std::string(name) + ": no runners yet";
    if (request.winners > 1 && request.runners.size() <= static_cast<std::size_t>(request.winners))
        return std::string(name) + ": " + std::to_string(request.winners) + " winners need more " +
               "runners than that";
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
    return std::string(name) + ": stakes " + report.staked.display(format) + ", locks in " +
           report.lowest.displayFine(format) + quorvel::exactShortfall(report, format);
}

// The market once its non-runners withdrew: their bets void, the others' matched before them
// reduced; the rows of the non-runners, with their factors, on the side.
market_sheet::Market withdrawn(const market_sheet::Market& market,
                               std::vector<std::pair<int, quorvel::Money>>& nonRunnerRows) {
    const quorvel::AfterWithdrawals after =
        quorvel::withoutNonRunners(market.request, market.nonRunners);
    market_sheet::Market out{after.request, {}, {}};
    for (std::size_t k : after.kept) out.rowOf.push_back(market.rowOf[k]);
    for (const quorvel::NonRunner& n : market.nonRunners)
        nonRunnerRows.emplace_back(market.rowOf[n.runner], n.factor);
    return out;
}

}  // namespace

void frmMarket::Form_Load() {
    Show();
    ShowSheet();
    CalculateMarket();
    // A followed file is read again at the first tick: its prices have moved since.
    setTimer(kFollowMs);
    txtCells(market_sheet::kRunner).setFocus();
    if (pendingRewrite_) SaveSheet();
    ShowMessage(strLoadMessage);
    ShowRefusal(true);
}

void frmMarket::ShowRows() {
    for (int row = 0; row < kVisibleRows; ++row) {
        const market_sheet::Row& kept = sheet_.rows[static_cast<std::size_t>(intTopRow + row)];
        for (int column = 0; column < kColumns; ++column) {
            toolkit::TextBox& cell = txtCells(row * kColumns + column);
            if (column < market_sheet::kTypedColumns)
                cell.setText(kept.cells[static_cast<std::size_t>(column)]);
            // Named by its runner, as a screen reader reads the cell.
            const std::string& name = kept.cells[market_sheet::kRunner];
            cell.setAccessibleName(
                (name.empty() ? "Runner " + std::to_string(intTopRow + row + 1) : name) + ", " +
                market_sheet::kColumnCaptions[column]);
        }
    }
    lblRows().setCaption("Rows " + std::to_string(intTopRow + 1) + "-" +
                         std::to_string(intTopRow + kVisibleRows) + " of " +
                         std::to_string(market_sheet::kRows));
    CalculateMarket();
}

void frmMarket::CalculateMarket() {
    results_ = {};
    if (sheet_.anyRefused()) {
        // A figure without the refused cell would be a wrong one: none is shown.
        lblBook().setCaption("Book: -");
        lblGreenEach().setCaption("Green each: nothing worked out while a cell is refused");
        lblGreenBest().setCaption("Green best: nothing worked out while a cell is refused");
        return ShowResultCells();
    }
    std::vector<std::pair<int, quorvel::Money>> nonRunnerRows;
    market_sheet::Market market = withdrawn(market_sheet::marketOf(sheet_, format_), nonRunnerRows);
    quorvel::MarketRequest& request = market.request;
    // A non-runner's row says so where its figures stood.
    for (const auto& [sheetRow, factor] : nonRunnerRows)
        results_[static_cast<std::size_t>(sheetRow)][0] = "non-runner, " + display(factor) + " %";
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
        lblIfWins().setCaption(request.winners > 1 ? "If placed" : "If wins");
        lblBook().setCaption("Book: back " + book(shown.backBook) + ", lay " + book(shown.layBook) +
                             outcomesText(request, shown));
        ShowResults(market, shown);
    } catch (const quorvel::MoneyError&) {
        // Figures beyond what money holds: no result is shown rather than an old one.
    }
    ShowResultCells();
}

void frmMarket::ShowResultCells() {
    for (int row = 0; row < kVisibleRows; ++row)
        for (int i = 0; i < 3; ++i)
            txtCells(row * kColumns + market_sheet::kIfWins + i)
                .setText(results_[static_cast<std::size_t>(intTopRow + row)]
                                 [static_cast<std::size_t>(i)]);
}

// "; worst -26.00, best 40.00" with several winners: what the market's outcomes net.
std::string frmMarket::outcomesText(const quorvel::MarketRequest& request,
                                    const quorvel::MarketReport& shown) const {
    if (request.winners < 2 || !shown.worst || !shown.best) return "";
    return " (" + std::to_string(request.winners) + " places); worst " +
           shown.worst->net.displayFine(format_) + ", best " + shown.best->net.displayFine(format_);
}

// Each runner's row: if it wins (with several winners, what its placing adds), the
// chosen green's hedge, and the net (its placing after the green).
void frmMarket::ShowResults(const market_sheet::Market& market,
                            const quorvel::MarketReport& shown) {
    const bool placed = market.request.winners > 1;
    for (std::size_t i = 0; i < market.request.runners.size(); ++i) {
        auto& texts = results_[static_cast<std::size_t>(market.rowOf[i])];
        const quorvel::RunnerOutcome& o = shown.runners[i];
        texts[0] = display(placed ? o.ifPlaced : o.ifWins);
        // A hedge under the minimums is shown, not placed: said so, as the nets leave it out.
        if (o.hedge)
            texts[1] = o.hedge->text(format_) + (o.belowMinimum ? " (under the minimum)" : "");
        texts[2] = placed ? o.net.displayFine(format_) : display(o.net);
    }
}

void frmMarket::ShowGreen(quorvel::Green green) {
    // The cell being typed in is taken first, as if it were left.
    if (!focus().mayLeaveFor(nullptr)) return;
    green_ = green;
    CalculateMarket();
}
