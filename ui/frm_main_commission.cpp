// The commission panel: one rate for a single market, or a back rate and a lay rate.
#include "ui/frm_main.h"

void frmMain::chkSingleMarket_Click() {
    if (chkSingleMarket().value() == 1) {
        lblFields(kBackRateLabel).setVisible(false);
        lblFields(kOneRateLabel).setVisible(true);
        lblFields(kLayRateLabel).setVisible(false);
        txtFields(kBackRateField).setVisible(false);
        txtFields(kRateField).setText(display(curBackCommission));
    } else {
        lblFields(kBackRateLabel).setVisible(true);
        lblFields(kOneRateLabel).setVisible(false);
        lblFields(kLayRateLabel).setVisible(true);
        txtFields(kBackRateField).setText(display(curBackCommission));
        txtFields(kBackRateField).setVisible(true);
        txtFields(kRateField).setText(display(curLayCommission));
    }
    try {
        CalculateResults();
    } catch (const quorvel::MoneyError&) {
        // The results keep their texts; nothing the window accepts gets here.
    }
}
