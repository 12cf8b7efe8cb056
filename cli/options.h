#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// What quorvel-calc is asked to do, as the options know it: each option names the commands it
// belongs to.
enum Command : unsigned {
    kCalculation = 1,  // MODE IN1 IN2 IN3
    kPosition = 2,
    kMarket = 4,
    kDutch = 8,
    kBatch = 16,
    kEachWay = 32,
    kAcca = 64,
    kAnyCommand = 127,
};

// The command line as given, before any value is read as a number.
struct Options {
    bool help = false;
    bool version = false;
    bool batch = false;
    bool separate = false;
    bool outcomes = false;
    bool json = false;
    bool free = false;  // an accumulator's kind: a free bet, stake not returned or returned
    bool freeSr = false;
    bool upfront = false;
    std::optional<std::string> backRate;
    std::optional<std::string> layRate;
    std::optional<std::string> decimalSeparator;
    std::optional<std::string> groupSeparator;
    std::optional<std::string> price;
    std::optional<std::string> hedge;
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
    std::optional<std::string> minPayout;
    std::optional<std::string> green;
    std::optional<std::string> winners;
    std::optional<std::string> placed;
    std::optional<std::string> deadHeat;
    std::optional<std::string> book;  // the exchange's files a market is read from
    std::optional<std::string> catalogue;
    std::optional<std::string> marketId;
    std::optional<std::string> stream;
    std::optional<std::string> at;
    std::optional<std::string> stake;
    std::optional<std::string> profit;
    std::optional<std::string> liability;
    std::optional<std::string> terms;
    std::optional<std::string> places;
    std::optional<std::string> exchangePlaces;
    std::optional<std::string> winLay;
    std::optional<std::string> placeLay;
    std::optional<std::string> refund;
    std::vector<std::string> prices;      // --prices NAME=BACK/LAY..., up to the next option
    std::vector<std::string> nonRunners;  // --non-runner NAME=RF..., up to the next option
    std::vector<std::string> legs;        // --leg BACK/LAY..., up to the next option
    std::vector<std::string> laid;        // --laid STAKE@PRICE..., up to the next option
    std::vector<std::string> positional;  // MODE IN1 IN2 IN3, or position BET..., and so on
    std::vector<std::string_view> given;  // the options given, by name
};

// Throws std::runtime_error with a one-line message on an unknown or repeated option or a
// missing value.
// "--name value" and "--name=value" both work; "--" ends the options.
Options parseOptions(const std::vector<std::string>& arguments);

// The command the positional arguments and --batch name.
Command commandOf(const Options& options);

// Throws std::runtime_error naming the first option given that does not belong to command:
// "--price goes with position".
void checkOptionsFor(Command command, const Options& options);

}  // namespace quorvel::cli
