#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// How a request names its settings in messages: as command-line options ("--min-stake") or as
// a batch request's JSON keys ("min_stake").
enum class Spelling { Options, JsonKeys };

// A value's name as the request spells it, from its option: "--min-stake" on the command
// line, "min_stake" in a batch JSON line.
inline std::string spelled(Spelling spelling, std::string_view option) {
    if (spelling == Spelling::Options) return std::string(option);
    std::string key(option.substr(option.starts_with("--") ? 2 : 0));
    std::replace(key.begin(), key.end(), '-', '_');
    return key;
}

// A market as text, before any value is read: typed on the command line, sent in a batch line
// or read from the exchange's files. A runner keeps each part under its own name: never joined
// into text and split again, so that no part can reach into another.
struct RunnerArguments {
    std::string name;
    std::vector<std::string> bets;  // KIND:STAKE@PRICE
    std::string back, lay;          // empty when not known
};

struct MarketArguments {
    std::vector<RunnerArguments> runners;  // in the request's order
    std::optional<std::string> green;      // each or best
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
    std::optional<std::string> minPayout;
    std::optional<std::string> winners;   // 1 by default, fewer than the runners
    std::optional<std::string> placed;    // the result: NAME,... placed outright
    std::optional<std::string> deadHeat;  // NAME,... tied for the places left
    std::vector<std::string> nonRunners;  // NAME=RF, the reduction factor in per cent
    Spelling spelling = Spelling::Options;
};

}  // namespace quorvel
