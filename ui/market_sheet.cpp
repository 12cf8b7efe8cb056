#include "ui/market_sheet.h"

#include <algorithm>

#include "core/field_role.h"
#include "core/money_ratio.h"
#include "core/name_text.h"
#include "core/price_ladder.h"

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

constexpr std::string_view kNonRunner = "nr:";  // nr:25, a non-runner of factor 25 %
constexpr std::string_view kAfter = "/after";   // a bet matched after the non-runners withdrew

// A bet as the command line takes it (marked /after or not), or a non-runner's mark, or why not.
std::string betRefusal(const std::string& word, const quorvel::NumberFormat& format) {
    if (word.starts_with(kNonRunner)) {
        const std::optional<Money> factor = number(word.substr(kNonRunner.size()), format);
        if (!factor || factor->compare(0.0) < 0 || *factor > Money::fromWhole(100))
            return "\"" + word + "\": a non-runner's reduction factor is 0 to 100 (per cent)";
        return {};
    }
    const std::string text =
        word.ends_with(kAfter) ? word.substr(0, word.size() - kAfter.size()) : word;
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

// A name every file and table can hold as it is.
Accepted runnerName(const std::string& text) {
    switch (quorvel::checkName(text)) {
        case quorvel::NameProblem::None:
            return {text, {}};
        case quorvel::NameProblem::NotUtf8:
            return {std::nullopt, "a runner's name must be UTF-8 text"};
        case quorvel::NameProblem::Control:
            return {std::nullopt, "a runner's name holds no tabs, line breaks or other controls"};
    }
    return {std::nullopt, {}};
}

// A number's text with one format's separators put as another's: the groups dropped, the
// decimal separator swapped.
std::string swappedSeparators(std::string_view text, const quorvel::NumberFormat& from,
                              const quorvel::NumberFormat& to) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        if (!from.groupSeparator().empty() && rest.starts_with(from.groupSeparator())) {
            at += from.groupSeparator().size();
        } else if (rest.starts_with(from.decimalSeparator())) {
            out += to.decimalSeparator();
            at += from.decimalSeparator().size();
        } else {
            out += text[at++];
        }
    }
    return out;
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

bool Sheet::anyRefused() const {
    const auto refused = [](const auto& flags) {
        return std::find(flags.begin(), flags.end(), true) != flags.end();
    };
    return refused(settingRefused) ||
           std::any_of(rows.begin(), rows.end(), [&](const Row& r) { return refused(r.refused); });
}

Accepted acceptCell(Column column, const std::string& typed, const quorvel::NumberFormat& format) {
    const std::string text = trimmed(typed);
    if (column == kRunner) return runnerName(text);
    if (text.empty()) return {text, {}};
    if (column == kBack || column == kLay) return ladderPrice(text, format);
    std::string joined;
    for (const std::string& bet : words(text)) {
        if (std::string refusal = betRefusal(bet, format); !refusal.empty())
            return {std::nullopt, refusal};
        joined += (joined.empty() ? "" : " ") + bet;
    }
    // Without groups, so that the file's numbers read back as the same text.
    return {convertCell(kBets, joined, format, format), {}};
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

Accepted acceptSetting(Setting setting, const std::string& typed,
                       const quorvel::NumberFormat& format) {
    if (setting == kWinners) {
        const std::string text = trimmed(typed);
        const bool whole = !text.empty() && text.size() <= 2 &&
                           text.find_first_not_of("0123456789") == std::string::npos;
        const int winners = whole ? std::stoi(text) : 0;
        if (winners < 1 || winners >= kRows)
            return {std::nullopt,
                    "the winners are a whole number, 1 to " + std::to_string(kRows - 1)};
        return {std::to_string(winners), {}};
    }
    return setting == kRate ? acceptRate(typed, format) : acceptMinimum(typed, format);
}

std::string convertCell(Column column, const std::string& text, const quorvel::NumberFormat& from,
                        const quorvel::NumberFormat& to) {
    if (column == kRunner || text.empty()) return text;
    if (column == kBack || column == kLay) return convertSetting(kRate, text, from, to);
    std::string out;
    for (const std::string& word : words(text)) {
        out += out.empty() ? "" : " ";
        if (word.starts_with(kNonRunner)) {
            out += std::string(kNonRunner) +
                   swappedSeparators(std::string_view(word).substr(kNonRunner.size()), from, to);
            continue;
        }
        const bool after = word.ends_with(kAfter);
        const quorvel::ParsedBet parsed = quorvel::parseBet(
            std::string_view(word).substr(0, word.size() - (after ? kAfter.size() : 0)), from);
        out += std::string(parsed.kindText) + ":" + swappedSeparators(parsed.stakeText, from, to) +
               "@" + swappedSeparators(parsed.priceText, from, to) +
               (after ? std::string(kAfter) : "");
    }
    return out;
}

std::string convertSetting(Setting setting, const std::string& text,
                           const quorvel::NumberFormat& from, const quorvel::NumberFormat& to) {
    if (setting == kWinners) return text;  // a count, in no number format
    const std::optional<Money> value = number(text, from);
    return value ? value->display(to) : text;
}

std::string stepPrice(const std::string& text, int steps, const quorvel::NumberFormat& format) {
    const std::vector<Money> prices = quorvel::standardLadder().prices();
    const std::optional<Money> price = number(trimmed(text), format);
    if (!price) return text;
    // Between two prices (or past an end), the first step up is to the one above, the first
    // step down to the one below.
    const auto at = std::lower_bound(prices.begin(), prices.end(), *price);
    std::ptrdiff_t index = at - prices.begin();
    if (at == prices.end() || *at != *price)
        index += steps > 0 ? steps - 1 : steps;
    else
        index += steps;
    index = std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(prices.size()) - 1);
    return prices[static_cast<std::size_t>(index)].display(format);
}

