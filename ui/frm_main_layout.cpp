// The window as it is created: every control, its place, its tab order and its design state;
// and the rule that keeps the window at its fixed size.
#include <cassert>

#include "core/mode_layout.h"
#include "core/version.h"
#include "ui/frm_main.h"
#include "ui/toolkit/scale_fit.h"
#include "ui/user_number_format.h"

using toolkit::SystemColour;

namespace {

constexpr int kOuterWidth = 6675;
constexpr int kOuterHeight = 1845;
constexpr int kClientWidth = 6555;
constexpr int kClientHeight = 1440;

// Labels and fields of the calculator row; label 0 stands 20 twips right of its field.
constexpr frmMain::Place kRowLabels[frmMain::kCalculatorFields] = {
    {120, 75, 850, 195},  {1000, 75, 850, 195}, {1900, 75, 850, 195}, {2800, 75, 850, 195},
    {3700, 75, 850, 195}, {4600, 75, 850, 195}, {5500, 75, 850, 195}};
constexpr frmMain::Place kRowFields[frmMain::kCalculatorFields] = {
    {100, 300, 850, 285},  {1000, 300, 850, 285}, {1900, 300, 850, 285}, {2800, 300, 850, 285},
    {3700, 300, 850, 285}, {4600, 300, 850, 285}, {5500, 300, 850, 285}};

}  // namespace

frmMain::frmMain() : frmMain(userNumberFormat()) {}

// The next label of lblFields, in the frame.
toolkit::Label& frmMain::newLabel(Place place, const std::string& caption) {
    auto& label = addIn<toolkit::Label>(*fraFields_);
    label.setTwipGeometry(place.left, place.top, place.width, place.height);
    label.setCaption(caption);
    lblFields_.append(label, lblFields_.count());
    return label;
}

// The next text box of txtFields, in the frame, with its design text and tag.
toolkit::TextBox& frmMain::newField(int index, Place place, const std::string& tag) {
    // A box copies the events when it is made: they must be wired before the first one.
    assert(fieldEvents_.validate && "the field events are wired before the fields are made");
    auto& field = addIn<toolkit::TextBox>(*fraFields_, index, fieldEvents_);
    field.setTwipGeometry(place.left, place.top, place.width, place.height);
    field.setText("Text1");
    field.setTag(tag);
    txtFields_.append(field, index);
    return field;
}

void frmMain::Form_Create() {
    setCaption("Quorvel Single Selection - Version " + std::string(quorvel::kShortVersion));
    // Only the few sizes a title bar or task list draws: each is decoded here.
    setIcon("quorvel", {QUORVEL_ICON_SIZES});
    setBackColor(SystemColour::ButtonFace);

    createTabs();
    // In front of the tab strip, not on one of its pages: it stays whichever tab is chosen.
    fraFields_ = &add<toolkit::Frame>();
    fraFields_->setTwipGeometry(50, 330, 6450, 1000);
    fraFields_->bringToFront();
    createCalculatorRow();
    createCommissionPanel();
    // The etched separator: dark row, light row directly under it.
    Line1 = &fraFields_->addLine(75, 650, 6375, 650, SystemColour::DarkShadow3D);
    Line2 = &fraFields_->addLine(75, 655, 6375, 655, SystemColour::Light3D);

    // The one numbering of the tab order; labels and the frame never take the focus.
    std::vector<const toolkit::Control*> order;
    for (int i = 0; i < kCalculatorFields; ++i) order.push_back(&txtFields_(i));
    order.insert(order.end(), {chkSingleMarket_, &txtFields_(kBackRateField),
                               &txtFields_(kRateField), tabMain_});
    setTabOrder(order);

    fitScaleToFont();
    setClientSize(kClientWidth, kClientHeight);
}

void frmMain::createTabs() {
    tabMain_ = &add<toolkit::TabStrip>();
    tabMain_->setTwipGeometry(0, 0, 6550, 1440);
    for (const quorvel::ModeDescriptor& mode : quorvel::kModes)
        tabMain_->addTab(std::string(mode.tabCaption), std::string(mode.tabToolTip));
    tabMain_->click = [this] { tabMain_Click(); };
}

