// The two layouts of the commission panel and the flow of the two rates.
#include "tests/ui/window_driver.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

using CommissionPanel = WindowTest;

TEST_F(CommissionPanel, UntickingShowsTheTwoRateLayout) {
    clickCheckBox();
    EXPECT_EQ(form->chkSingleMarket().value(), 0);
    EXPECT_TRUE(form->lblFields(frmMain::kBackRateLabel).visible());
    EXPECT_TRUE(form->txtFields(kBackRate).visible());
    EXPECT_FALSE(form->lblFields(frmMain::kOneRateLabel).visible());
    EXPECT_TRUE(form->lblFields(frmMain::kLayRateLabel).visible());
    EXPECT_TRUE(form->txtFields(kRate).visible());
    EXPECT_EQ(text(kBackRate), "5.00");
    EXPECT_EQ(text(kRate), "5.00");
}

TEST_F(CommissionPanel, TheSingleRateIsTheBackRate) {
    setField(kRate, "2");
    clickCheckBox();
    EXPECT_EQ(text(kBackRate), "2.00");
    EXPECT_EQ(text(kRate), "5.00");
    clickCheckBox();
    EXPECT_EQ(text(kRate), "2.00");
}

TEST_F(CommissionPanel, TheLayRateSurvivesTheOneRateLayout) {
    clickCheckBox();
    setField(kRate, "3");
    clickCheckBox();
    EXPECT_EQ(text(kRate), "5.00");
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(3));
    clickCheckBox();
    EXPECT_EQ(text(kRate), "3.00");
}

TEST_F(CommissionPanel, AFourDecimalRateShowsTwoAndIsKeptWhole) {
    setField(kRate, "4.5678");
    EXPECT_EQ(text(kRate), "4.57");
    clickCheckBox();
    clickCheckBox();
    EXPECT_EQ(text(kRate), "4.57");
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromCount(45678));
    // The rate in use is the stored one: 4.5678 % of 1.90 / 0.95 net.
    clickTab(2);
    for (const char* input : {"3", "10", "2.5"}) enterValue(input);
    EXPECT_EQ(text(6), (quorvel::Money::fromWhole(2) *
                        (quorvel::Money::fromWhole(1) - quorvel::Money::fromCount(457)))
                           .display(quorvel::NumberFormat::pointComma())
                           .c_str());
}

TEST_F(CommissionPanel, TogglingTwiceKeepsBothRates) {
    clickCheckBox();
    setField(kBackRate, "1");
    setField(kRate, "2");
    clickCheckBox();
    clickCheckBox();
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromWhole(1));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(2));
    EXPECT_EQ(text(kBackRate), "1.00");
    EXPECT_EQ(text(kRate), "2.00");
}

TEST_F(CommissionPanel, AClickAnywhereInTheBoxsRectangleTogglesIt) {
    QWidget* box = toolkit::widgetOf(form->chkSingleMarket());
    click(box, QPoint(box->width() - 2, box->height() / 2));  // right of the caption
    EXPECT_EQ(form->chkSingleMarket().value(), 0);
}

TEST_F(CommissionPanel, TheSpaceBarTogglesTheFocusedBox) {
    clickCheckBox();
    ASSERT_EQ(form->chkSingleMarket().value(), 0);
    key(Qt::Key_Space);
    EXPECT_EQ(form->chkSingleMarket().value(), 1);
    EXPECT_FALSE(form->txtFields(kBackRate).visible());
}

}  // namespace
