// What every text field does: select on entry, Enter moves on, Escape restores, the pointer
// tells read-only fields, and leaving checks the value against the field's role.
#include <algorithm>

#include "core/field_role.h"
#include "ui/frm_main.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/text.h"

namespace {

// Empty, or spaces only (other white space is not a blank here).
bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}  // namespace

void frmMain::txtFields_GotFocus(int Index) {
    toolkit::TextBox& field = txtFields(Index);
    if (field.locked()) return;
    strSavedText = field.text();
    field.setSelStart(0);
    field.setSelLength(toolkit::characterCount(field.text()));
}

void frmMain::txtFields_KeyPress(int /*Index*/, int& KeyAscii) {
    if (KeyAscii == toolkit::kEnter) {
        KeyAscii = 0;
        toolkit::pressTab();
    }
}

void frmMain::txtFields_KeyUp(int Index, int KeyCode, int /*Shift*/) {
    toolkit::TextBox& field = txtFields(Index);
    if (KeyCode != toolkit::kEscape || field.locked()) return;
    field.setText(strSavedText);
    field.setSelStart(0);
    field.setSelLength(toolkit::characterCount(strSavedText));
}

void frmMain::txtFields_MouseMove(int Index, int /*Button*/, int /*Shift*/, int /*X*/, int /*Y*/) {
    toolkit::TextBox& field = txtFields(Index);
    field.setMousePointer(field.locked() ? toolkit::MousePointer::Arrow
                                         : toolkit::MousePointer::Default);
}

void frmMain::txtFields_Validate(int Index, bool& Cancel) {
    toolkit::TextBox& field = txtFields(Index);
    if (field.locked()) return;
    if (isBlank(field.text())) field.setText("0");

    const auto role = quorvel::fieldRoleOfTag(field.tag());
    quorvel::Money value;
    bool refused = false;
    try {
        value = quorvel::Money::parse(field.text(), format_);
        if (role && quorvel::isEditable(*role)) refused = !quorvel::isAccepted(*role, value);
    } catch (const quorvel::MoneyError&) {
        refused = true;
    }
    if (refused) {
        Cancel = true;
        return;
    }

    field.setText(display(value));
    if (role == quorvel::FieldRole::Commission) {
        if (Index == kBackRateField || chkSingleMarket().value() == 1)
            curBackCommission = value;
        else
            curLayCommission = value;
    }
    try {
        CalculateResults();
    } catch (const quorvel::MoneyError&) {
        // Not a refusal: the value stays accepted and the focus moves on; the results keep
        // their texts.
    }
}
