#pragma once

#include <string>

#include "cli/batch.h"
#include "cli/single_calculation.h"

namespace quorvel::cli {

// One calculation as one JSON object on one line: mode, model, the rates ("lay_rate" only in
// separate markets), "inputs", "results" and, when asked for, "outcomes". Values are strings,
// so they stay exact: '.' for decimals and no grouping, whatever the locale; results and
// outcomes as shown (two decimals), inputs and rates as used (two to four decimals).
std::string asJson(const Calculation& calculation);

// A batch answer as one JSON value, without a newline: {"results": {...}}, {"error": KIND},
// or null for an empty or '#' line.
void appendJson(const BatchAnswer& answer, std::string& out);

}  // namespace quorvel::cli
