#include "core/hedge.h"
#include "ui/frm_main.h"

// Reads the mode's inputs, computes, and writes the mode's results. A failure leaves every
// field as it was and passes to the caller.
void frmMain::CalculateResults() {
    if (!quorvel::isKnownMode(intMode)) return;
    const quorvel::ModeFields fields = quorvel::modeFields(quorvel::HedgeMode(intMode));
    quorvel::Money inputs[3];
    for (std::size_t i = 0; i < 3; ++i)
        inputs[i] = quorvel::Money::parse(txtFields(fields.inputs[i]).text(), format_);
    const bool singleMarket = chkSingleMarket().value() == 1;
    const quorvel::HedgeResults results =
        quorvel::ComputeHedge(intMode, singleMarket, curBackCommission, curLayCommission, inputs[0],
                              inputs[1], inputs[2]);
    for (const quorvel::FieldValue& result : results)
        txtFields(result.field).setText(display(result.value));
}
