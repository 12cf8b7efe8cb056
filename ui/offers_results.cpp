// What each offers tab works out from its fields: the lays and what every outcome pays.
#include <algorithm>

#include "core/each_way.h"
#include "core/money_error.h"
#include "input/arguments.h"
#include "input/bet_arguments.h"
#include "ui/offers_sheet.h"

namespace offers {

namespace {

using quorvel::Money;
using quorvel::NumberFormat;

// The fields' values, each field accepted before; none while one is not given.
struct Reader {
    const Fields& fields;
    const NumberFormat& format;

    bool given(std::initializer_list<int> list) const {
        return std::all_of(list.begin(), list.end(), [&](int f) { return !text(f).empty(); });
    }
    const std::string& text(int field) const { return fields[static_cast<std::size_t>(field)]; }
    Money money(int field) const {
        if (text(field).empty()) return Money();
        return quorvel::Money::parse(text(field), format);
    }
    int whole(int field) const { return quorvel::readWhole("", text(field), 1, 100); }
};

struct Kind {
    quorvel::AccaKind kind;
    bool refund;
};
Kind kindOf(const std::string& text) {
    if (text == "Free SNR") return {quorvel::AccaKind::FreeSnr, false};
    if (text == "Free SR") return {quorvel::AccaKind::FreeSr, false};
    return {quorvel::AccaKind::Cash, text == "Refund"};
}

std::vector<std::string> pathRow(const std::string& name, const quorvel::AccaPath& path,
                                 const NumberFormat& format) {
    return {name, path.bookmaker.displayFine(format), path.exchange.displayFine(format),
            path.net.displayFine(format)};
}

std::string layText(const std::string& what, Money stake, Money price, Money liability,
                    const NumberFormat& format) {
    return what + " " + stake.display(format) + " @ " + price.display(format) + ", liability " +
           liability.display(format);
}

Shown freeBet(const Reader& in) {
    if (!in.given({kFreeKind, kFreeStake, kFreeBack, kFreeLay, kFreeRate})) return {};
    const Kind kind = kindOf(in.text(kFreeKind));
    quorvel::AccaRequest request;
    request.stake = in.money(kFreeStake);
    request.legs = {{in.money(kFreeBack), in.money(kFreeLay)}};
    request.kind = kind.kind;
    if (kind.refund) request.refund = in.money(kFreeRefund);
    request.rate = in.money(kFreeRate);
    const quorvel::AccaReport report = quorvel::ComputeAcca(request);
    const quorvel::AccaLay& lay = report.lays.front();
    Shown shown;
    shown.summary = layText("Lay", lay.stake, lay.price, lay.liability, in.format);
    shown.headings = {"", "Bookmaker", "Exchange", "Net"};
    // The bet's win first, as a bettor reads it.
    for (auto path = report.paths.rbegin(); path != report.paths.rend(); ++path)
        shown.rows.push_back(
            pathRow(path->losesAt == 0 ? "If it wins" : "If it loses", *path, in.format));
    return shown;
}

std::string placeName(int from, int to) {
    return "Placed " + std::to_string(from) + (to > from ? "-" + std::to_string(to) : "");
}

// The outcomes there are: placed in the exchange's places only where it pays more than one,
// the extra places only where the bookmaker pays more places than the exchange.
std::vector<std::vector<std::string>> eachWayRows(const quorvel::EachWayRequest& request,
                                                  const quorvel::EachWayReport& report,
                                                  const NumberFormat& format) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::pair<quorvel::EachWayOutcome, std::string>> outcomes{{quorvel::kWins, "Wins"}};
    if (request.exchangePlaces > 1)
        outcomes.emplace_back(quorvel::kPlaced, placeName(2, request.exchangePlaces));
    if (request.bet.places > request.exchangePlaces)
        outcomes.emplace_back(
            quorvel::kExtraPlace,
            placeName(request.exchangePlaces + 1, request.bet.places) + " (extra)");
    outcomes.emplace_back(quorvel::kUnplaced, "Unplaced");
    for (const auto& [o, name] : outcomes)
        rows.push_back(
            {name, report.bookmaker[o].displayFine(format), report.winMarket[o].displayFine(format),
             report.placeMarket[o].displayFine(format), report.net[o].displayFine(format)});
    return rows;
}

Shown eachWay(const Reader& in) {
    if (!in.given({kWayStake, kWayPrice, kWayTerms, kWayPlaces, kWayWinLay, kWayPlaceLay,
                   kWayExchangePlaces, kWayRate}))
        return {};
    quorvel::EachWayRequest request;
    request.bet.stake = in.money(kWayStake);
    request.bet.price = in.money(kWayPrice);
    const std::string& terms = in.text(kWayTerms);
    request.bet.termsNumerator = quorvel::readWhole("", terms.substr(0, terms.find('/')), 1, 100);
    request.bet.termsDenominator =
        quorvel::readWhole("", terms.substr(terms.find('/') + 1), 1, 100);
    request.bet.places = in.whole(kWayPlaces);
    request.exchangePlaces = in.whole(kWayExchangePlaces);
    if (request.exchangePlaces > request.bet.places)
        return {{},
                {},
                {},
                {},
                "Exch. places: no more than the bookmaker's " + std::to_string(request.bet.places)};
    request.winLay = in.money(kWayWinLay);
    request.placeLay = in.money(kWayPlaceLay);
    request.rate = in.money(kWayRate);
    const quorvel::EachWayReport report = quorvel::ComputeEachWay(request);
    Shown shown;
    shown.summary =
        layText("Win lay", report.winLayStake, request.winLay, report.winLiability, in.format) +
        "; " +
        layText("place lay", report.placeLayStake, request.placeLay, report.placeLiability,
                in.format);
    shown.headings = {"", "Bookmaker", "Win market", "Place market", "Net"};
    shown.rows = eachWayRows(request, report, in.format);
    return shown;
}

Shown accumulator(const Reader& in);

}  // namespace