namespace {

// A row's runner, its non-runner's mark added to the market's, refused cells left out.
quorvel::Runner runnerOf(const Row& row, int r, const quorvel::NumberFormat& format,
                         Market& market) {
    quorvel::Runner runner;
    runner.name =
        row.cells[kRunner].empty() ? "Runner " + std::to_string(r + 1) : row.cells[kRunner];
    const auto cell = [&](Column c) {
        const auto i = static_cast<std::size_t>(c);
        return row.refused[i] ? std::string() : row.cells[i];
    };
    runner.back = number(cell(kBack), format);
    runner.lay = number(cell(kLay), format);
    for (const std::string& word : words(cell(kBets))) {
        if (word.starts_with(kNonRunner)) {
            if (const auto factor = number(word.substr(kNonRunner.size()), format))
                market.nonRunners.push_back({market.request.runners.size(), *factor});
            continue;
        }
        const bool after = word.ends_with(kAfter);
        const std::string bet = after ? word.substr(0, word.size() - kAfter.size()) : word;
        if (auto parsed = quorvel::parseBet(bet, format).bet) {
            parsed->matchedAfter = after;
            runner.bets.push_back(*parsed);
        }
    }
    return runner;
}

}  // namespace

Market marketOf(const Sheet& sheet, const quorvel::NumberFormat& format) {
    Market market;
    quorvel::MarketRequest& request = market.request;
    const auto setting = [&](Setting s) {
        const auto i = static_cast<std::size_t>(s);
        return sheet.settingRefused[i] ? std::nullopt : number(sheet.settings[i], format);
    };
    if (const auto rate = setting(kRate)) request.rate = *rate;
    request.minStake = setting(kMinStake);
    if (request.minStake) request.minPayout = setting(kMinPayout);
    if (!sheet.settingRefused[kWinners]) {
        const Accepted winners = acceptSetting(kWinners, sheet.settings[kWinners], format);
        if (winners.text) request.winners = std::stoi(*winners.text);
    }
    for (int r = 0; r < kRows; ++r) {
        const Row& row = sheet.rows[static_cast<std::size_t>(r)];
        if (row.empty()) continue;
        quorvel::Runner runner = runnerOf(row, r, format, market);
        request.runners.push_back(std::move(runner));
        market.rowOf.push_back(r);
    }
    return market;
}

std::vector<std::vector<std::string>> pastedRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::vector<std::string>& cells = rows.emplace_back();
        for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;
             line.remove_prefix(tab + 1))
            cells.emplace_back(line.substr(0, tab));
        cells.emplace_back(line);
    }
    return rows;
}

}  // namespace market_sheet
