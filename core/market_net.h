#pragma once

#include "core/green.h"
#include "core/market.h"

namespace quorvel {

// The net after commission if runner k wins, its exchange part moved by x.
Money netIf(const GreenSetting& setting, std::size_t k, Money x);

// The hedge is under the request's minimums: shown, not placed.
bool underMinimum(const MarketRequest& request, const HedgeBet& bet);

// What a placed hedge adds to the exchange part: its own win, and what every other runner's win
// does to it (a back's stake lost, a lay's stake won).
Money ownPart(const HedgeBet& bet);
Money cashPart(const HedgeBet& bet);

// The smallest net after commission over the outcomes, with the placeable hedges placed.
Money lowestNet(const GreenSetting& setting, const Hedges& hedges);

}  // namespace quorvel
