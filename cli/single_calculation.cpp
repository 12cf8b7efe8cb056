#include "single_calculation.h"

#include <algorithm>
#include <array>

#include "field_role.h"
#include "hedge.h"
#include "mode_layout.h"
#include "money.h"

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

Money readValue(const std::string& name, const std::string& text, FieldRole role,
                const NumberFormat& format) {
    try {
        const Money value = Money::parse(text, format);
        if (isAccepted(role, value)) return value;
    } catch (const MoneyError&) {
        // refused below like any value out of range
    }
    throw RefusedArgument{name + ": \"" + text +
                          "\" is not accepted; accepted: " + std::string(acceptedRangeText(role))};
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
        captionWidth = std::max(captionWidth, rows.back().first.size());
        valueWidth = std::max(valueWidth, rows.back().second.size());
    }
    std::string text;
    for (const auto& [caption, value] : rows) {
        text += caption;
        text.append(captionWidth + 2 - caption.size() + valueWidth - value.size(), ' ');
        text += value;
        text += '\n';
    }
    return text;
}

}  // namespace quorvel::cli
