// Every hedge typed into the window as a trader would, in both commission models.
#include "tests/ui/window_driver.h"
#include "tests/worked_examples.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

using Calculation = worked::Example;

class TypedCalculation : public WindowTest, public testing::WithParamInterface<Calculation> {};

TEST_P(TypedCalculation, ShowsTheExpectedResults) {
    const Calculation& c = GetParam();
    if (!c.single) {
        clickCheckBox();
        setField(kBackRate, c.backRate);
        setField(kRate, c.layRate);
    } else {
        setField(kRate, c.backRate);
    }
    clickTab(c.mode);
    for (const char* input : c.inputs) enterValue(input);
    EXPECT_EQ(results(), c.results);
}

INSTANTIATE_TEST_SUITE_P(
    Window, TypedCalculation,
    testing::Values(
        Calculation{
            "BetBackNoLayStake", 1, false, "5", "5", {"2.5", "0", "3"}, "0.00, 0.00, 0.00, 0.00"},
        Calculation{
            "LayBackNoLayPrice", 2, true, "5", "5", {"3", "10", "0"}, "0.00, 0.00, 0.00, 0.00"},
        Calculation{
            "NegativeNet", 2, true, "5", "5", {"2", "10", "2.5"}, "8.00, 12.00, 22.00, -2.00"},
        Calculation{"NoCommissionSingle",
                    1,
                    true,
                    "0",
                    "0",
                    {"2.5", "10", "3"},
                    "8.33, 15.00, 23.33, 1.67"},
        Calculation{"NoCommissionSeparate",
                    1,
                    false,
                    "0",
                    "0",
                    {"2.5", "10", "3"},
                    "8.33, 15.00, 23.33, 1.67"},
        Calculation{"GroupedResults",
                    2,
                    true,
                    "5",
                    "5",
                    {"1000", "10000", "1.01"},
                    "9,900,990.10, 99,009.90, 109,009.90, 9,396,440.59"}),
    [](const testing::TestParamInfo<Calculation>& param) { return std::string(param.param.name); });
INSTANTIATE_TEST_SUITE_P(WorkedExamples, TypedCalculation, testing::ValuesIn(worked::kExamples),
                         [](const testing::TestParamInfo<Calculation>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(WindowTest, TheRoadOfATypicalEdit) {
    clickTab(2);
    type("3");
    enter();
    EXPECT_EQ(text(0), "3.00");
    EXPECT_EQ(focusedField(), 1);
    EXPECT_EQ(form->txtFields(1).selLength(), 4);    // typing replaces the 0.00
    EXPECT_EQ(results(), "0.00, 0.00, 0.00, 0.00");  // one input is still 0
    type("10");
    enter();
    type("2.5");
    enter();
    EXPECT_EQ(results(), "12.00, 18.00, 28.00, 1.90");
    EXPECT_EQ(QApplication::focusWidget(), toolkit::widgetOf(form->chkSingleMarket()));
}

TEST_F(WindowTest, ToggleRecomputesUnderTheOtherModel) {
    clickTab(2);
    for (const char* input : {"3", "10", "2.5"}) enterValue(input);
    clickCheckBox();
    EXPECT_EQ(results(), "11.84, 17.76, 27.76, 1.24");
    clickCheckBox();
    EXPECT_EQ(results(), "12.00, 18.00, 28.00, 1.90");
}

TEST_F(WindowTest, ReadsAndShowsADecimalComma) {
    open(quorvel::NumberFormat(",", "."));
    clickTab(2);
    enterValue("3");
    enterValue("10");
    enterValue("2,5");
    EXPECT_EQ(text(2), "2,50");
    EXPECT_EQ(results(), "12,00, 18,00, 28,00, 1,90");
    clickField(1);
    enterValue("1.000");  // a grouping point: one thousand
    EXPECT_EQ(text(1), "1.000,00");
}

}  // namespace
