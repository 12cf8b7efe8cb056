#pragma once

// The worked examples of the hedge calculation, shared by the tests of the core and of the
// window: the same inputs must give the same four result texts in both.
#include <array>

namespace worked {

struct Example {
    const char* name;
    int mode;
    bool single;
    const char* backRate;
    const char* layRate;
    std::array<const char*, 3> inputs;  // in the mode's input order (its Tab order)
    const char* results;                // the mode's four results, in their order
};

inline constexpr Example kExamples[] = {
    {"LayBackSingle", 2, true, "5", "5", {"3", "10", "2.5"}, "12.00, 18.00, 28.00, 1.90"},
    {"LayBackSeparate", 2, false, "5", "5", {"3", "10", "2.5"}, "11.84, 17.76, 27.76, 1.24"},
    {"BetBackSingle", 1, true, "5", "5", {"2.5", "10", "3"}, "8.33, 15.00, 23.33, 1.58"},
    {"BetBackSeparate", 1, false, "5", "5", {"2.5", "10", "3"}, "8.45, 15.00, 23.45, 1.05"},
    {"TotalFundsSingleLayAbove2",
     3,
     true,
     "5",
     "5",
     {"3", "2.5", "90"},
     "50.00, 60.00, 90.00, 9.50"},
    {"TotalFundsSingleLayNotAbove2",
     3,
     true,
     "5",
     "5",
     {"2.2", "1.8", "100"},
     "100.00, 122.22, 97.78, 21.11"},
    {"TotalFundsSeparate", 3, false, "5", "5", {"2.5", "1.8", "100"}, "47.43, 65.72, 52.57, 15.01"},
    {"BetBackNoBackPriceYet", 1, true, "5", "5", {"2.5", "10", "0"}, "0.00, 15.00, 0.00, 0.00"},
    {"TotalFundsNoFunds", 3, false, "5", "5", {"2.5", "1.8", "0"}, "0.00, 0.00, 0.00, 0.00"},
    {"TotalFundsLayExactly2",
     3,
     true,
     "5",
     "5",
     {"2.5", "2", "100"},
     "100.00, 125.00, 125.00, 23.75"},
    {"TotalFundsLayJustAbove2",
     3,
     true,
     "5",
     "5",
     {"2.5", "2.01", "100"},
     "79.60, 99.01, 100.00, 18.44"},
    {"EqualPrices", 2, true, "5", "5", {"2.5", "10", "2.5"}, "10.00, 15.00, 25.00, 0.00"},
    {"BackRate2LayRate5", 2, false, "2", "5", {"3", "10", "2.5"}, "12.08, 18.12, 28.12, 1.48"},
    {"BackRate5LayRate2", 2, false, "5", "2", {"3", "10", "2.5"}, "11.69, 17.54, 27.54, 1.46"},
    {"ExactHalfFromFloating", 2, true, "5", "5", {"2", "0.5", "32"}, "0.03, 0.97, 1.47, -0.47"},
};

}  // namespace worked
