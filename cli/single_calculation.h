#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/text_table.h"
#include "core/field_role.h"
#include "core/hedge.h"
#include "core/money.h"
#include "core/number_format.h"
#include "core/outcomes.h"
#include "input/arguments.h"

namespace quorvel::cli {

struct CalculationRequest {
    std::string mode;                 // bet-back, lay-back, total-funds, or 1 to 3
    std::vector<std::string> inputs;  // three, in the mode's field order
    bool separate = false;
    std::optional<std::string> backRate;  // the default rate when not given
    std::optional<std::string> layRate;
    bool outcomes = false;
};

// One calculation, with the values as used.
struct Calculation {
    HedgeRequest request;
    HedgeResults results;
    std::optional<Outcomes> outcomes;  // when asked for
};

// Throws RefusedArgument when the mode is unknown or a value is not one the window would
// accept, or is a number grouped other than in threes.
Calculation calculate(const CalculationRequest& request, const NumberFormat& format);

// The results as aligned "Caption  value" lines, then the outcomes as a table.
std::string asText(const Calculation& calculation, const NumberFormat& format);

// bet-back, lay-back or total-funds.
std::string_view modeName(HedgeMode mode);

// The text in lower case (ASCII), as captions read inside a sentence.
std::string lowered(std::string text);

}  // namespace quorvel::cli
