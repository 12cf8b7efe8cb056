#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/field_role.h"
#include "core/money.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"

// The calculator window: a tab strip for the three modes, a row of seven calculator fields and
// the commission panel. All state lives here for the life of the window.
class frmMain : public toolkit::Form {
  public:
    // A control's rectangle in twips, inside its container.
    struct Place {
        int left, top, width, height;
    };

    // format: the separators numbers are read and shown with, the user's locale by default.
    explicit frmMain(quorvel::NumberFormat format);
    frmMain();

    // The fields and labels by what they hold. Fields and labels 0 to 6 are the calculator
    // row, whose meanings change with the mode (core/mode_layout.h); fields 7 and 8 hold the
    // commission rates, and labels 7 to 9 caption them in one layout or the other.
    static constexpr int kCalculatorFields = 7;
    static constexpr int kBackRateField = 7;  // the back rate; shown with two rates only
    static constexpr int kRateField = 8;      // the one rate, or the lay rate with two
    static constexpr int kFieldCount = 9;
    static constexpr int kBackRateLabel = 7;  // with two rates
    static constexpr int kOneRateLabel = 8;   // with one rate
    static constexpr int kLayRateLabel = 9;   // with two rates
    static constexpr int kLabelCount = 10;

    // The controls, loading the window on first use.
    toolkit::TextBox& txtFields(int index) { return loaded(txtFields_, index); }
    toolkit::Label& lblFields(int index) { return loaded(lblFields_, index); }
    toolkit::CheckBox& chkSingleMarket() { return loaded(chkSingleMarket_); }
    toolkit::TabStrip& tabMain() { return loaded(tabMain_); }
    toolkit::Frame& fraFields() { return loaded(fraFields_); }

    // Window state, for those who look in (the tests).
    std::int16_t mode() const { return intMode; }
    quorvel::Money backCommission() const { return curBackCommission; }
    quorvel::Money layCommission() const { return curLayCommission; }
    const toolkit::Line& line1() const { return *Line1; }
    const toolkit::Line& line2() const { return *Line2; }
    const quorvel::NumberFormat& numberFormat() const { return format_; }

    // What Ctrl+M does: open the market window, or bring it to the front.
    std::function<void()> openMarket;
    // What Ctrl+F does: open the offers window, or bring it to the front.
    std::function<void()> openOffers;

  private:
    // Layout and the fixed size.
    void Form_Create() override;
    void createTabs();
    void createCalculatorRow();
    void createCommissionPanel();
    void Form_Resize() override;
    void fitScaleToFont();
    toolkit::Label& newLabel(Place place, const std::string& caption);
    toolkit::TextBox& newField(int index, Place place, const std::string& tag);

    // Start-up and modes.
    void Form_Initialize();
    void Form_Load() override;
    void tabMain_Click();
    void ConfigureField(int index, const std::string& caption, quorvel::FieldRole role,
                        const std::string& tooltip);

    bool Form_KeyDown(int KeyCode, int Shift) override;

    // Commission panel.
    void chkSingleMarket_Click();

    // Field editing.
    void txtFields_GotFocus(int Index);
    void txtFields_KeyPress(int Index, int& KeyAscii);
    void txtFields_KeyUp(int Index, int KeyCode, int Shift);
    void txtFields_MouseMove(int Index, int Button, int Shift, int X, int Y);
    void txtFields_Validate(int Index, bool& Cancel);

    void CalculateResults();

    std::string display(quorvel::Money value) const;

    quorvel::NumberFormat format_;
    toolkit::TextBoxEvents fieldEvents_;
    toolkit::ControlArray<toolkit::TextBox> txtFields_;
    toolkit::ControlArray<toolkit::Label> lblFields_;
    toolkit::CheckBox* chkSingleMarket_ = nullptr;
    toolkit::TabStrip* tabMain_ = nullptr;
    toolkit::Frame* fraFields_ = nullptr;
    toolkit::Line* Line1 = nullptr;
    toolkit::Line* Line2 = nullptr;

    std::int16_t intMode = 0;
    quorvel::Money curBackCommission;
    quorvel::Money curLayCommission;
    std::string strSavedText;
};
