#include "ui/offers_sheet.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "core/field_role.h"
#include "input/arguments.h"
#include "input/bet_arguments.h"

namespace offers {

namespace {

using quorvel::Money;
using quorvel::NumberFormat;

enum class Role { Kind, Stake, BookPrice, LayPrice, Rate, Refund, Terms, Places };

struct FieldRow {
    Tab tab;
    Role role;
    const char* caption;
    const char* toolTip;
    const char* initial;
};

constexpr const char* kKindTip =
    "Q: a qualifying bet, F: a free bet (stake not returned), S: a free bet (stake returned), "
    "R: a qualifying bet with a refund if it loses";
constexpr FieldRow kFieldRows[kFirstLeg] = {
    {kFreeBet, Role::Kind, "Kind", kKindTip, "Qualifying"},
    {kFreeBet, Role::Stake, "Stake", "The bookmaker's stake", ""},
    {kFreeBet, Role::BookPrice, "Back price", "The bookmaker's price", ""},
    {kFreeBet, Role::LayPrice, "Lay price", "The exchange's lay price", ""},
    {kFreeBet, Role::Rate, "Commission (%)", "The exchange's rate, 0 to 10", "5.00"},
    {kFreeBet, Role::Refund, "Refund", "What a refund offer pays if the bet loses", ""},
    {kEachWay, Role::Stake, "Stake", "The stake each way: the bet costs twice it", ""},
    {kEachWay, Role::BookPrice, "Price", "The bookmaker's price", ""},
    {kEachWay, Role::Terms, "Terms", "The fraction of the odds a place pays: 1/5, 1/4", "1/5"},
    {kEachWay, Role::Places, "Places", "The places the bookmaker pays", "3"},
    {kEachWay, Role::LayPrice, "Win lay", "The win market's lay price", ""},
    {kEachWay, Role::LayPrice, "Place lay", "The place market's lay price", ""},
    {kEachWay, Role::Places, "Exch. places", "The places the exchange's place market pays", "3"},
    {kEachWay, Role::Rate, "Commission (%)", "Each market's rate, 0 to 10", "5.00"},
    {kAccumulator, Role::Stake, "Stake", "The accumulator's stake", ""},
    {kAccumulator, Role::Kind, "Kind", kKindTip, "Qualifying"},
    {kAccumulator, Role::Refund, "Refund", "What a refund offer pays if a leg loses", ""},
    {kAccumulator, Role::Rate, "Commission (%)", "Each leg's market's rate, 0 to 10", "5.00"},
};

constexpr const char* kKinds[] = {"Qualifying", "Free SNR", "Free SR", "Refund"};

Role roleOf(int field) {
    if (field < kFirstLeg) return kFieldRows[field].role;
    switch ((field - kFirstLeg) % 3) {
        case kLegBack:
            return Role::BookPrice;
        case kLegLay:
            return Role::LayPrice;
        default:
            return Role::Stake;
    }
}

const std::string kCents = "above 0, up to 10000, in whole cents";

// The value of an accepted field's text; throws RefusedArgument naming the field.
Money valueOf(int field, const std::string& text, const NumberFormat& format) {
    const std::string name = fieldInfo(field).caption;
    switch (roleOf(field)) {
        case Role::Stake:
            return quorvel::readCents(name, text, Money(), true, quorvel::kHighestAmount, kCents,
                                      format);
        case Role::BookPrice:
            return quorvel::readCents(name, text, Money::fromWhole(1), true, quorvel::kHighestPrice,
                                      "a bookmaker's price above 1.00, up to 1000, in cents",
                                      format);
        case Role::LayPrice:
            return quorvel::readLadderPrice(name, text, format);
        case Role::Rate:
            return quorvel::readExchangeRate(name, text, format);
        case Role::Refund:
            return quorvel::readCents(name, text, Money(), false, quorvel::kHighestAmount,
                                      "0 to 10000, in whole cents", format);
        default:
            return Money();
    }
}

std::optional<std::string> kindOf(std::string typed) {
    std::transform(typed.begin(), typed.end(), typed.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::pair<const char*, int> words[] = {
        {"q", 0}, {"qualifying", 0}, {"f", 1},  {"free", 1}, {"free snr", 1}, {"snr", 1},
        {"s", 2}, {"free sr", 2},    {"sr", 2}, {"r", 3},    {"refund", 3}};
    for (const auto& [word, kind] : words)
        if (typed == word) return kKinds[kind];
    return std::nullopt;
}

// "1/5": a fraction of the odds from 1/100 up to 1/1.
std::optional<std::string> termsOf(const std::string& typed) {
    const std::size_t slash = typed.find('/');
    if (slash == std::string::npos) return std::nullopt;
    try {
        const int denominator = quorvel::readWhole("", typed.substr(slash + 1), 1, 100);
        const int numerator = quorvel::readWhole("", typed.substr(0, slash), 1, denominator);
        return std::to_string(numerator) + "/" + std::to_string(denominator);
    } catch (const quorvel::RefusedArgument&) {
        return std::nullopt;
    }
}

}  // namespace

FieldInfo fieldInfo(int field) {
    if (field < kFirstLeg)
        return {kFieldRows[field].tab, kFieldRows[field].caption, kFieldRows[field].toolTip};
    const std::string leg = "Leg " + std::to_string((field - kFirstLeg) / 3 + 1);
    switch ((field - kFirstLeg) % 3) {
        case kLegBack:
            return {kAccumulator, leg + " back", "The bookmaker's price of the leg"};
        case kLegLay:
            return {kAccumulator, leg + " lay", "The lay price of the leg's market (laid at)"};
        default:
            return {kAccumulator, leg + " laid",
                    "Once the leg has won: the stake you laid on it, at its lay price"};
    }
}

Fields defaultFields() {
    Fields fields;
    for (int i = 0; i < kFirstLeg; ++i) fields[static_cast<std::size_t>(i)] = kFieldRows[i].initial;
    return fields;
}

Accepted acceptField(int field, const std::string& typed, const NumberFormat& format) {
    if (typed.empty()) return {typed, {}};
    const std::string name = fieldInfo(field).caption;
    switch (roleOf(field)) {
        case Role::Kind:
            if (auto kind = kindOf(typed)) return {kind, {}};
            return {std::nullopt, name + ": \"" + typed + "\" is Q, F, S or R (" + kKindTip + ")"};
        case Role::Terms:
            if (auto terms = termsOf(typed)) return {terms, {}};
            return {std::nullopt, name + ": \"" + typed + "\" is N/D such as 1/5, D up to 100"};
        case Role::Places:
            try {
                return {std::to_string(quorvel::readWhole(name, typed, 1, 10)), {}};
            } catch (const quorvel::RefusedArgument& refused) {
                return {std::nullopt, refused.message};
            }
        default:
            try {
                return {valueOf(field, typed, format).display(format), {}};
            } catch (const quorvel::RefusedArgument& refused) {
                return {std::nullopt, refused.message};
            }
    }
}

std::string offersFile(const std::string& folder) {
    return folder + "/offers.txt";
}

namespace {

constexpr const char* kHeading = "quorvel-offers 1, numbers as 1234.56";

const NumberFormat& machine() {
    static const NumberFormat format(".", "");
    return format;
}

bool isNumber(int field) {
    const Role role = roleOf(field);
    return role != Role::Kind && role != Role::Terms && role != Role::Places;
}

}  // namespace

std::string textOf(const Fields& fields, Tab tab, const NumberFormat& user) {
    std::string text = std::string(kHeading) + "\ntab\t" + std::to_string(tab) + "\n";
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string& value = fields[static_cast<std::size_t>(i)];
        text +=
            std::to_string(i) + '\t' +
            (isNumber(i) && !value.empty() ? valueOf(i, value, user).display(machine()) : value) +
            '\n';
    }
    return text + "end\n";
}

Loaded fieldsOf(const std::string& text, const NumberFormat& user) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (lines.size() != 3 + kFieldCount || lines[0] != kHeading || lines.back() != "end" ||
        !lines[1].starts_with("tab\t") || lines[1].size() != 5 || lines[1][4] < '0' ||
        lines[1][4] >= '0' + kTabs)
        throw std::runtime_error("is not Quorvel's offers");
    Loaded loaded{{}, static_cast<Tab>(lines[1][4] - '0'), {}};
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string& line = lines[2 + static_cast<std::size_t>(i)];
        const std::string key = std::to_string(i) + '\t';
        if (!line.starts_with(key)) throw std::runtime_error("has a damaged line");
        const std::string value = line.substr(key.size());
        const Accepted accepted = acceptField(i, value, isNumber(i) ? machine() : user);
        if (!accepted.text && loaded.refusal.empty()) loaded.refusal = accepted.refusal;
        if (accepted.text)
            loaded.fields[static_cast<std::size_t>(i)] =
                isNumber(i) && !value.empty() ? valueOf(i, value, machine()).display(user)
                                              : *accepted.text;
    }
    return loaded;
}

}  // namespace offers
