// The market window as it is created: the column headings, the rows of cells, the settings and
// the summary under them, the tab order and the scale that shows every digit.
#include "platform/files.h"
#include "ui/frm_market.h"
#include "ui/market_file.h"
#include "ui/toolkit/scale_fit.h"
#include "ui/user_number_format.h"

using toolkit::SystemColour;

namespace {

constexpr int kLeft = 100;
constexpr int kHeadingTop = 90;
constexpr int kGridTop = 330;
constexpr int kRowHeight = 300;
constexpr int kCellHeight = 285;
// The columns' widths: Runner, Back, Lay, Bets, If wins, Hedge, Net.
constexpr int kWidths[market_sheet::kColumns] = {1500, 700, 700, 2700, 1000, 1800, 900};
constexpr int kGap = 40;

int columnLeft(int column) {
    int left = kLeft;
    for (int c = 0; c < column; ++c) left += kWidths[c] + kGap;
    return left;
}

constexpr int kGridWidth = 9300 + 6 * kGap;
constexpr int kSummaryTop = kGridTop + frmMarket::kVisibleRows * kRowHeight + 120;
constexpr int kClientWidth = kGridWidth + 2 * kLeft;
constexpr int kClientHeight = kSummaryTop + 7 * kRowHeight + 60;

}  // namespace

frmMarket::frmMarket() : frmMarket(userNumberFormat(), platform::configFolder()) {}

frmMarket::frmMarket(quorvel::NumberFormat format, const std::string& folder)
    : format_(std::move(format)), file_(market_file::sheetFile(folder)) {
    LoadSheet();
    load();
}

toolkit::Label& frmMarket::newLabel(int left, int top, int width, const std::string& caption) {
    auto& label = add<toolkit::Label>();
    label.setTwipGeometry(left, top, width, 195);
    label.setCaption(caption);
    return label;
}

void frmMarket::Form_Create() {
    setCaption("Quorvel Market");
    setIcon("quorvel", {QUORVEL_ICON_SIZES});
    setBackColor(SystemColour::ButtonFace);
    createGrid();
    createSummary();

    // Typed cells row by row, then the settings; results take the focus only by a click.
    std::vector<const toolkit::Control*> order;
    for (int row = 0; row < kVisibleRows; ++row)
        for (int column = 0; column < market_sheet::kTypedColumns; ++column)
            order.push_back(&txtCells_(row * kColumns + column));
    for (int i : {kRateSetting, kWinnersSetting, kMinStakeSetting, kMinPayoutSetting})
        order.push_back(&txtSettings_(i));
    setTabOrder(order);

    fitScaleToFont();
    setClientSize(kClientWidth, kClientHeight);
    // Smaller, the results and the message line would be cut off.
    setMinimumClientSize(kClientWidth, kClientHeight);
}

void frmMarket::createGrid() {
    cellEvents_.gotFocus = [this](int i) { txtCells_GotFocus(i); };
    cellEvents_.keyPress = [this](int i, int& key) { txtCells_KeyPress(i, key); };
    cellEvents_.keyUp = [this](int i, int key, int shift) { txtCells_KeyUp(i, key, shift); };
    cellEvents_.validate = [this](int i, bool& cancel) { txtCells_Validate(i, cancel); };
    for (int column = 0; column < kColumns; ++column) {
        toolkit::Label& heading = newLabel(columnLeft(column), kHeadingTop, kWidths[column],
                                           market_sheet::kColumnCaptions[column]);
        if (column == market_sheet::kIfWins) lblIfWins_ = &heading;
    }
    for (int row = 0; row < kVisibleRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int index = row * kColumns + column;
            auto& cell = add<toolkit::TextBox>(index, cellEvents_);
            cell.setTwipGeometry(columnLeft(column), kGridTop + row * kRowHeight, kWidths[column],
                                 kCellHeight);
            const bool typed = column < market_sheet::kTypedColumns;
            cell.setLocked(!typed);
            cell.setTabStop(typed);
            cell.setBackColor(typed ? SystemColour::InfoBackground : SystemColour::Window);
            cell.setForeColor(typed ? SystemColour::InfoText : SystemColour::WindowText);
            cell.setFontBold(column == market_sheet::kNet);
            txtCells_.append(cell, index);
        }
    }
}

