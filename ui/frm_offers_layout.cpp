// The offers window as it is created: the tabs, each tab's fields, the legs of an
// accumulator, and the results under them.
#include "core/accumulator.h"
#include "platform/files.h"
#include "ui/frm_offers.h"
#include "ui/toolkit/scale_fit.h"
#include "ui/user_number_format.h"

using toolkit::SystemColour;

namespace {

constexpr int kLeft = 120;
constexpr int kClientWidth = 7700;
constexpr int kPageTop = 480;
constexpr int kFieldHeight = 285;
constexpr int kRowStep = 300;
// Under the accumulator's one row of fields (the each-way's second stands there on its own
// tab): the legs' headings, then a row a leg.
constexpr int kLegsTop = kPageTop + 650;
constexpr int kResultsTop = kLegsTop + 3300;  // under the longest page, the accumulator's
constexpr int kClientHeight = kResultsTop + 4550;
constexpr int kLegColumnsLeft[6] = {800, 1900, 3000, 4150, 5350, 6550};
constexpr int kLegColumnWidth = 1050;
constexpr int kResultLeft[frmOffers::kResultColumns] = {kLeft, 2350, 3700, 5050, 6400};
constexpr int kResultWidth[frmOffers::kResultColumns] = {2150, 1250, 1250, 1250, 1250};

// Where a field of the top rows stands: a tab's fields left to right, four to a row (six on
// the free bet's one row).
struct Spot {
    int left, top, width;
};
Spot spotOf(int field) {
    const offers::Tab tab = offers::fieldInfo(field).tab;
    const int first = tab == offers::kFreeBet   ? 0
                      : tab == offers::kEachWay ? offers::kWayStake
                                                : offers::kAccaStake;
    const int perRow = tab == offers::kFreeBet ? 6 : 4;
    const int step = (kClientWidth - 2 * kLeft) / perRow;
    const int at = field - first;
    return {kLeft + (at % perRow) * step, kPageTop + (at / perRow) * 650, step - 150};
}

}  // namespace

frmOffers::frmOffers() : frmOffers(userNumberFormat(), platform::configFolder()) {}

frmOffers::frmOffers(quorvel::NumberFormat format, const std::string& folder)
    : format_(std::move(format)), file_(offers::offersFile(folder)) {
    LoadFields();
    load();
}

toolkit::Label& frmOffers::newLabel(int left, int top, int width, const std::string& caption) {
    auto& label = add<toolkit::Label>();
    label.setTwipGeometry(left, top, width, 195);
    label.setCaption(caption);
    return label;
}

toolkit::TextBox& frmOffers::newField(int index, int left, int top, int width) {
    auto& field = add<toolkit::TextBox>(index, fieldEvents_);
    field.setTwipGeometry(left, top, width, kFieldHeight);
    field.setBackColor(SystemColour::InfoBackground);
    field.setForeColor(SystemColour::InfoText);
    const offers::FieldInfo info = offers::fieldInfo(index);
    field.setToolTipText(info.toolTip);
    field.setAccessibleName(info.caption);
    txtFields_.append(field, index);
    pages_[static_cast<std::size_t>(info.tab)].push_back(&field);
    return field;
}

void frmOffers::Form_Create() {
    setCaption("Quorvel Offers");
    setIcon("quorvel", {QUORVEL_ICON_SIZES});
    setBackColor(SystemColour::ButtonFace);
    tabOffers_ = &add<toolkit::TabStrip>();
    tabOffers_->setTwipGeometry(0, 0, kClientWidth, kClientHeight);
    for (const char* caption : offers::kTabCaptions) tabOffers_->addTab(caption, "");
    tabOffers_->click = [this] { tabOffers_Click(); };
    createFields();
    createLegs();
    createResults();

    // The fields in their order, the results after them (read-only, for a screen reader), the
    // tabs last.
    std::vector<const toolkit::Control*> order;
    for (int i = 0; i < kFieldCount; ++i) order.push_back(&txtFields_(i));
    for (int i = 0; i < quorvel::kMaxAccaLegs * kLegResults; ++i)
        order.push_back(&txtLegResults_(i));
    for (int i = 0; i < kResultRows * kResultColumns; ++i) order.push_back(&txtResults_(i));
    order.push_back(tabOffers_);
    setTabOrder(order);
    fitScaleToFont();
    setClientSize(kClientWidth, kClientHeight);
    setMinimumClientSize(kClientWidth, kClientHeight);
}

void frmOffers::createFields() {
    fieldEvents_.gotFocus = [this](int i) { txtFields_GotFocus(i); };
    fieldEvents_.keyPress = [this](int i, int& key) { txtFields_KeyPress(i, key); };
    fieldEvents_.keyUp = [this](int i, int key, int shift) { txtFields_KeyUp(i, key, shift); };
    fieldEvents_.validate = [this](int i, bool& cancel) { txtFields_Validate(i, cancel); };
    for (int i = 0; i < offers::kFirstLeg; ++i) {
        const Spot spot = spotOf(i);
        const offers::FieldInfo info = offers::fieldInfo(i);
        toolkit::Label& label = newLabel(spot.left, spot.top, spot.width, info.caption);
        label.setBuddy(&newField(i, spot.left, spot.top + 240, spot.width));
        pages_[static_cast<std::size_t>(info.tab)].push_back(&label);
    }
}

