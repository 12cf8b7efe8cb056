// Feeds arbitrary bytes to parseBet. The first byte picks the separators; the rest is the bet.
// A bet it reads must read back from its display text as itself rounded to cents, and must
// compute as a position without any fault, with figures that agree with the bet.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/bet.h"
#include "core/position.h"
#include "core/price_ladder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const quorvel::NumberFormat kPointComma = quorvel::NumberFormat::pointComma();
    static const quorvel::NumberFormat kCommaPoint{",", "."};
    const quorvel::NumberFormat& format = (data[0] & 1) != 0 ? kCommaPoint : kPointComma;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const quorvel::ParsedBet parsed = quorvel::parseBet(text, format);
    if (!parsed.bet) return 0;
    const quorvel::Bet& bet = *parsed.bet;
    try {
        const std::string shown = std::string(bet.info().name) + ":" + bet.stake.display(format) +
                                  "@" + bet.price.display(format);
        const auto again = quorvel::parseBet(shown, format).bet;
        if (!again || again->kind != bet.kind || again->stake != bet.stake.roundedToCents() ||
            again->price != bet.price.roundedToCents())
            std::abort();
    } catch (const quorvel::MoneyError&) {
        // rounding the largest counts to cents overflows: nothing to compare
    }
    quorvel::PositionRequest request;
    request.bets.push_back(*parsed.bet);
    request.price = quorvel::standardLadder().neighbours(parsed.bet->price).above;
    try {
        const quorvel::PositionReport report = quorvel::ComputePosition(request);
        if (report.of(bet.kind).stake != bet.stake) std::abort();
    } catch (const quorvel::MoneyError&) {
        // a stake or price beyond what the figures can hold: refusing is a fine answer
    }
    return 0;
}
