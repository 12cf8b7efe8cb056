#pragma once

#include <array>

#include "core/hedge.h"
#include "core/money.h"

namespace quorvel {

// What the two bets pay one way the selection finishes: each bet's profit or loss, the
// commission the exchange takes and what the trader is left with.
struct OutcomeFigures {
    Money back;
    Money lay;
    Money commission;
    Money net;
};

// The selection wins, or it loses.
struct Outcomes {
    OutcomeFigures wins;
    OutcomeFigures loses;
};

// The outcomes of the bets the trader actually places: the inputs as given and the result
// stakes as shown, to the cent. Commission in one market is taken once from a positive gross;
// in separate markets from each bet's own winnings at its own rate. Figures are kept at four
// decimals. inputs and results are those of ComputeHedge for the same mode and rates; an
// overflow failure passes to the caller.
Outcomes ComputeOutcomes(const HedgeRequest& request, const HedgeResults& results);

}  // namespace quorvel
