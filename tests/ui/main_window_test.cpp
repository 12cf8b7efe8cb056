// The window as created: title, icon, size rule, tab order, access keys, lines, fit of text.
#include <QAccessible>
#include <QCheckBox>
#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>

#include "tests/ui/window_driver.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, HasItsTitleAndIcon) {
    EXPECT_EQ(toolkit::windowOf(*form)->windowTitle(), "Quorvel Single Selection - Version 0.9");
    EXPECT_FALSE(toolkit::windowOf(*form)->windowIcon().isNull());
    const QImage icon(":/quorvel/icon-32.png");
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_FALSE(icon.hasAlphaChannel());
    EXPECT_EQ(icon.depth() >= 24, true);
}

TEST_F(MainWindow, KeepsItsFixedOuterSize) {
    const QSize fixed(form->scale().px(6675), form->scale().px(1845));
    EXPECT_EQ(toolkit::windowOf(*form)->frameGeometry().size(), fixed);
    EXPECT_EQ(form->width(), 6675);
    EXPECT_EQ(form->height(), 1845);

    // A drag of the border to any size is undone.
    for (QSize dragged : {QSize(900, 500), QSize(200, 80), QSize(fixed.width(), 400)}) {
        toolkit::windowOf(*form)->resize(dragged);
        QApplication::processEvents();
        EXPECT_EQ(toolkit::windowOf(*form)->frameGeometry().size(), fixed) << dragged.width();
    }
}

TEST_F(MainWindow, MinimizedKeepsItsSizeAndMaximizedStaysMaximized) {
    QWidget* window = toolkit::windowOf(*form);
    const QSize fixed = window->frameGeometry().size();
    window->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(form->windowState(), toolkit::kMinimized);
    EXPECT_EQ(window->frameGeometry().size(), fixed);
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window->frameGeometry().size(), fixed);

    window->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(form->windowState(), toolkit::kMaximized);
    EXPECT_NE(window->frameGeometry().size(), fixed);  // the controls sit in its top-left corner
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form->windowState(), toolkit::kNormal);
    EXPECT_EQ(window->frameGeometry().size(), fixed);
}

