// What the offers fields do, as the calculator's do: select on entry, Enter moves on, Escape
// restores, and leaving checks the field: a value that cannot be used keeps the focus and says
// why.
#include "ui/frm_offers.h"
#include "ui/toolkit/keyboard.h"

void frmOffers::txtFields_GotFocus(int Index) {
    toolkit::TextBox& field = txtFields(Index);
    strSavedText = field.text();
    field.selectAll();
}

void frmOffers::txtFields_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii != toolkit::kEnter) return;
    KeyAscii = 0;
    MoveNext(Index);
}

void frmOffers::txtFields_KeyUp(int Index, int KeyCode, int /*Shift*/) {
    if (KeyCode != toolkit::kEscape) return;
    toolkit::TextBox& field = txtFields(Index);
    field.setText(strSavedText);
    field.selectAll();
    ShowMessage("");
}

void frmOffers::txtFields_Validate(int Index, bool& Cancel) {
    toolkit::TextBox& field = txtFields(Index);
    const offers::Accepted accepted = offers::acceptField(Index, field.text(), format_);
    if (!accepted.text) {
        ShowMessage(accepted.refusal);
        Cancel = true;
        return;
    }
    ShowMessage("");
    field.setText(*accepted.text);
    std::string& kept = fields_[static_cast<std::size_t>(Index)];
    if (kept == *accepted.text) return;
    kept = *accepted.text;
    SaveFields();
    CalculateOffer();
}

// The next field of the tab, the first after its last; leaving checks this one first.
void frmOffers::MoveNext(int Index) {
    const offers::Tab tab = offers::fieldInfo(Index).tab;
    int next = Index + 1;
    if (next >= kFieldCount || offers::fieldInfo(next).tab != tab) {
        next = Index;
        while (next > 0 && offers::fieldInfo(next - 1).tab == tab) --next;
    }
    txtFields(next).setFocus();
}

bool frmOffers::Form_KeyDown(int KeyCode, int Shift) {
    // Ctrl+Tab and Ctrl+Shift+Tab go round the tabs, as in a browser.
    if (KeyCode != toolkit::kTab || (Shift & toolkit::kCtrlMask) == 0) return false;
    const int step = (Shift & toolkit::kShiftMask) != 0 ? offers::kTabs - 1 : 1;
    tabOffers().setSelectedItem((tab_ + step) % offers::kTabs + 1);
    tabOffers_Click();
    return true;
}
