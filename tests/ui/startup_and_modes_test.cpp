// Start-up state, and what choosing a tab does to the calculator fields.
#include <QLineEdit>
#include <QPalette>
#include <stdexcept>
#include <string>

#include "core/mode_layout.h"
#include "tests/ui/faulty_form.h"
#include "tests/ui/window_driver.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/qt/qt_access.h"
#include "ui/toolkit/text_box.h"

namespace {

using toolkit::SystemColour;
using StartUp = WindowTest;

TEST_F(StartUp, EndsInModeOneWithOneRateAndTheFocusInFieldZero) {
    EXPECT_EQ(form->mode(), 1);
    const char* captions[7] = {"Lay &Price",    "Lay &Stake",  "&Back Price", "Back Stake",
                               "Lay Liability", "Total Stake", "Net P/L"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(form->lblFields(i).caption(), captions[i]);
        EXPECT_EQ(text(i), "0.00");
    }
    EXPECT_TRUE(form->txtFields(3).fontBold());
    EXPECT_EQ(focusedField(), 0);
    EXPECT_EQ(form->txtFields(0).selStart(), 0);
    EXPECT_EQ(form->txtFields(0).selLength(), 4);
    EXPECT_EQ(form->chkSingleMarket().value(), 1);
    EXPECT_FALSE(form->txtFields(kBackRate).visible());
    EXPECT_FALSE(form->lblFields(frmMain::kBackRateLabel).visible());
    EXPECT_TRUE(form->lblFields(frmMain::kOneRateLabel).visible());
    EXPECT_FALSE(form->lblFields(frmMain::kLayRateLabel).visible());
    EXPECT_EQ(text(kRate), "5.00");
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromWhole(5));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(5));
}

TEST_F(StartUp, LeavesNoDesignTextBehind) {
    for (int i = 0; i < 10; ++i) EXPECT_NE(form->lblFields(i).caption(), "Label1") << i;
    for (int i = 0; i < kFieldCount; ++i) {
        EXPECT_TRUE(!form->txtFields(i).visible() || text(i) != "Text1") << i;
    }
}

TEST_F(StartUp, EscapeRightAwayRestoresTheZeroSavedOnEntry) {
    type("7");
    escape();
    EXPECT_EQ(text(0), "0.00");
}

struct RoleStyle {
    bool bold;
    SystemColour back, fore;
    bool locked, tabStop;
};

RoleStyle styleOf(quorvel::FieldRole role) {
    switch (role) {
        case quorvel::FieldRole::Price:
        case quorvel::FieldRole::Amount:
            return {false, SystemColour::InfoBackground, SystemColour::InfoText, false, true};
        case quorvel::FieldRole::KeyResult:
            return {true, SystemColour::Window, SystemColour::WindowText, true, false};
        default:
            return {false, SystemColour::Window, SystemColour::WindowText, true, false};
    }
}

class ChoosingATab : public WindowTest, public testing::WithParamInterface<int> {};

TEST_P(ChoosingATab, ConfiguresEveryFieldByItsRole) {
    clickTab(GetParam());
    EXPECT_EQ(form->mode(), GetParam());
    const auto& layout = quorvel::modeLayout(quorvel::HedgeMode(GetParam()));
    for (int i = 0; i < 7; ++i) {
        const auto& field = layout[std::size_t(i)];
        toolkit::TextBox& box = form->txtFields(i);
        const RoleStyle style = styleOf(field.role);
        EXPECT_EQ(form->lblFields(i).caption(), field.caption);
        EXPECT_EQ(box.tag(), std::to_string(static_cast<int>(field.role))) << i;
        EXPECT_EQ(box.fontBold(), style.bold) << i;
        EXPECT_EQ(box.locked(), style.locked) << i;
        EXPECT_EQ(box.tabStop(), style.tabStop) << i;
        EXPECT_EQ(box.toolTipText(), "") << i;
        const QPalette palette = toolkit::widgetOf(box)->palette();
        EXPECT_EQ(palette.color(QPalette::Base), toolkit::resolve(style.back)) << i;
        EXPECT_EQ(palette.color(QPalette::Text), toolkit::resolve(style.fore)) << i;
    }
    EXPECT_EQ(form->txtFields(kBackRate).tag(), "2");
    EXPECT_EQ(form->txtFields(kRate).tag(), "2");
}

TEST_P(ChoosingATab, ClearsEverythingAndRecomputesNothing) {
    // A calculation on screen, then a tab: inputs and results are all gone.
    clickTab(2);
    setField(0, "3");
    setField(1, "10");
    setField(2, "2.5");
    ASSERT_EQ(results(), "12.00, 18.00, 28.00, 1.90");
    clickCheckBox();
    setField(kBackRate, "4");
    clickTab(GetParam());
    for (int i = 0; i < frmMain::kCalculatorFields; ++i) EXPECT_EQ(text(i), "0.00") << i;
    EXPECT_EQ(focusedField(), 0);
    EXPECT_EQ(form->txtFields(0).selLength(), 4);
    // The commission panel and both rates are left alone.
    EXPECT_EQ(form->chkSingleMarket().value(), 0);
    EXPECT_EQ(text(kBackRate), "4.00");
    EXPECT_EQ(text(kRate), "5.00");
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromWhole(4));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(5));
}

INSTANTIATE_TEST_SUITE_P(Modes, ChoosingATab, testing::Values(1, 2, 3));

TEST_F(StartUp, TheMouseWheelOverTheTabsChangesNothing) {
    QTabBar* bar = toolkit::tabBarOf(form->tabMain());
    const QPoint at = bar->mapTo(toolkit::windowOf(*form), bar->tabRect(0).center());
    QWheelEvent wheel(at, toolkit::windowOf(*form)->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(handle(), &wheel);
    QApplication::processEvents();
    EXPECT_EQ(form->mode(), 1);
    EXPECT_EQ(form->tabMain().selectedItem(), 1);
}

TEST_F(StartUp, ReadsTheLocalesSeparators) {
    open(quorvel::NumberFormat(",", "."));
    EXPECT_EQ(text(0), "0,00");
    EXPECT_EQ(text(kRate), "5,00");
}

}  // namespace

namespace {

TEST(Toolkit, AHandlersFailureIsReportedAndTheEventLoopGoesOn) {
    std::string reported;
    toolkit::Application::setFailureReport([&](const std::string& text) { reported = text; });
    FaultyForm form;
    form.activate();
    QWindow* window = toolkit::windowOf(form)->windowHandle();
    if (!QTest::qWaitForWindowActive(window))
        QApplication::setActiveWindow(toolkit::windowOf(form));
    form.field->setFocus();
    for (char c : std::string("a!b")) QTest::keyClick(window, c);
    QApplication::processEvents();
    toolkit::Application::setFailureReport(nullptr);
    EXPECT_EQ(reported, "no exclamations");
    EXPECT_EQ(form.field->text(), "ab");
}

TEST_F(StartUp, AClosedWindowStaysWholeAndOpensAgainAsItWas) {
    type("2.5");
    enter();
    toolkit::windowOf(*form)->close();  // as the title bar's close button
    EXPECT_FALSE(form->isOpen());
    EXPECT_EQ(form->txtFields(0).text(), "2.50");
    form->txtFields(1).setText("7");
    form->activate();
    EXPECT_TRUE(form->isOpen());
    EXPECT_EQ(form->txtFields(1).text(), "7");
}

}  // namespace
