#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/accumulator.h"
#include "core/number_format.h"

// The offers window's fields and what they work out, no window here: a free bet (or a
// qualifying bet, or a refund offer) laid at the exchange, an each-way bet laid in the win and
// place markets, and an accumulator laid leg by leg; and the file the fields are kept in.
namespace offers {

enum Tab { kFreeBet = 0, kEachWay, kAccumulator, kTabs };
inline constexpr const char* kTabCaptions[kTabs] = {"&Free bet", "&Each way", "&Accumulator"};

inline constexpr int kLegs = quorvel::kMaxAccaLegs;
// Each tab's fields, numbered across the window; an accumulator leg is its back price, its lay
// price, and the stake laid on it once it has won.
enum Field : int {
    kFreeKind = 0,
    kFreeStake,
    kFreeBack,
    kFreeLay,
    kFreeRate,
    kFreeRefund,
    kWayStake,
    kWayPrice,
    kWayTerms,
    kWayPlaces,
    kWayWinLay,
    kWayPlaceLay,
    kWayExchangePlaces,
    kWayRate,
    kAccaStake,
    kAccaKind,
    kAccaRefund,
    kAccaRate,
    kFirstLeg,
    kFieldCount = kFirstLeg + 3 * kLegs
};
enum LegColumn { kLegBack = 0, kLegLay, kLegLaid, kLegColumns };
inline constexpr int legField(int leg, LegColumn column) {
    return kFirstLeg + 3 * leg + column;
}

using Fields = std::array<std::string, kFieldCount>;

// The tab a field stands on, its caption, and what a screen reader and its tooltip say of it.
struct FieldInfo {
    Tab tab;
    std::string caption;
    std::string toolTip;
};
FieldInfo fieldInfo(int field);
// What a new window holds: the kinds qualifying, the rates 5.00, terms 1/5 over 3 places.
Fields defaultFields();

// The text a typed field holds once accepted ("5.2" is "5.20", "f" is "Free SNR"), or why it
// is refused. An empty field is accepted: it is not given yet.
struct Accepted {
    std::optional<std::string> text;
    std::string refusal;
};
Accepted acceptField(int field, const std::string& typed, const quorvel::NumberFormat& format);

// What a tab shows under its fields: a line with the lays, a table (headings, then rows of
// text), each accumulator leg's lay, liability and winnings, and why nothing is worked out
// when the fields as a whole cannot be (an empty summary and no refusal: not all given yet).
struct Shown {
    std::string summary;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::array<std::array<std::string, 3>, kLegs> legs{};
    std::string refusal;
};
Shown showTab(Tab tab, const Fields& fields, const quorvel::NumberFormat& format);

// The kept fields, numbers written for machines ('.' for decimals, no grouping) whatever the
// user's format; and back, each field accepted as if typed (one that is not is left empty,
// refusal naming the first). Throws std::runtime_error for a text of another shape.
struct Loaded {
    Fields fields;
    Tab tab = kFreeBet;
    std::string refusal;
};
std::string textOf(const Fields& fields, Tab tab, const quorvel::NumberFormat& user);
Loaded fieldsOf(const std::string& text, const quorvel::NumberFormat& user);
std::string offersFile(const std::string& folder);

}  // namespace offers
