#pragma once

#include <string>

#include "core/number_format.h"
#include "ui/offers_sheet.h"
#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"

// The offers window: a tab for a free bet (or a qualifying or refund bet), one for an each-way
// bet, one for an accumulator laid leg by leg; the fields in a row or two, what they work out
// below. What is typed is kept in the user's configuration folder from one start to the next.
class frmOffers : public toolkit::Form {
  public:
    // folder: where the fields are kept, the user's configuration folder by default.
    frmOffers(quorvel::NumberFormat format, const std::string& folder);
    frmOffers();

    static constexpr int kFieldCount = offers::kFieldCount;
    static constexpr int kResultRows = quorvel::kMaxAccaLegs + 1;  // an accumulator's paths
    static constexpr int kResultColumns = 5;
    static constexpr int kLegResults = 3;  // each leg's lay, liability and winnings

    // The controls, loading the window on first use. Result (row, column) is
    // txtResults(row * kResultColumns + column); leg k's lay is txtLegResults(k * 3).
    toolkit::TextBox& txtFields(int index) { return loaded(txtFields_, index); }
    toolkit::TextBox& txtResults(int index) { return loaded(txtResults_, index); }
    toolkit::TextBox& txtLegResults(int index) { return loaded(txtLegResults_, index); }
    toolkit::TabStrip& tabOffers() { return loaded(tabOffers_); }
    toolkit::Label& lblSummary() { return loaded(lblSummary_); }
    toolkit::Label& lblMessage() { return loaded(lblMessage_); }
    toolkit::Label& lblHeadings(int index) { return loaded(lblHeadings_, index); }

    offers::Tab tab() const { return tab_; }

  private:
    // Layout.
    void Form_Create() override;
    void createFields();
    void createLegs();
    void createResults();
    void fitScaleToFont();
    toolkit::Label& newLabel(int left, int top, int width, const std::string& caption);
    toolkit::TextBox& newField(int index, int left, int top, int width);

    // Start-up, the tabs and the kept fields.
    void Form_Load() override;
    void tabOffers_Click();
    void ShowTab();
    void LoadFields();
    void SaveFields();
    bool Form_KeyDown(int KeyCode, int Shift) override;

    // Fields.
    void txtFields_GotFocus(int Index);
    void txtFields_KeyPress(int Index, int& KeyAscii);
    void txtFields_KeyUp(int Index, int KeyCode, int Shift);
    void txtFields_Validate(int Index, bool& Cancel);
    void MoveNext(int Index);

    // Results.
    void CalculateOffer();
    void ShowMessage(const std::string& text);

    quorvel::NumberFormat format_;
    std::string file_;
    offers::Fields fields_ = offers::defaultFields();
    offers::Tab tab_ = offers::kFreeBet;
    std::string strSavedText;
    std::string strLoadMessage;
    std::string strSaveFailure;

    toolkit::TextBoxEvents fieldEvents_;
    toolkit::TextBoxEvents resultEvents_;
    toolkit::ControlArray<toolkit::TextBox> txtFields_;
    toolkit::ControlArray<toolkit::TextBox> txtResults_;
    toolkit::ControlArray<toolkit::TextBox> txtLegResults_;
    toolkit::ControlArray<toolkit::Label> lblHeadings_;
    // The controls of each tab, shown only on it.
    std::array<std::vector<toolkit::Control*>, offers::kTabs> pages_;
    toolkit::TabStrip* tabOffers_ = nullptr;
    toolkit::Label* lblSummary_ = nullptr;
    toolkit::Label* lblMessage_ = nullptr;
};
