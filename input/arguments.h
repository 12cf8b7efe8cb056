#pragma once

#include <optional>
#include <string>

#include "core/field_role.h"
#include "core/money.h"
#include "core/number_format.h"

namespace quorvel {

// A value the user gave that the calculator refuses, with what it would accept.
struct RefusedArgument {
    std::string message;
};

// text read as a number: refused (name leading the message) when it is no number or is grouped
// other than in threes ("2,5" in an English locale may be a misread decimal, and nothing is
// shown back to catch it); none for a number too large for any range.
std::optional<Money> readNumber(const std::string& name, const std::string& text,
                                const NumberFormat& format);

// The refusal of a number out of range: name: "text" is not accepted; accepted: ...
RefusedArgument notAccepted(const std::string& name, const std::string& text,
                            const std::string& accepted);

// text read as a value of the role, as the window would accept it.
Money readValue(const std::string& name, const std::string& text, FieldRole role,
                const NumberFormat& format);

}  // namespace quorvel