TEST_F(MainWindow, TabVisitsEveryControlInTabIndexOrder) {
    clickCheckBox();  // two rates: field 7 shows
    for (int i = 0; i < frmMain::kCalculatorFields; ++i) form->txtFields(i).setTabStop(true);
    clickField(0);
    const std::vector<QWidget*> expected = {
        toolkit::widgetOf(form->txtFields(1)),      toolkit::widgetOf(form->txtFields(2)),
        toolkit::widgetOf(form->txtFields(3)),      toolkit::widgetOf(form->txtFields(4)),
        toolkit::widgetOf(form->txtFields(5)),      toolkit::widgetOf(form->txtFields(6)),
        toolkit::widgetOf(form->chkSingleMarket()), toolkit::widgetOf(form->txtFields(kBackRate)),
        toolkit::widgetOf(form->txtFields(kRate)),  toolkit::tabBarOf(form->tabMain()),
        toolkit::widgetOf(form->txtFields(0))};
    for (QWidget* next : expected) {
        tab();
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
}

struct CycleCase {
    int mode;
    std::vector<int> fields;  // the editable fields in Tab order; -1 the check box, -2 the tabs
};

class TabCycle : public WindowTest, public testing::WithParamInterface<CycleCase> {};

TEST_P(TabCycle, SkipsResultFieldsAndHiddenOnes) {
    clickTab(GetParam().mode);
    EXPECT_EQ(focusedField(), 0);
    for (int expected : GetParam().fields) {
        tab();
        QWidget* focus = QApplication::focusWidget();
        if (expected == -1)
            EXPECT_EQ(focus, toolkit::widgetOf(form->chkSingleMarket()));
        else if (expected == -2)
            EXPECT_EQ(focus, toolkit::tabBarOf(form->tabMain()));
        else
            EXPECT_EQ(focusedField(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, TabCycle,
                         testing::Values(CycleCase{1, {1, 2, -1, 8, -2, 0}},
                                         CycleCase{2, {1, 2, -1, 8, -2, 0}},
                                         CycleCase{3, {2, 5, -1, 8, -2, 0}}));

TEST_F(MainWindow, ShiftTabGoesBackwards) {
    clickField(2);
    backtab();
    EXPECT_EQ(focusedField(), 1);
    backtab();
    EXPECT_EQ(focusedField(), 0);
    backtab();
    EXPECT_EQ(QApplication::focusWidget(), toolkit::tabBarOf(form->tabMain()));
}

TEST_F(MainWindow, AccessKeysLeadToTheirControls) {
    alt('s');
    EXPECT_EQ(focusedField(), 1);  // "Lay &Stake"
    alt('b');
    EXPECT_EQ(focusedField(), 2);  // "&Back Price"
    alt('p');
    EXPECT_EQ(focusedField(), 0);  // "Lay &Price"
    alt('r');
    EXPECT_EQ(focusedField(), kRate);  // "Current &Rate Of Commission Charged (%)"
    alt('k');                          // "Bac&k" is hidden with one rate
    EXPECT_EQ(focusedField(), kRate);

    alt('m');  // the check box toggles on a short timer
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->chkSingleMarket().value() == 0; }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), toolkit::widgetOf(form->chkSingleMarket()));
    alt('k');
    EXPECT_EQ(focusedField(), kBackRate);
    alt('y');
    EXPECT_EQ(focusedField(), kRate);  // "La&y"

    alt('a');  // "L&ay Back": the letter a, not L
    EXPECT_EQ(form->mode(), 2);
    EXPECT_EQ(focusedField(), 0);
    alt('t');
    EXPECT_EQ(form->mode(), 3);
    alt('f');
    EXPECT_EQ(focusedField(), 5);  // "Total &Funds"
    alt('e');
    EXPECT_EQ(form->mode(), 1);

    // The access key of the selected tab does what a click on it does: the mode is applied
    // again and field 0 is entered, all of it selected.
    type("2.5");
    alt('e');
    EXPECT_EQ(focusedField(), 0);
    type("3");
    EXPECT_EQ(text(0), "3");
}

TEST_F(MainWindow, TabsCarryTheirCaptionsAndTooltipsWithTheirBlanks) {
    toolkit::TabStrip& tabs = form->tabMain();
    ASSERT_EQ(tabs.tabCount(), 3);
    EXPECT_EQ(tabs.tabCaption(1), "B&et Back");
    EXPECT_EQ(tabs.tabCaption(2), "L&ay Back");
    EXPECT_EQ(tabs.tabCaption(3), "Quorvel For &Total Funds");
    EXPECT_EQ(tabs.tabToolTip(1), " bet back a previously layed bet on the same selection ");
    EXPECT_EQ(tabs.tabToolTip(3), " back and lay one selection for a given total stake ");

    // Resting the pointer on the second tab shows its tooltip, blank first.
    QTabBar* bar = toolkit::tabBarOf(tabs);
    const QPoint at = bar->tabRect(1).center();
    QHelpEvent help(QEvent::ToolTip, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &help);
    EXPECT_EQ(QToolTip::text(), " lay back a previously placed bet on the same selection ");
    QToolTip::hideText();
}

TEST_F(MainWindow, DrawsOneEtchedLineOnNeighbouringRows) {
    toolkit::Frame& frame = form->fraFields();
    const int dark = frame.lineRow(form->line1());
    EXPECT_EQ(frame.lineRow(form->line2()), dark + 1);
    EXPECT_EQ(toolkit::TwipScale(1.0).lineRow(650), 43);
    EXPECT_EQ(toolkit::TwipScale(1.0).lineRow(655), 44);
    for (double factor : {1.0, 1.25, 1.4, 1.5, 2.0, 2.7})
        EXPECT_EQ(toolkit::TwipScale(factor).lineRow(655),
                  toolkit::TwipScale(factor).lineRow(650) + 1)
            << factor;

    const QImage pixels = toolkit::widgetOf(frame)->grab().toImage();
    const int x = toolkit::widgetOf(frame)->width() / 2;
    const QRgb shadow = toolkit::resolve(toolkit::SystemColour::DarkShadow3D).rgb();
    const QRgb light = toolkit::resolve(toolkit::SystemColour::Light3D).rgb();
    EXPECT_EQ(pixels.pixel(x, dark - 1), toolkit::resolve(toolkit::SystemColour::ButtonFace).rgb());
    EXPECT_EQ(pixels.pixel(x, dark), shadow);
    EXPECT_EQ(pixels.pixel(x, dark + 1), light);
    EXPECT_EQ(pixels.pixel(x, dark + 2), toolkit::resolve(toolkit::SystemColour::ButtonFace).rgb());
}

QString accessible(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(what) : QString();
}

TEST_F(MainWindow, NamesEachFieldForScreenReaders) {
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(0)), QAccessible::Name), "Lay Price");
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(0)), QAccessible::Value), "0.00");
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(3)), QAccessible::Name), "Back Stake");
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(kRate)), QAccessible::Name),
              "Current Rate Of Commission Charged (%)");
    EXPECT_EQ(accessible(toolkit::widgetOf(form->chkSingleMarket()), QAccessible::Name),
              "Single Betting Market");
    clickTab(3);
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(5)), QAccessible::Name), "Total Funds");
    clickCheckBox();
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(kRate)), QAccessible::Name), "Lay");
    EXPECT_EQ(accessible(toolkit::widgetOf(form->txtFields(kBackRate)), QAccessible::Name),
              "Current Commission (%) Back");
    QAccessibleInterface* tabs =
        QAccessible::queryAccessibleInterface(toolkit::tabBarOf(form->tabMain()));
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), 3);
    EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), "Lay Back");
}

}  // namespace

namespace {

// Every control takes the rectangle its twips give it at the window's scale.
TEST_F(MainWindow, EveryControlHasItsPlaceInPixels) {
    for (const auto& control : form->controls()) {
        const toolkit::Rect twips = control->twipGeometry();
        if (twips.width == 0) continue;  // placed by its container
        const QWidget* widget = toolkit::widgetOf(*control);
        // Within the pixel that rounding each edge on its own may take.
        EXPECT_NEAR(widget->width(), form->scale().px(twips.width), 1)
            << widget->metaObject()->className();
    }
}

}  // namespace