void frmMarket::createSummary() {
    settingEvents_.gotFocus = [this](int i) { txtSettings_GotFocus(i); };
    settingEvents_.keyPress = [this](int i, int& key) { txtSettings_KeyPress(i, key); };
    settingEvents_.keyUp = [this](int i, int key, int shift) { txtSettings_KeyUp(i, key, shift); };
    settingEvents_.validate = [this](int i, bool& cancel) { txtSettings_Validate(i, cancel); };
    createSettings();
    const int half = kGridWidth / 2 - 50;
    lblBook_ = &newLabel(kLeft, kSummaryTop + kRowHeight + 60, kGridWidth - 1800, "");
    // Where the rows shown stand in the sheet's forty.
    lblRows_ = &newLabel(kLeft + kGridWidth - 1700, kSummaryTop + kRowHeight + 60, 1700, "");
    lblGreenEach_ = &newLabel(kLeft, kSummaryTop + 2 * kRowHeight + 60, half, "");
    lblGreenBest_ = &newLabel(kLeft + half + 100, kSummaryTop + 2 * kRowHeight + 60, half, "");
    lblMessage_ = &newLabel(kLeft, kSummaryTop + 3 * kRowHeight + 60, kGridWidth, "");
    newLabel(kLeft, kSummaryTop + 4 * kRowHeight + 60, kGridWidth,
             "Enter: next cell    Tab: the results too    Up, Down: row    + and -: a price a "
             "step    Escape: undo");
    newLabel(kLeft, kSummaryTop + 5 * kRowHeight, kGridWidth,
             "Ctrl+G: green each    Ctrl+Shift+G: green best    Ctrl+0: no green    "
             "Ctrl+Delete: clear the row");
    newLabel(kLeft, kSummaryTop + 6 * kRowHeight - 60, kGridWidth,
             "In Bets: nr:25 marks a non-runner (reduction factor 25 %), lay:20@3.00/after a bet "
             "matched after it");
}

// Left to right: the rate, the winners beside it, the minimums; each label, then its field.
// The fields are made in the order of their indexes, each where its place is.
void frmMarket::createSettings() {
    struct Place {
        const char* caption;
        int labelWidth, fieldWidth, left;
    };
    Place places[kSettingCount] = {{"&Commission (%)", 1500, 900, 0},
                                   {"Min &stake", 1000, 900, 0},
                                   {"Min &payout", 1100, 900, 0},
                                   {"&Winners", 800, 500, 0}};
    int left = kLeft;
    for (int i : {kRateSetting, kWinnersSetting, kMinStakeSetting, kMinPayoutSetting}) {
        places[i].left = left;
        left += places[i].labelWidth + places[i].fieldWidth + 250;
    }
    for (int i = 0; i < kSettingCount; ++i) {
        const Place& place = places[i];
        toolkit::Label& label =
            newLabel(place.left, kSummaryTop + 45, place.labelWidth, place.caption);
        auto& field = add<toolkit::TextBox>(i, settingEvents_);
        field.setTwipGeometry(place.left + place.labelWidth + 50, kSummaryTop, place.fieldWidth,
                              kCellHeight);
        field.setBackColor(SystemColour::InfoBackground);
        field.setForeColor(SystemColour::InfoText);
        label.setBuddy(&field);
        txtSettings_.append(field, i);
    }
}

void frmMarket::fitScaleToFont() {
    toolkit::ScaleFit fit;
    auto room = [](const toolkit::Control& c) { return c.twipGeometry().size(); };
    for (const auto& control : controls()) fit.need(control->contentSize(), room(*control));
    // A typical value shows at the font's size; the widest the market's figures get is drawn
    // smaller, down to the size it needs.
    const std::string money = display(quorvel::Money::fromCount(-99'999'900));
    const std::string samples[kColumns] = {
        "Runner name", "1,000.00", "1,000.00", "back:10@3.00", money, "Back 999.99 @ 10.50", money};
    const std::string widestMoney = display(quorvel::Money::fromCount(-99'999'999'999'900));
    const std::string widest[kColumns] = {
        "", "", "", "", widestMoney, "Back 9,999,999.99 @ 1,000.00", widestMoney};
    for (int column = 0; column < kColumns; ++column) {
        toolkit::TextBox& cell = txtCells_(column);
        cell.setSampleText(samples[column]);
        fit.need(cell.contentSize(), room(cell));
        for (int row = 0; row < kVisibleRows; ++row)
            txtCells_(row * kColumns + column)
                .setWidestText(widest[column].empty() ? samples[column] : widest[column]);
    }
    for (int i = 0; i < kSettingCount; ++i) {
        txtSettings_(i).setSampleText(
            i == kWinnersSetting ? std::string("39") : display(quorvel::Money::fromWhole(10000)));
        fit.need(txtSettings_(i).contentSize(), room(txtSettings_(i)));
    }
    setScale(fit.scale());
}
