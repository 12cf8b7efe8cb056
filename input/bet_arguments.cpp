#include "input/bet_arguments.h"

#include <charconv>

#include "core/field_role.h"
#include "core/money_ratio.h"
#include "core/position.h"
#include "core/price_ladder.h"

namespace quorvel {

namespace {

Money readBookmakerPrice(const std::string& name, const std::string& text,
                         const NumberFormat& format) {
    return readCents(name, text, Money::fromWhole(1), true, kHighestPrice,
                     "a bookmaker's price above 1.00, up to 1000, with up to two decimals", format);
}

// "back, lay, book, free or free-sr"
std::string kindNames() {
    std::string names;
    for (const BetKindInfo& info : kBetKinds) {
        if (!names.empty()) names += &info == &kBetKinds.back() ? " or " : ", ";
        names += info.name;
    }
    return names;
}

}  // namespace

// A number the user typed that must be whole cents, as exchanges and bookmakers take money.
Money readCents(const std::string& name, const std::string& text, Money lowest, bool aboveLowest,
                Money highest, const std::string& accepted, const NumberFormat& format) {
    const std::optional<Money> value = readNumber(name, text, format);
    if (!value || *value < lowest || (aboveLowest && *value == lowest) || *value > highest ||
        value->count() % kCent.count() != 0)
        throw notAccepted(name, text, accepted);
    return *value;
}

// A price the exchange takes: on its ladder; otherwise the message names the nearest prices,
// at either end too.
Money readLadderPrice(const std::string& name, const std::string& text,
                      const NumberFormat& format) {
    const std::optional<Money> price = readNumber(name, text, format);
    const PriceLadder& ladder = standardLadder();
    if (price && ladder.contains(*price)) return *price;
    const PriceLadder::Neighbours n =
        price ? ladder.neighbours(*price)
              : PriceLadder::Neighbours{ladder.highest(), std::nullopt};  // beyond any price
    std::string nearest;
    if (n.below) nearest = n.below->display(format);
    if (n.below && n.above) nearest += " and ";
    if (n.above) nearest += n.above->display(format);
    throw RefusedArgument{name + ": \"" + text + "\" is not on the exchange's price ladder; " +
                          (n.below && n.above ? "nearest: " : "nearest price: ") + nearest};
}

Money readExchangeRate(const std::string& name, const std::string& text,
                       const NumberFormat& format) {
    const std::optional<Money> rate = readNumber(name, text, format);
    if (!rate || rate->compare(0.0) < 0 || *rate > kHighestPositionRate)
        throw notAccepted(name, text, "0 to 10");
    return *rate;
}

int readWhole(const std::string& name, const std::string& text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest)
        throw notAccepted(
            name, text,
            "a whole number " + std::to_string(lowest) + " to " + std::to_string(highest));
    return value;
}

Bet readBet(const std::string& text, const NumberFormat& format) {
    const std::string name = "bet \"" + text + "\"";
    const ParsedBet parsed = parseBet(text, format);
    if (!parsed.bet && parsed.error == BetTextError::Shape) {
        if (parsed.kindText != "lay" && parsed.kindText.find("lay") != std::string_view::npos)
            throw RefusedArgument{name +
                                  ": a bookmaker takes no lays; a lay is lay:STAKE@PRICE, at "
                                  "the exchange"};
        throw RefusedArgument{name + ": expected KIND:STAKE@PRICE, KIND being " + kindNames()};
    }
    Bet bet = parsed.bet.value_or(Bet{betKindNamed(parsed.kindText).value(), {}, {}});
    bet.stake = readCents(name + " stake", std::string(parsed.stakeText), Money(), true,
                          kHighestAmount, "a stake above 0, up to 10000, in whole cents", format);
    const std::string price(parsed.priceText);
    bet.price = bet.info().venue == Venue::Exchange
                    ? readLadderPrice(name + " price", price, format)
                    : readBookmakerPrice(name + " price", price, format);
    return bet;
}

}  // namespace quorvel
