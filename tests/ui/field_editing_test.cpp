// Entering, editing and leaving fields: the ranges of each role, Enter, Escape, read-only
// fields, the pointer, and what a refused value holds up.
#include <QCursor>

#include "tests/ui/window_driver.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

using FieldEditing = WindowTest;

struct Entry {
    int field;  // in mode 1: 0 price, 1 amount; 8 the commission rate
    const char* typed;
    const char* shown;  // nullptr: refused, and the typed text stays
};

class Leaving : public WindowTest, public testing::WithParamInterface<Entry> {};

std::string entryName(const testing::TestParamInfo<Entry>& param) {
    return "Field" + std::to_string(param.param.field) + "Case" + std::to_string(param.index);
}

TEST_P(Leaving, AcceptsOrRefusesByTheRole) {
    const Entry& e = GetParam();
    clickField(e.field);
    enterValue(e.typed);
    if (e.shown != nullptr) {
        EXPECT_NE(focusedField(), e.field) << e.typed;
        EXPECT_EQ(text(e.field), e.shown) << e.typed;
    } else {
        EXPECT_EQ(focusedField(), e.field) << e.typed;
        EXPECT_EQ(text(e.field), e.typed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Prices, Leaving,
    testing::Values(Entry{0, "", "0.00"}, Entry{0, "   ", "0.00"}, Entry{0, "0", "0.00"},
                    Entry{0, "1", nullptr}, Entry{0, "1.0000", nullptr},
                    Entry{0, "1.0001", nullptr},  // would show as 1.00: a price of 1
                    Entry{0, "1.0049", nullptr}, Entry{0, "1.005", "1.01"},
                    Entry{0, "1.01", "1.01"}, Entry{0, "1000", "1,000.00"},
                    Entry{0, "1000.0001", nullptr}, Entry{0, "-2", nullptr},
                    Entry{0, "1,000", "1,000.00"}, Entry{0, "1.00001", nullptr},
                    Entry{0, "1000.00004", "1,000.00"}, Entry{0, " 2.5 ", "2.50"},
                    Entry{0, "abc", nullptr}, Entry{0, "1.2.3", nullptr}, Entry{0, "1E20", nullptr},
                    Entry{0, "25e-1", "2.50"}),
    entryName);

INSTANTIATE_TEST_SUITE_P(Amounts, Leaving,
                         testing::Values(Entry{1, "0", "0.00"}, Entry{1, "10000", "10,000.00"},
                                         Entry{1, "10000.0001", nullptr},
                                         Entry{1, "-0.01", nullptr}, Entry{1, "", "0.00"}),
                         entryName);

INSTANTIATE_TEST_SUITE_P(Rates, Leaving,
                         testing::Values(Entry{kRate, "0", "0.00"}, Entry{kRate, "5", "5.00"},
                                         Entry{kRate, "5.0001", nullptr},
                                         Entry{kRate, "-1", nullptr},
                                         Entry{kRate, "4.5678", "4.57"},
                                         Entry{kRate, "  ", "0.00"}),
                         entryName);

TEST_F(FieldEditing, EnterOnARefusedValueKeepsTheFocusEveryTime) {
    type("abc");
    for (int i = 0; i < 3; ++i) {
        enter();
        EXPECT_EQ(focusedField(), 0);
        EXPECT_EQ(text(0), "abc");
    }
    tab();
    EXPECT_EQ(focusedField(), 0);
    backtab();
    EXPECT_EQ(focusedField(), 0);
}

TEST_F(FieldEditing, EscapeAfterARefusalRestoresTheLastAcceptedText) {
    enterValue("2.5");
    clickField(0);
    type("1");
    enter();
    ASSERT_EQ(focusedField(), 0);
    escape();
    EXPECT_EQ(text(0), "2.50");
    EXPECT_EQ(form->txtFields(0).selStart(), 0);
    EXPECT_EQ(form->txtFields(0).selLength(), 4);
    enter();
    EXPECT_EQ(focusedField(), 1);
}

TEST_F(FieldEditing, EscapeRecomputesNothingUntilTheFieldIsLeft) {
    clickTab(2);
    for (const char* input : {"3", "10", "2.5"}) enterValue(input);
    clickField(0);
    type("7");
    escape();
    EXPECT_EQ(text(0), "3.00");
    EXPECT_EQ(results(), "12.00, 18.00, 28.00, 1.90");
    form->txtFields(6).setText("stale");
    escape();
    EXPECT_EQ(text(6), "stale");
    tab();  // leaving unchanged still rewrites and recomputes
    EXPECT_EQ(text(6), "1.90");
}

TEST_F(FieldEditing, LeavingUnchangedRewritesInTheDisplayForm) {
    form->txtFields(1).setText("12.5");  // a text nobody rewrote yet
    clickField(1);
    tab();
    EXPECT_EQ(text(1), "12.50");
}

TEST_F(FieldEditing, ReadOnlyFieldsAreNeverCheckedNorRestored) {
    clickTab(2);
    for (const char* input : {"3", "10", "2.5"}) enterValue(input);
    form->txtFields(4).setText("stale");
    clickField(3);
    EXPECT_EQ(focusedField(), 3);
    type("9");
    escape();
    EXPECT_EQ(text(3), "12.00");
    enter();  // moves on without a check
    EXPECT_EQ(QApplication::focusWidget(), toolkit::widgetOf(form->chkSingleMarket()));
    EXPECT_EQ(text(4), "stale");  // nothing recomputed
}

TEST_F(FieldEditing, ThePointerShowsWhichFieldsAreReadOnly) {
    moveMouseOver(toolkit::widgetOf(form->txtFields(3)));
    EXPECT_EQ(form->txtFields(3).mousePointer(), toolkit::MousePointer::Arrow);
    EXPECT_EQ(toolkit::widgetOf(form->txtFields(3))->cursor().shape(), Qt::ArrowCursor);
    moveMouseOver(toolkit::widgetOf(form->txtFields(0)));
    EXPECT_EQ(form->txtFields(0).mousePointer(), toolkit::MousePointer::Default);
    EXPECT_EQ(toolkit::widgetOf(form->txtFields(0))->cursor().shape(), Qt::IBeamCursor);
    // A new mode gives field 1 another role; the pointer follows from the next movement on.
    moveMouseOver(toolkit::widgetOf(form->txtFields(1)));
    EXPECT_EQ(toolkit::widgetOf(form->txtFields(1))->cursor().shape(), Qt::IBeamCursor);
    clickTab(3);
    moveMouseOver(toolkit::widgetOf(form->txtFields(1)));
    EXPECT_EQ(toolkit::widgetOf(form->txtFields(1))->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FieldEditing, AClickSelectsTheWholeText) {
    enterValue("2.5");
    clickField(0);
    EXPECT_EQ(form->txtFields(0).selStart(), 0);
    EXPECT_EQ(form->txtFields(0).selLength(), 4);
    type("3");
    EXPECT_EQ(text(0), "3");
}

TEST_F(FieldEditing, ARefusedValueHoldsUpEveryOtherControl) {
    type("abc");
    clickTab(2);
    EXPECT_EQ(form->mode(), 1);
    EXPECT_EQ(focusedField(), 0);
    clickCheckBox();
    EXPECT_EQ(form->chkSingleMarket().value(), 1);
    clickField(2);
    EXPECT_EQ(focusedField(), 0);
    clickField(3);
    EXPECT_EQ(focusedField(), 0);
    alt('a');
    alt('m');
    alt('b');
    QTest::qWait(150);  // longer than a check box's access-key click takes
    EXPECT_EQ(form->mode(), 1);
    EXPECT_EQ(form->chkSingleMarket().value(), 1);
    EXPECT_EQ(focusedField(), 0);
    EXPECT_EQ(text(0), "abc");
    // A click on a label or the frame takes no focus and needs no check.
    click(toolkit::widgetOf(form->lblFields(5)));
    EXPECT_EQ(focusedField(), 0);
    // Any button, and a focus change no input check sees: the field takes the focus back
    // without entering either field, so Escape restores its own text.
    QWidget* other = toolkit::widgetOf(form->txtFields(1));
    QTest::mouseClick(handle(), Qt::RightButton, Qt::NoModifier,
                      other->mapTo(toolkit::windowOf(*form), other->rect().center()));
    other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(focusedField(), 0);
    EXPECT_EQ(text(0), "abc");
    escape();
    EXPECT_EQ(text(0), "0.00");
    clickTab(2);
    EXPECT_EQ(form->mode(), 2);
}

TEST_F(FieldEditing, WindowDeactivationDoesNotCheck) {
    type("abc");
    switchAwayAndBack();
    EXPECT_EQ(focusedField(), 0);
    EXPECT_EQ(text(0), "abc");
}

TEST_F(FieldEditing, ComingBackToTheWindowIsNotEnteringTheFieldAgain) {
    enterValue("2.5");
    clickField(0);
    type("7");
    switchAwayAndBack();
    escape();  // back to what the field held when it was entered
    EXPECT_EQ(text(0), "2.50");
    selectAllInFocusedField();
    type("2.");
    switchAwayAndBack();
    type("5");  // the caret stayed where it was
    EXPECT_EQ(text(0), "2.5");
}

TEST_F(FieldEditing, KeysTypedAfterEnterGoWhereEnterMovedTheFocus) {
    clickTab(2);
    burst("3\r10\r2.5\r");
    EXPECT_EQ(text(0) + " " + text(1) + " " + text(2), "3.00 10.00 2.50");
    EXPECT_EQ(results(), "12.00, 18.00, 28.00, 1.90");
    // A refusal keeps the focus, and the keys after it with it.
    clickTab(2);
    burst("1\r5\r");
    EXPECT_EQ(text(0), "15.00");
    EXPECT_EQ(focusedField(), 1);
}

TEST_F(FieldEditing, OneRateIsStoredAsTheBackRate) {
    setField(kRate, "2");
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromWhole(2));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(5));
}

TEST_F(FieldEditing, TwoRatesAreStoredWhereTheirFieldsStand) {
    clickCheckBox();
    setField(kBackRate, "1.5");
    setField(kRate, "3");
    EXPECT_EQ(form->backCommission(), quorvel::Money::fromCount(15000));
    EXPECT_EQ(form->layCommission(), quorvel::Money::fromWhole(3));
}

}  // namespace
