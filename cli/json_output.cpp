#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "core/mode_layout.h"

namespace quorvel::cli {

namespace {

using Json = nlohmann::ordered_json;

// Machine-readable numbers never depend on the locale.
const NumberFormat& plain() {
    static const NumberFormat format(".", "");
    return format;
}

// A value as shown: two decimals.
std::string shown(Money value) {
    return value.display(plain());
}

// A value as used: all four decimals, trailing zeros dropped down to two.
std::string used(Money value) {
    const bool negative = value.count() < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.count())
                                             : static_cast<std::uint64_t>(value.count());
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (fraction.size() > 2 && fraction.back() == '0') fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction;
}

Json results(HedgeMode mode, const HedgeResults& values) {
    const ModeLayout& layout = modeLayout(mode);
    Json object = Json::object();
    for (const FieldValue& result : values)
        object[std::string(layout[static_cast<std::size_t>(result.field)].key)] =
            shown(result.value);
    return object;
}

Json outcome(const OutcomeFigures& figures) {
    return {{"back", shown(figures.back)},
            {"lay", shown(figures.lay)},
            {"commission", shown(figures.commission)},
            {"net", shown(figures.net)}};
}

}  // namespace

std::string asJson(const Calculation& c) {
    const HedgeRequest& r = c.request;
    Json json{{"mode", std::string(modeName(r.mode))},
              {"model", r.singleMarket() ? "single" : "separate"},
              {"back_rate", used(r.backRate)}};
    if (!r.singleMarket()) json["lay_rate"] = used(r.layRate);
    const ModeLayout& layout = modeLayout(r.mode);
    const ModeFields fields = modeFields(r.mode);
    Json inputs = Json::object();
    for (std::size_t i = 0; i < r.inputs.size(); ++i)
        inputs[std::string(layout[static_cast<std::size_t>(fields.inputs[i])].key)] =
            used(r.inputs[i]);
    json["inputs"] = inputs;
    json["results"] = results(r.mode, c.results);
    if (c.outcomes)
        json["outcomes"] = {{"wins", outcome(c.outcomes->wins)},
                            {"loses", outcome(c.outcomes->loses)}};
    return json.dump() + "\n";
}

void appendJson(const BatchAnswer& answer, std::string& out) {
    switch (answer.kind) {
        case BatchAnswer::Kind::Nothing:
            out += "null";
            return;
        case BatchAnswer::Kind::Error:
            out += Json{{"error", answer.error}}.dump();
            return;
        case BatchAnswer::Kind::Results:
            out += Json{{"results", results(answer.mode, answer.results)}}.dump();
            return;
    }
}

}  // namespace quorvel::cli
