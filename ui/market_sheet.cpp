#include "ui/market_sheet.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "core/field_role.h"
#include "core/money_ratio.h"
#include "core/price_ladder.h"
#include "ui/toolkit/files.h"

namespace market_sheet {

namespace {

using quorvel::Money;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<Money> number(const std::string& text, const quorvel::NumberFormat& format) {
    quorvel::MoneyErrorKind failure{};
    return Money::tryParse(text, format, failure);
}

// "3.00 or 3.05": the ladder's prices either side of an off-ladder price.
std::string nearestPrices(Money price, const quorvel::NumberFormat& format) {
    const auto n = quorvel::standardLadder().neighbours(price);
    std::string nearest;
    if (n.below) nearest = n.below->display(format);
    if (n.below && n.above) nearest += " or ";
    if (n.above) nearest += n.above->display(format);
    return nearest;
}

Accepted ladderPrice(const std::string& text, const quorvel::NumberFormat& format) {
    const std::optional<Money> price = number(text, format);
    if (price && quorvel::standardLadder().contains(*price)) return {price->display(format), {}};
    if (!price) return {std::nullopt, "\"" + text + "\" is no price"};
    return {std::nullopt, "\"" + text + "\" is not on the exchange's ladder: nearest " +
                              nearestPrices(*price, format)};
}

// A bet as the command line takes it, or why not.
std::string betRefusal(const std::string& text, const quorvel::NumberFormat& format) {
    const quorvel::ParsedBet parsed = quorvel::parseBet(text, format);
    if (!parsed.bet)
        return "\"" + text + "\" is no bet: back:10@3.00, lay:, book:, free: or free-sr:";
    switch (quorvel::checkBet(*parsed.bet)) {
        case quorvel::BetProblem::None:
            return {};
        case quorvel::BetProblem::Stake:
            return "\"" + text + "\": a stake is above 0, up to 10000, in cents";
        case quorvel::BetProblem::Price:
            break;
    }
    if (parsed.bet->info().venue == quorvel::Venue::Bookmaker)
        return "\"" + text + "\": a bookmaker's price is above 1.00, up to 1000";
    return "\"" + text + "\": nearest " + nearestPrices(parsed.bet->price, format);
}

// The words of a text, split at blanks.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

}  // namespace

bool Row::empty() const {
    for (const std::string& cell : cells)
        if (!cell.empty()) return false;
    return true;
}

Accepted acceptCell(Column column, const std::string& typed, const quorvel::NumberFormat& format) {
    const std::string text = trimmed(typed);
    if (column == kRunner || text.empty()) return {text, {}};
    if (column == kBack || column == kLay) return ladderPrice(text, format);
    std::string joined;
    for (const std::string& bet : words(text)) {
        if (std::string refusal = betRefusal(bet, format); !refusal.empty())
            return {std::nullopt, refusal};
        joined += (joined.empty() ? "" : " ") + bet;
    }
    return {joined, {}};
}

Accepted acceptRate(const std::string& typed, const quorvel::NumberFormat& format) {
    const std::optional<Money> rate = number(trimmed(typed), format);
    if (!rate || rate->compare(0.0) < 0 || *rate > quorvel::kHighestPositionRate)
        return {std::nullopt, "a commission rate is 0 to 10 (per cent)"};
    return {rate->display(format), {}};
}

Accepted acceptMinimum(const std::string& typed, const quorvel::NumberFormat& format) {
    const std::string text = trimmed(typed);
    if (text.empty()) return {text, {}};
    const std::optional<Money> value = number(text, format);
    if (!value || value->compare(0.0) < 0 || *value > quorvel::kHighestAmount ||
        value->count() % quorvel::kCent.count() != 0)
        return {std::nullopt, "a minimum is 0 to 10000, in cents, or empty"};
    return {value->display(format), {}};
}

std::string stepPrice(const std::string& text, int steps, const quorvel::NumberFormat& format) {
    const std::vector<Money> prices = quorvel::standardLadder().prices();
    const std::optional<Money> price = number(trimmed(text), format);
    if (!price) return text;
    // Between two prices (or past an end), the first step up is to the one above, the first
    // step down to the one below.
    const auto at = std::lower_bound(prices.begin(), prices.end(), *price);
    std::ptrdiff_t index = at - prices.begin();
    if (at == prices.end() || *at != *price) index += steps > 0 ? steps - 1 : steps;
    else index += steps;
    index = std::clamp<std::ptrdiff_t>(index, 0,
                                       static_cast<std::ptrdiff_t>(prices.size()) - 1);
    return prices[static_cast<std::size_t>(index)].display(format);
}

Market marketOf(const Sheet& sheet, const quorvel::NumberFormat& format) {
    Market market;
    quorvel::MarketRequest& request = market.request;
    if (const auto rate = number(sheet.rate, format)) request.rate = *rate;
    if (const auto stake = number(sheet.minStake, format)) request.minStake = stake;
    if (const auto payout = number(sheet.minPayout, format); payout && request.minStake)
        request.minPayout = payout;
    for (int r = 0; r < kRows; ++r) {
        const Row& row = sheet.rows[static_cast<std::size_t>(r)];
        if (row.empty()) continue;
        quorvel::Runner runner;
        runner.name =
            row.cells[kRunner].empty() ? "Runner " + std::to_string(r + 1) : row.cells[kRunner];
        runner.back = number(row.cells[kBack], format);
        runner.lay = number(row.cells[kLay], format);
        for (const std::string& bet : words(row.cells[kBets]))
            if (const auto parsed = quorvel::parseBet(bet, format).bet)
                runner.bets.push_back(*parsed);
        request.runners.push_back(runner);
        market.rowOf.push_back(r);
    }
    return market;
}

std::string sheetFile(const std::string& folder) {
    return folder + "/market.txt";
}

namespace {

constexpr const char* kHeading = "quorvel-market 1";

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out{""};
    for (char c : line) {
        if (c == '\t')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// The file's lines, without their newlines; C streams, which the program has anyway, rather than
// the iostreams' locale machinery.
std::vector<std::string> linesOf(const std::string& file) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(toolkit::openFile(file, "rb"), &std::fclose);
    if (!in) throw std::runtime_error("cannot be opened");
    std::vector<std::string> lines{""};
    for (int c; (c = std::fgetc(in.get())) != EOF;) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(c);
    }
    if (std::ferror(in.get()) != 0) throw std::runtime_error("cannot be read");
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

std::optional<Sheet> load(const std::string& file) {
    if (!toolkit::fileExists(file)) return std::nullopt;
    const std::vector<std::string> lines = linesOf(file);
    std::size_t next = 0;
    auto getline = [&](std::string& line) {
        if (next >= lines.size()) return false;
        line = lines[next++];
        return true;
    };
    std::string line;
    if (!getline(line) || line != kHeading) throw std::runtime_error("is not a Quorvel market");
    Sheet sheet;
    for (auto* setting : {&sheet.rate, &sheet.minStake, &sheet.minPayout}) {
        if (!getline(line)) throw std::runtime_error("ends too early");
        const auto f = fields(line);
        if (f.size() != 2) throw std::runtime_error("has a damaged setting");
        *setting = f[1];
    }
    for (Row& row : sheet.rows) {
        if (!getline(line)) throw std::runtime_error("ends too early");
        const auto f = fields(line);
        if (f.size() != kTypedColumns) throw std::runtime_error("has a damaged row");
        std::copy(f.begin(), f.end(), row.cells.begin());
    }
    if (!getline(line) || line != "end") throw std::runtime_error("does not end");
    return sheet;
}

void save(const Sheet& sheet, const std::string& file) {
    const std::string folder = file.substr(0, file.rfind('/'));
    if (!toolkit::makeFolders(folder)) throw std::runtime_error("its folder cannot be made");
    std::string text = std::string(kHeading) + "\nrate\t" + sheet.rate + "\nmin_stake\t" +
                       sheet.minStake + "\nmin_payout\t" + sheet.minPayout + '\n';
    for (const Row& row : sheet.rows)
        text +=
            row.cells[0] + '\t' + row.cells[1] + '\t' + row.cells[2] + '\t' + row.cells[3] + '\n';
    text += "end\n";
    const std::string fresh = file + ".new";
    std::FILE* out = toolkit::openFile(fresh, "wb");
    const bool written =
        out != nullptr && std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (out == nullptr || std::fclose(out) != 0 || !written) {
        toolkit::removeFile(fresh);
        throw std::runtime_error("could not be written");
    }
    // Only a whole file takes the old one's place: a crash or a full disk leaves the old one.
    if (!toolkit::replaceFile(fresh, file)) {
        toolkit::removeFile(fresh);
        throw std::runtime_error("could not be replaced");
    }
}

std::string setAside(const std::string& file) {
    for (int n = 1;; ++n) {
        const std::string aside = file + ".damaged-" + std::to_string(n);
        if (toolkit::fileExists(aside)) continue;
        if (!toolkit::replaceFile(file, aside)) throw std::runtime_error("cannot be moved");
        return aside;
    }
}

}  // namespace market_sheet