// A row a leg: its back and lay prices and the stake laid once it won, then the lay it takes.
void frmOffers::createLegs() {
    auto& page = pages_[offers::kAccumulator];
    const char* headings[6] = {"Back", "Lay", "Laid (won)", "Lay stake", "Liability", "Wins"};
    for (int c = 0; c < 6; ++c)
        page.push_back(&newLabel(kLegColumnsLeft[c], kLegsTop, kLegColumnWidth, headings[c]));
    for (int leg = 0; leg < quorvel::kMaxAccaLegs; ++leg) {
        const int top = kLegsTop + 240 + leg * kRowStep;
        page.push_back(&newLabel(kLeft, top + 45, 650, "Leg " + std::to_string(leg + 1)));
        for (int c = 0; c < offers::kLegColumns; ++c)
            newField(offers::legField(leg, static_cast<offers::LegColumn>(c)), kLegColumnsLeft[c],
                     top, kLegColumnWidth);
    }
    for (int leg = 0; leg < quorvel::kMaxAccaLegs; ++leg)
        for (int c = 0; c < kLegResults; ++c) {
            const int index = leg * kLegResults + c;
            auto& cell = add<toolkit::TextBox>(index, resultEvents_);
            cell.setTwipGeometry(kLegColumnsLeft[3 + c], kLegsTop + 240 + leg * kRowStep,
                                 kLegColumnWidth, kFieldHeight);
            cell.setLocked(true);
            cell.setAccessibleName("Leg " + std::to_string(leg + 1) + " " + headings[3 + c]);
            txtLegResults_.append(cell, index);
            page.push_back(&cell);
        }
}

void frmOffers::createResults() {
    lblSummary_ = &newLabel(kLeft, kResultsTop, kClientWidth - 2 * kLeft, "");
    for (int c = 0; c < kResultColumns; ++c) {
        auto& heading = newLabel(kResultLeft[c], kResultsTop + 300, kResultWidth[c], "");
        lblHeadings_.append(heading, c);
    }
    for (int row = 0; row < kResultRows; ++row)
        for (int c = 0; c < kResultColumns; ++c) {
            const int index = row * kResultColumns + c;
            auto& cell = add<toolkit::TextBox>(index, resultEvents_);
            cell.setTwipGeometry(kResultLeft[c], kResultsTop + 540 + row * kRowStep,
                                 kResultWidth[c], kFieldHeight);
            cell.setLocked(true);
            txtResults_.append(cell, index);
        }
    const int below = kResultsTop + 600 + kResultRows * kRowStep;
    lblMessage_ = &newLabel(kLeft, below, kClientWidth - 2 * kLeft, "");
    newLabel(kLeft, below + 300, kClientWidth - 2 * kLeft,
             "Enter: next field    Escape: undo    Alt+F, Alt+E, Alt+A: the tabs    "
             "Kind: Q, F, S or R");
}

void frmOffers::fitScaleToFont() {
    toolkit::ScaleFit fit;
    auto room = [](const toolkit::Control& c) { return c.twipGeometry().size(); };
    for (const auto& control : controls()) fit.need(control->contentSize(), room(*control));
    // A typical figure shows at the font's size; the widest an offer gets is drawn smaller.
    const std::string money = quorvel::Money::fromCount(-999'999'999).displayFine(format_);
    const std::string widest = quorvel::Money::fromCount(-99'999'999'999).displayFine(format_);
    for (int i = 0; i < kFieldCount; ++i) {
        txtFields_(i).setSampleText(i == offers::kFreeKind || i == offers::kAccaKind
                                        ? std::string("Qualifying")
                                        : quorvel::Money::fromWhole(1000).display(format_));
        fit.need(txtFields_(i).contentSize(), room(txtFields_(i)));
    }
    for (int i = 0; i < kResultRows * kResultColumns; ++i) {
        txtResults_(i).setSampleText(i % kResultColumns == 0 ? "Wins 1-9, loses at leg 10" : money);
        if (i % kResultColumns != 0) txtResults_(i).setWidestText(widest);
        fit.need(txtResults_(i).contentSize(), room(txtResults_(i)));
    }
    for (int i = 0; i < quorvel::kMaxAccaLegs * kLegResults; ++i) {
        txtLegResults_(i).setSampleText(money);
        txtLegResults_(i).setWidestText(widest);
        fit.need(txtLegResults_(i).contentSize(), room(txtLegResults_(i)));
    }
    fit.need(tabOffers_->contentSize().height, kPageTop - 60);
    setScale(fit.scale());
}
