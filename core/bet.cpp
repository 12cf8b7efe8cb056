#include "core/bet.h"

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

}  // namespace quorvel
