// From creation to the first usable state, and the re-configuration of the calculator fields
// each time a tab is chosen.
#include "core/hedge.h"
#include "core/mode_layout.h"
#include "ui/frm_main.h"
#include "ui/toolkit/keyboard.h"

using toolkit::SystemColour;

frmMain::frmMain(quorvel::NumberFormat format) : format_(std::move(format)) {
    Form_Initialize();
}

void frmMain::Form_Initialize() {
    curBackCommission = quorvel::kDefaultCommissionRate;
    curLayCommission = quorvel::kDefaultCommissionRate;
    // Ticking needs the controls: the first use loads the window (Form_Load) before the tick
    // takes effect and raises chkSingleMarket_Click.
    chkSingleMarket().setValue(1);
}

void frmMain::Form_Load() {
    Show();
    tabMain_Click();
}

void frmMain::tabMain_Click() {
    intMode = static_cast<std::int16_t>(tabMain().selectedItem());
    if (quorvel::isKnownMode(intMode)) {
        const quorvel::ModeLayout& layout = quorvel::modeLayout(quorvel::HedgeMode(intMode));
        for (int i = 0; i < kCalculatorFields; ++i) {
            const quorvel::FieldLayout& field = layout[std::size_t(i)];
            ConfigureField(i, std::string(field.caption), field.role, "");
        }
    }
    txtFields(0).setFocus();
}

void frmMain::ConfigureField(int index, const std::string& caption, quorvel::FieldRole role,
                             const std::string& tooltip) {
    lblFields(index).setCaption(caption);
    toolkit::TextBox& field = txtFields(index);
    field.setFontBold(role == quorvel::FieldRole::KeyResult);
    field.setTag(std::to_string(static_cast<int>(role)));
    field.setText(display(quorvel::Money()));
    field.setToolTipText(tooltip);
    if (quorvel::isEditable(role)) {
        field.setBackColor(SystemColour::InfoBackground);
        field.setForeColor(SystemColour::InfoText);
        field.setLocked(false);
        field.setTabStop(true);
    } else {
        field.setBackColor(SystemColour::Window);
        field.setForeColor(SystemColour::WindowText);
        field.setLocked(true);
        field.setTabStop(false);
    }
}

// Ctrl+M opens the market window, Ctrl+F the offers window.
bool frmMain::Form_KeyDown(int KeyCode, int Shift) {
    if (Shift != toolkit::kCtrlMask) return false;
    const std::function<void()>& open = KeyCode == 'M'   ? openMarket
                                        : KeyCode == 'F' ? openOffers
                                                         : nullptr;
    if (!open) return false;
    open();
    return true;
}

std::string frmMain::display(quorvel::Money value) const {
    return value.display(format_);
}
