#include "single_calculation.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "field_role.h"
#include "hedge.h"
#include "mode_layout.h"
#include "money.h"
#include "text_width.h"

namespace quorvel::cli {

namespace {

HedgeMode readMode(const std::string& text) {
    static constexpr std::array<std::pair<std::string_view, HedgeMode>, 6> kNames{{
        {"bet-back", kBetBack},
        {"lay-back", kLayBack},
        {"total-funds", kTotalFunds},
        {"1", kBetBack},
        {"2", kLayBack},
        {"3", kTotalFunds},
    }};
    for (const auto& [name, mode] : kNames)
        if (text == name) return mode;
    throw RefusedArgument{
        "mode: \"" + text +
        "\" is not a mode; accepted: bet-back, lay-back, total-funds (or 1, 2, 3)"};
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

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

Money readValue(const std::string& name, const std::string& text, FieldRole role,
                const NumberFormat& format) {
    const std::string quotedText = name + ": \"" + text + "\"";
    try {
        const Money value = Money::parse(text, format);
        if (!groupedInThrees(text, format))
            throw RefusedArgument{quotedText + " is not grouped in threes; if \"" +
                                  format.groupSeparator() +
                                  "\" separates decimals here, give --decimal-separator \"" +
                                  format.groupSeparator() + "\""};
        if (isAccepted(role, value)) return value;
    } catch (const MoneyError& error) {
        if (error.kind() == MoneyErrorKind::Parse)
            throw RefusedArgument{quotedText + " cannot be read as a number"};
        // too large: refused below like any value out of range
    }
    throw RefusedArgument{quotedText +
                          " is not accepted; accepted: " + std::string(acceptedRangeText(role))};
}

}  // namespace

std::string calculate(const CalculationRequest& request, const NumberFormat& format) {
    const HedgeMode mode = readMode(request.mode);
    const ModeLayout& layout = modeLayout(mode);
    const ModeFields fields = modeFields(mode);

    std::array<Money, 3> inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const FieldLayout& field = layout[static_cast<std::size_t>(fields.inputs[i])];
        inputs[i] = readValue(lowered(plainCaption(field.caption)), request.inputs.at(i),
                              field.role, format);
    }
    const Money backRate =
        readValue("--back-rate", request.backRate, FieldRole::Commission, format);
    const Money layRate = readValue("--lay-rate", request.layRate, FieldRole::Commission, format);

    const HedgeResults results =
        ComputeHedge(mode, !request.separate, backRate, layRate, inputs[0], inputs[1], inputs[2]);

    std::vector<std::pair<std::string, std::string>> rows;
    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    for (const FieldValue& result : results) {
        rows.emplace_back(plainCaption(layout[static_cast<std::size_t>(result.field)].caption),
                          result.value.display(format));
        captionWidth = std::max(captionWidth, characterCount(rows.back().first));
        valueWidth = std::max(valueWidth, characterCount(rows.back().second));
    }
    std::string text;
    for (const auto& [caption, value] : rows) {
        text += caption;
        text.append(captionWidth + 2 - characterCount(caption) + valueWidth - characterCount(value),
                    ' ');
        text += value;
        text += '\n';
    }
    return text;
}

}  // namespace quorvel::cli