Shown showTab(Tab tab, const Fields& fields, const NumberFormat& format) {
    const Reader in{fields, format};
    try {
        switch (tab) {
            case kFreeBet:
                return freeBet(in);
            case kEachWay:
                return eachWay(in);
            default:
                return accumulator(in);
        }
    } catch (const quorvel::RefusedArgument& refused) {
        return {{}, {}, {}, {}, refused.message};
    } catch (const quorvel::MoneyError&) {
        return {{}, {}, {}, {}, "Too large to work out"};
    }
}

namespace {

// The legs typed, from leg 1 on; and of them the first ones won, their lays placed.
struct Legs {
    int count = 0;
    int won = 0;
    std::string refusal;
};
Legs legsOf(const Reader& in) {
    Legs legs;
    for (int leg = 0; leg < kLegs; ++leg)
        for (int c = 0; c < kLegColumns; ++c)
            if (!in.text(legField(leg, static_cast<LegColumn>(c))).empty()) legs.count = leg + 1;
    while (legs.won < legs.count && !in.text(legField(legs.won, kLegLaid)).empty()) ++legs.won;
    for (int leg = legs.won; leg < legs.count; ++leg)
        if (!in.text(legField(leg, kLegLaid)).empty())
            legs.refusal =
                "Leg " + std::to_string(leg + 1) + " laid: the legs before it have not all won";
    if (legs.count > 0 && legs.won == legs.count)
        legs.refusal = "Every leg has won, its lay placed: the accumulator is settled";
    return legs;
}

Shown accumulator(const Reader& in) {
    const Legs legs = legsOf(in);
    if (!legs.refusal.empty()) return {{}, {}, {}, {}, legs.refusal};
    if (legs.count == 0 || !in.given({kAccaStake, kAccaKind, kAccaRate})) return {};
    quorvel::AccaRequest request;
    for (int leg = 0; leg < legs.count; ++leg) {
        if (!in.given({legField(leg, kLegBack), legField(leg, kLegLay)})) return {};
        request.legs.push_back(
            {in.money(legField(leg, kLegBack)), in.money(legField(leg, kLegLay))});
        if (leg < legs.won)
            request.placed.push_back(
                {in.money(legField(leg, kLegLaid)), in.money(legField(leg, kLegLay))});
    }
    const Kind kind = kindOf(in.text(kAccaKind));
    request.stake = in.money(kAccaStake);
    request.kind = kind.kind;
    if (kind.refund) request.refund = in.money(kAccaRefund);
    request.rate = in.money(kAccaRate);
    const quorvel::AccaReport report = quorvel::ComputeAcca(request);
    Shown shown;
    for (std::size_t i = 0; i < report.lays.size(); ++i) {
        const quorvel::AccaLay& lay = report.lays[i];
        shown.legs[i] = {lay.stake.display(in.format), lay.liability.displayFine(in.format),
                         lay.wins.displayFine(in.format)};
    }
    const quorvel::AccaLay& next = report.lays[static_cast<std::size_t>(legs.won)];
    const auto [least, most] = std::minmax_element(
        report.paths.begin(), report.paths.end(),
        [](const quorvel::AccaPath& a, const quorvel::AccaPath& b) { return a.net < b.net; });
    shown.summary = layText("Next: lay leg " + std::to_string(legs.won + 1) + ",", next.stake,
                            next.price, next.liability, in.format) +
                    "; every path " + least->net.displayFine(in.format) +
                    (most->net == least->net ? "" : " to " + most->net.displayFine(in.format));
    shown.headings = {"", "Bookmaker", "Exchange", "Net"};
    for (const quorvel::AccaPath& path : report.paths)
        shown.rows.push_back(
            pathRow(quorvel::accaPathName(path.losesAt, request.legs.size()), path, in.format));
    return shown;
}

}  // namespace

}  // namespace offers
