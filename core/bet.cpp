#include "core/bet.h"

#include "core/field_role.h"
#include "core/money_ratio.h"
#include "core/price_ladder.h"

namespace quorvel {

ParsedBet parseBet(std::string_view text, const NumberFormat& format) noexcept {
    ParsedBet parsed;
    const std::size_t colon = text.find(':');
    const std::size_t at = text.find('@');
    if (colon == std::string_view::npos || at == std::string_view::npos || at < colon ||
        text.find('@', at + 1) != std::string_view::npos)
        return parsed;
    parsed.kindText = text.substr(0, colon);
    const std::optional<BetKind> kind = betKindNamed(parsed.kindText);
    if (!kind) return parsed;
    Bet bet{*kind, Money(), Money()};

    MoneyErrorKind failure = MoneyErrorKind::Parse;
    parsed.stakeText = text.substr(colon + 1, at - colon - 1);
    parsed.priceText = text.substr(at + 1);
    const auto stakeValue = Money::tryParse(parsed.stakeText, format, failure);
    if (!stakeValue) {
        parsed.error = BetTextError::Stake;
        return parsed;
    }
    const auto priceValue = Money::tryParse(parsed.priceText, format, failure);
    if (!priceValue) {
        parsed.error = BetTextError::Price;
        return parsed;
    }
    bet.stake = *stakeValue;
    bet.price = *priceValue;
    parsed.bet = bet;
    return parsed;
}

BetProblem checkBet(const Bet& bet) noexcept {
    auto inCents = [](Money value) { return value.count() % kCent.count() == 0; };
    if (bet.stake.compare(0.0) <= 0 || bet.stake > kHighestAmount || !inCents(bet.stake))
        return BetProblem::Stake;
    const bool priced =
        bet.info().venue == Venue::Exchange
            ? standardLadder().contains(bet.price)
            : bet.price.compare(1.0) > 0 && bet.price <= kHighestPrice && inCents(bet.price);
    return priced ? BetProblem::None : BetProblem::Price;
}

}  // namespace quorvel
