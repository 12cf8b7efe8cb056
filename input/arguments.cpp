#include "input/arguments.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace quorvel {

namespace {

// Whether the grouping separators, if any, split the integer part into threes: "1,000" and
// "1,000.5" do, "2,5", "1,00" and "12,3456.7" do not. Nothing is shown back here, so a
// grouping that may be a misread decimal is refused rather than guessed at.
bool groupedInThrees(std::string_view text, const NumberFormat& format) {
    const std::string& group = format.groupSeparator();
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return true;
    if (text[pos] == '+' || text[pos] == '-') ++pos;
    auto digitAt = [&](std::size_t at) {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    };
    std::vector<std::size_t> runs{0};
    for (; pos < text.size(); ++pos) {
        if (digitAt(pos)) {
            ++runs.back();
        } else if (!group.empty() && runs.back() > 0 && text.substr(pos).starts_with(group) &&
                   digitAt(pos + group.size())) {
            pos += group.size() - 1;
            runs.push_back(0);
        } else {
            break;
        }
    }
    if (runs.size() == 1) return true;
    return runs.front() <= 3 &&
           std::all_of(runs.begin() + 1, runs.end(), [](std::size_t run) { return run == 3; });
}

}  // namespace

std::optional<Money> readNumber(const std::string& name, const std::string& text,
                                const NumberFormat& format) {
    try {
        const Money value = Money::parse(text, format);
        if (!groupedInThrees(text, format))
            throw RefusedArgument{name + ": \"" + text + "\" is not grouped in threes; if \"" +
                                  format.groupSeparator() +
                                  "\" separates decimals here, give --decimal-separator \"" +
                                  format.groupSeparator() + "\""};
        return value;
    } catch (const MoneyError& error) {
        if (error.kind() == MoneyErrorKind::Parse)
            throw RefusedArgument{name + ": \"" + text + "\" cannot be read as a number"};
        return std::nullopt;  // beyond any range
    }
}

RefusedArgument notAccepted(const std::string& name, const std::string& text,
                            const std::string& accepted) {
    return {name + ": \"" + text + "\" is not accepted; accepted: " + accepted};
}

Money readValue(const std::string& name, const std::string& text, FieldRole role,
                const NumberFormat& format) {
    const std::optional<Money> value = readNumber(name, text, format);
    if (value && isAccepted(role, value.value())) return *value;
    throw notAccepted(name, text, acceptedRangeText(role));
}

}  // namespace quorvel
