// A bounded storm of random user input with a fixed seed. After every event the window must
// still be sound: the focus on a visible control, every field not being edited holding a
// display text, both rates in range, and after an accepted value, results that match the core.
#include <random>

#include "core/field_role.h"
#include "core/hedge.h"
#include "tests/ui/window_driver.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

class RandomEvents : public WindowTest {
  protected:
    std::mt19937 rng{20261207};

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // One user action; returns a short description for failure messages.
    std::string act() {
        static const char kTyped[] = "0123456789.,-e a";
        static const char kAccess[] = "eatpsblfmkry";
        switch (pick(12)) {
            case 0:
            case 1:
            case 2:
            case 3: {
                const char c = kTyped[pick(sizeof kTyped - 1)];
                QTest::keyClick(handle(), c);
                return std::string("type ") + c;
            }
            case 4:
                QTest::keyClick(handle(), Qt::Key_Return);
                return "enter";
            case 5:
                QTest::keyClick(handle(), Qt::Key_Escape);
                return "escape";
            case 6:
                QTest::keyClick(handle(), pick(2) ? Qt::Key_Tab : Qt::Key_Backtab,
                                pick(2) ? Qt::NoModifier : Qt::ShiftModifier);
                return "tab";
            case 7: {
                const char c = kAccess[pick(sizeof kAccess - 1)];
                QTest::keyClick(handle(), c, Qt::AltModifier);
                return std::string("alt ") + c;
            }
            case 8:
                QTest::keyClick(handle(), Qt::Key_Backspace);
                return "backspace";
            case 9: {
                const int i = pick(9);
                if (form->txtFields(i).visible()) clickField(i);
                return "click field " + std::to_string(i);
            }
            case 10: {
                const int i = 1 + pick(3);
                clickTab(i);
                return "click tab " + std::to_string(i);
            }
            default:
                if (pick(2)) {
                    clickCheckBox();
                    return "click check box";
                }
                click(toolkit::widgetOf(form->lblFields(pick(frmMain::kCalculatorFields))));
                return "click label";
        }
    }

    void expectSound(const std::string& what, int leftField) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << what;
        ASSERT_TRUE(focus->isVisible() && focus->isEnabled()) << what;

        const quorvel::NumberFormat& format = form->numberFormat();
        for (int i = 0; i < kFieldCount; ++i) {
            toolkit::TextBox& field = form->txtFields(i);
            if (field.hasFocus() || !field.visible()) continue;
            const std::string text = field.text();
            ASSERT_EQ(quorvel::Money::parse(text, format).display(format), text)
                << what << ": field " << i;
        }
        for (quorvel::Money rate : {form->backCommission(), form->layCommission()})
            ASSERT_TRUE(quorvel::isAccepted(quorvel::FieldRole::Commission, rate)) << what;

        // The field that was just left accepted its value: the results are current.
        if (leftField >= 0 && form->txtFields(leftField).tag() != "3" &&
            form->txtFields(leftField).tag() != "4") {
            const auto mode = quorvel::HedgeMode(form->mode());
            const quorvel::ModeFields fields = quorvel::modeFields(mode);
            quorvel::Money in[3];
            for (int k = 0; k < 3; ++k)
                in[k] = quorvel::Money::parse(text(fields.inputs[std::size_t(k)]).toStdString(),
                                              format);
            const auto expected = quorvel::ComputeHedge(mode, form->chkSingleMarket().value() == 1,
                                                        form->backCommission(),
                                                        form->layCommission(), in[0], in[1], in[2]);
            for (const quorvel::FieldValue& r : expected)
                ASSERT_EQ(text(r.field).toStdString(), r.value.display(format))
                    << what << ": result field " << r.field;
        }
    }
};

TEST_F(RandomEvents, LeaveTheWindowSound) {
    const int events = qEnvironmentVariableIntValue("QUORVEL_RANDOM_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("QUORVEL_RANDOM_EVENTS")
                           : 20000;
    for (int n = 0; n < events; ++n) {
        const int before = focusedField();
        const QString beforeText = before >= 0 ? text(before) : QString();
        const std::string what = std::to_string(n) + " " + act();
        QApplication::processEvents();
        const int after = focusedField();
        const bool left = before >= 0 && after != before;
        ASSERT_NO_FATAL_FAILURE(expectSound(what, left ? before : -1));
        if (HasFailure()) return;
    }
}

}  // namespace
