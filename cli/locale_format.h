#pragma once

#include <optional>
#include <string>

#include "core/number_format.h"

namespace quorvel::cli {

// The separators numbers are read and written with: the user's locale, from the same locale
// data as the window, with what --decimal-separator and --group-separator give put over it.
// One separator given alone that equals the locale's other one takes its usual partner (a ','
// decimal goes with a '.' group, and the reverse). Throws std::runtime_error with a one-line
// message for a separator that is not one character, two equal separators given, or a pair
// that numbers cannot be read with.
NumberFormat chooseNumberFormat(const std::optional<std::string>& decimal,
                                const std::optional<std::string>& group);

}  // namespace quorvel::cli
