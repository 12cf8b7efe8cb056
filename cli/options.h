#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel::cli {

// The command line as given, before any value is read as a number.
struct Options {
    bool help = false;
    bool version = false;
    bool batch = false;
    bool separate = false;
    bool outcomes = false;
    bool json = false;
    std::optional<std::string> backRate;
    std::optional<std::string> layRate;
    std::optional<std::string> decimalSeparator;
    std::optional<std::string> groupSeparator;
    std::optional<std::string> price;  // position only, as are the three below
    std::optional<std::string> hedge;
    std::optional<std::string> rate;
    std::optional<std::string> minStake;
    std::optional<std::string> minPayout;
    std::vector<std::string> positional;  // MODE IN1 IN2 IN3, or position BET...
};

// Throws std::runtime_error with a one-line message on an unknown or repeated option or a
// missing value.
// "--name value" and "--name=value" both work; "--" ends the options.
Options parseOptions(const std::vector<std::string>& arguments);

}  // namespace quorvel::cli
