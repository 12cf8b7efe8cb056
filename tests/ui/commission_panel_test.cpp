// The two layouts of the commission panel and the flow of the two rates.
#include "tests/ui/window_driver.h"

namespace {

using CommissionPanel = WindowTest;

TEST_F(CommissionPanel, UntickingShowsTheTwoRateLayout) {
    clickCheckBox();
    EXPECT_EQ(form->chkSingleMarket().value(), 0);
    EXPECT_TRUE(form->lblFields(7).visible());
    EXPECT_TRUE(form->txtFields(7).visible());
    EXPECT_FALSE(form->lblFields(8).visible());
    EXPECT_TRUE(form->lblFields(9).visible());
    EXPECT_TRUE(form->txtFields(8).visible());
    EXPECT_EQ(text(7), "5.00");
    EXPECT_EQ(text(8), "5.00");
}

TEST_F(CommissionPanel, TheSingleRateIsTheBackRate) {
    setField(8, "2");
    clickCheckBox();
    EXPECT_EQ(text(7), "2.00");
    EXPECT_EQ(text(8), "5.00");
    clickCheckBox();
    EXPECT_EQ(text(8), "2.00");
}

TEST_F(CommissionPanel, TheLayRateSurvivesTheOneRateLayout) {
    clickCheckBox();
    setField(8, "3");
    clickCheckBox();
    EXPECT_EQ(text(8), "5.00");
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(3));
    clickCheckBox();
    EXPECT_EQ(text(8), "3.00");
}

TEST_F(CommissionPanel, AFourDecimalRateShowsTwoAndIsKeptWhole) {
    setField(8, "4.5678");
    EXPECT_EQ(text(8), "4.57");
    clickCheckBox();
    clickCheckBox();
    EXPECT_EQ(text(8), "4.57");
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
    setField(7, "1");
    setField(8, "2");
    clickCheckBox();
    clickCheckBox();
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromWhole(1));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(2));
    EXPECT_EQ(text(7), "1.00");
    EXPECT_EQ(text(8), "2.00");
}

TEST_F(CommissionPanel, AClickAnywhereInTheBoxsRectangleTogglesIt) {
    QWidget* box = form->chkSingleMarket().widget();
    click(box, QPoint(box->width() - 2, box->height() / 2));  // right of the caption
    EXPECT_EQ(form->chkSingleMarket().value(), 0);
}

TEST_F(CommissionPanel, TheSpaceBarTogglesTheFocusedBox) {
    clickCheckBox();
    ASSERT_EQ(form->chkSingleMarket().value(), 0);
    key(Qt::Key_Space);
    EXPECT_EQ(form->chkSingleMarket().value(), 1);
    EXPECT_FALSE(form->txtFields(7).visible());
}

}  // namespace
