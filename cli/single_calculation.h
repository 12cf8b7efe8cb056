#pragma once

#include <string>
#include <vector>

#include "number_format.h"

namespace quorvel::cli {

// A value the user gave that the calculator refuses, with what it would accept.
struct RefusedArgument {
    std::string message;
};

struct CalculationRequest {
    std::string mode;                 // bet-back, lay-back, total-funds, or 1 to 3
    std::vector<std::string> inputs;  // three, in the mode's field order
    bool separate = false;
    std::string backRate = "5";
    std::string layRate = "5";
};

// The results as aligned "Caption  value" lines. Throws RefusedArgument when the mode is
// unknown or a value is not one the window would accept.
std::string calculate(const CalculationRequest& request, const NumberFormat& format);

}  // namespace quorvel::cli
