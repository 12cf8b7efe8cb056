#include "cli/single_calculation.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "cli/text_table.h"
#include "core/field_role.h"
#include "core/hedge.h"
#include "core/mode_layout.h"
#include "core/money.h"

namespace quorvel::cli {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

namespace {

// "bet-back, lay-back, total-funds (or 1, 2, 3)"
std::string modeNames() {
    std::string names, numbers;
    for (const ModeDescriptor& d : kModes) {
        names += (names.empty() ? "" : ", ") + std::string(d.commandName);
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(d.mode);
    }
    return names + " (or " + numbers + ")";
}

HedgeMode readMode(const std::string& text) {
    for (const ModeDescriptor& d : kModes)
        if (text == d.commandName || text == std::to_string(d.mode)) return d.mode;
    throw RefusedArgument{"mode: \"" + text + "\" is not a mode; accepted: " + modeNames()};
}

}  // namespace

Calculation calculate(const CalculationRequest& request, const NumberFormat& format) {
    Calculation c;
    HedgeRequest& r = c.request;
    r.mode = readMode(request.mode);
    r.model = request.separate ? CommissionModel::SeparateMarkets : CommissionModel::SingleMarket;
    const ModeLayout& layout = modeLayout(r.mode);
    const ModeFields fields = modeFields(r.mode);
    for (std::size_t i = 0; i < r.inputs.size(); ++i) {
        const FieldLayout& field = layout[static_cast<std::size_t>(fields.inputs[i])];
        r.inputs[i] =
            readValue(lowered(plainText(field.caption)), request.inputs.at(i), field.role, format);
    }
    auto rate = [&](const char* option, const std::optional<std::string>& given) {
        return given ? readValue(option, *given, FieldRole::Commission, format)
                     : kDefaultCommissionRate;
    };
    r.backRate = rate("--back-rate", request.backRate);
    r.layRate = rate("--lay-rate", request.layRate);

    c.results = ComputeHedge(r);
    if (request.outcomes) c.outcomes = ComputeOutcomes(r, c.results);
    return c;
}

std::string asText(const Calculation& c, const NumberFormat& format) {
    const ModeLayout& layout = modeLayout(c.request.mode);
    std::vector<std::vector<std::string>> rows;
    for (const FieldValue& result : c.results)
        rows.push_back({plainText(layout[static_cast<std::size_t>(result.field)].caption),
                        result.value.display(format)});
    std::string text = alignedTable(rows);
    if (c.outcomes) {
        auto row = [&](const char* name, const OutcomeFigures& f) {
            return std::vector<std::string>{name, f.back.display(format), f.lay.display(format),
                                            f.commission.display(format), f.net.display(format)};
        };
        text += '\n';
        text += alignedTable({{"Selection", "Back", "Lay", "Commission", "Net"},
                              row("wins", c.outcomes->wins),
                              row("loses", c.outcomes->loses)});
    }
    return text;
}

std::string_view modeName(HedgeMode mode) {
    return modeDescriptor(mode).commandName;
}

}  // namespace quorvel::cli
