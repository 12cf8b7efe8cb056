// The commission panel: one rate for a single market, or a back rate and a lay rate.
#include "ui/frm_main.h"

void frmMain::chkSingleMarket_Click() {
    if (chkSingleMarket().value() == 1) {
        lblFields(7).setVisible(false);
        lblFields(8).setVisible(true);
        lblFields(9).setVisible(false);
        txtFields(7).setVisible(false);
        txtFields(8).setText(display(curBackCommission));
    } else {
        lblFields(7).setVisible(true);
        lblFields(8).setVisible(false);
        lblFields(9).setVisible(true);
        txtFields(7).setText(display(curBackCommission));
        txtFields(7).setVisible(true);
        txtFields(8).setText(display(curLayCommission));
    }
    try {
        CalculateResults();
    } catch (const quorvel::MoneyError&) {
        // The results keep their texts; nothing the window accepts gets here.
    }
}