void frmMain::createCalculatorRow() {
    fieldEvents_.gotFocus = [this](int i) { txtFields_GotFocus(i); };
    fieldEvents_.keyPress = [this](int i, int& key) { txtFields_KeyPress(i, key); };
    fieldEvents_.keyUp = [this](int i, int key, int shift) { txtFields_KeyUp(i, key, shift); };
    fieldEvents_.mouseMove = [this](int i, int button, int shift, int x, int y) {
        txtFields_MouseMove(i, button, shift, x, y);
    };
    fieldEvents_.validate = [this](int i, bool& cancel) { txtFields_Validate(i, cancel); };

    // Labels never take the focus; each leads to the next control after it that can.
    for (int i = 0; i < kCalculatorFields; ++i) {
        toolkit::Label& label = newLabel(kRowLabels[i], "Label1");
        label.setBuddy(&newField(i, kRowFields[i], ""));
    }
}

void frmMain::createCommissionPanel() {
    chkSingleMarket_ = &addIn<toolkit::CheckBox>(*fraFields_, "Single Betting &Market");
    chkSingleMarket_->setTwipGeometry(120, 750, 1850, 195);
    chkSingleMarket_->click = [this] { chkSingleMarket_Click(); };

    toolkit::Label& backLabel = newLabel({2340, 750, 2205, 195}, "Current Commission (%)    Bac&k");
    toolkit::TextBox& backField = newField(kBackRateField, {4600, 700, 650, 285}, "2");
    backField.setVisible(false);
    toolkit::Label& singleLabel =
        newLabel({2730, 750, 2895, 195}, "Current &Rate Of Commission Charged (%)");
    toolkit::Label& layLabel = newLabel({5350, 750, 285, 195}, "La&y");
    toolkit::TextBox& layField = newField(kRateField, {5710, 700, 650, 285}, "2");
    backLabel.setBuddy(&backField);
    singleLabel.setBuddy(&layField);
    layLabel.setBuddy(&layField);
}

void frmMain::fitScaleToFont() {
    toolkit::ScaleFit fit;
    auto room = [](const toolkit::Control& c) { return c.twipGeometry().size(); };
    for (const auto& control : controls()) fit.need(control->contentSize(), room(*control));
    // Captions the row labels take on in the modes, a nine-character value in each calculator
    // field and the widest rate in the commission fields.
    const std::string widestValue = display(quorvel::Money::fromCount(999'999'900));
    const std::string widestRate = display(quorvel::Money::fromCount(999'900));
    for (int i = 0; i < kFieldCount; ++i)
        txtFields_(i).setSampleText(i < kCalculatorFields ? widestValue : widestRate);
    // Accepted inputs keep every result below 10^8 in size: a stake is at most 10,000 x 1,000
    // / 1.005, under 10^7, and a liability, total or net at most twice that. A longer value is
    // drawn smaller rather than cut, down to the size this one needs.
    const std::string widestResult = display(quorvel::Money::fromCount(-999'999'999'999));
    for (int i = 0; i < kFieldCount; ++i)
        txtFields_(i).setWidestText(i < kCalculatorFields ? widestResult : widestRate);
    // The fields of a row share font, style and size: one of each row speaks for all.
    for (int i : {0, kBackRateField}) fit.need(txtFields_(i).contentSize(), room(txtFields_(i)));
    for (const quorvel::ModeDescriptor& mode : quorvel::kModes) {
        for (int i = 0; i < kCalculatorFields; ++i) {
            const std::string caption(mode.fields[std::size_t(i)].caption);
            fit.need(lblFields_(i).contentSizeFor(caption), room(lblFields_(i)));
        }
    }
    // The tabs stand above the frame.
    fit.need(tabMain_->contentSize().height, fraFields_->twipGeometry().top);
    setScale(fit.scale());
}

void frmMain::Form_Resize() {
    // Every step that fails is skipped: a maximized window refuses a new size and stays so.
    if (windowState() == toolkit::kMinimized) return;
    try {
        setWidth(kOuterWidth);
    } catch (const toolkit::RefusedChange&) {
    }
    try {
        setHeight(kOuterHeight);
    } catch (const toolkit::RefusedChange&) {
    }
}
