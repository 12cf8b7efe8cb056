#pragma once

#include "core/green.h"
#include "core/market.h"

namespace quorvel {

// The net after commission if runner k wins, its exchange part moved by x.
Money netIf(const GreenSetting& setting, std::size_t k, Money x);

// The hedge is under the request's minimums: shown, not placed.
bool underMinimum(const MarketRequest& request, const HedgeBet& bet);

// What a hedge adds to the exchange part once placed: its own win, and what every other
// runner's win does to it (a back's stake lost, a lay's stake won). Nothing for no hedge, or
// one under the minimums, which is shown and not placed.
Money ownPart(const MarketRequest& request, const std::optional<HedgeBet>& bet);
Money cashPart(const MarketRequest& request, const std::optional<HedgeBet>& bet);
// The cash part of every hedge: what each outcome shares.
Money cashOf(const GreenSetting& setting, const Hedges& hedges);

// The smallest net after commission over the outcomes, with the placeable hedges placed.
Money lowestNet(const GreenSetting& setting, const Hedges& hedges);

}  // namespace quorvel
