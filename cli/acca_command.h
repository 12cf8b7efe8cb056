#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/position_command.h"
#include "core/accumulator.h"
#include "core/number_format.h"

namespace quorvel::cli {

// quorvel-calc acca STAKE --leg BACK/LAY... [--free | --free-sr | --refund R]
// [--laid STAKE@PRICE...] [--upfront] [--rate R], as given, before any value is read.
struct AccaArguments {
    std::string stake;
    std::vector<std::string> legs;  // BACK/LAY: the bookmaker's price, the leg's lay price now
    std::string kind = "cash";      // cash, free (SNR) or free-sr
    std::optional<std::string> refund;
    std::vector<std::string> laid;  // STAKE@PRICE: the lays placed on the first legs, won
    bool upfront = false;
    std::optional<std::string> rate;
    Spelling spelling = Spelling::Options;
};

// Throws RefusedArgument, naming what it refuses: a stake above 0 up to 10000 in cents; 1 to 10
// legs, each a bookmaker's price above 1.00 up to 1000 and a lay price on the ladder; a refund
// 0 up to 10000 with a cash bet only; fewer lays placed than legs, each a stake and a price on
// the ladder; a rate 0 to 10.
AccaRequest readAcca(const AccaArguments& arguments, const NumberFormat& format);

// The bet and what it pays, a row per leg (its lay, liability and what it wins), then the
// paths with every leg laid in turn, or laid at once every outcome and that they cannot be
// levelled.
std::string accaText(const AccaRequest& request, const AccaReport& report,
                     const NumberFormat& format);
std::string accaJson(const AccaRequest& request, const AccaReport& report);

}  // namespace quorvel::cli
