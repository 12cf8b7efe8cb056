// The offers window typed into by keys, as a matched bettor uses it: each tab's worked example,
// a refusal in place, the tabs by keys, and the fields kept across a restart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "tests/ui/window_driver.h"
#include "ui/frm_offers.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

class OffersWindow : public testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("quorvel-offers-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        open();
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove_all(folder);
    }
    void open(const quorvel::NumberFormat& format = quorvel::NumberFormat::pointComma()) {
        form.reset();
        form = std::make_unique<frmOffers>(format, folder.string());
        QWidget* window = toolkit::windowOf(*form);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    QWindow* handle() const { return toolkit::windowOf(*form)->windowHandle(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handle(), k, modifiers);
        QApplication::processEvents();
    }
    // Each piece typed over the field's text, then Enter.
    void enter(std::initializer_list<const char*> pieces) {
        for (const char* piece : pieces) {
            for (const char* c = piece; *c != '\0'; ++c) QTest::keyClick(handle(), *c);
            key(Qt::Key_Return);
        }
    }
    std::string row(int r) {
        std::string text;
        for (int c = 0; c < frmOffers::kResultColumns; ++c) {
            const std::string cell = form->txtResults(r * frmOffers::kResultColumns + c).text();
            if (!cell.empty()) text += (text.empty() ? "" : " | ") + cell;
        }
        return text;
    }
    std::string legs(int column) {
        std::string text;
        for (int leg = 0; leg < 3; ++leg)
            text += (leg > 0 ? " " : "") + form->txtLegResults(leg * 3 + column).text();
        return text;
    }
    int focused() {
        for (int i = 0; i < frmOffers::kFieldCount; ++i)
            if (form->txtFields(i).hasFocus()) return i;
        return -1;
    }

    std::filesystem::path folder;
    std::unique_ptr<frmOffers> form;
};

// A free bet (stake not returned) of 10 at 5.00 laid at 5.20: 7.37 or 7.38 whichever way.
TEST_F(OffersWindow, LaysAFreeBetAndRefusesAnOffLadderPriceInPlace) {
    EXPECT_EQ(focused(), offers::kFreeKind);
    enter({"f", "10", "5", "5.22"});
    EXPECT_EQ(focused(), offers::kFreeLay);
    EXPECT_EQ(form->lblMessage().caption(),
              "Lay price: \"5.22\" is not on the exchange's price ladder; nearest: 5.20 and 5.30");
    key(Qt::Key_Escape);
    EXPECT_EQ(form->txtFields(offers::kFreeLay).text(), "");
    enter({"5.2"});
    EXPECT_EQ(form->txtFields(offers::kFreeKind).text(), "Free SNR");
    EXPECT_EQ(form->lblSummary().caption(), "Lay 7.77 @ 5.20, liability 32.63");
    EXPECT_EQ(row(0), "If it wins | 40.00 | -32.6340 | 7.3660");
    EXPECT_EQ(row(1), "If it loses | 0.00 | 7.3815 | 7.3815");
    // A screen reader hears each field by its label.
    for (int field : {int{offers::kFreeStake}, offers::legField(0, offers::kLegBack)})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(toolkit::widgetOf(form->txtFields(field)))
                      ->text(QAccessible::Name),
                  QString::fromStdString(offers::fieldInfo(field).caption));
}

// 10 each way at 11.00, 1/5 the odds, 4 places; win lay 11.50, place lay 3.20 in a market
// paying 3: the extra place pays.
TEST_F(OffersWindow, LaysAnEachWayBetWithAnExtraPlace) {
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->tab(), offers::kEachWay);
    EXPECT_EQ(focused(), offers::kWayStake);
    enter({"10", "11", "1/5", "4", "11.5", "3.2", "3", ""});
    EXPECT_EQ(form->lblSummary().caption(),
              "Win lay 9.61 @ 11.50, liability 100.91; place lay 9.52 @ 3.20, liability 20.94");
    EXPECT_EQ(row(0).substr(0, 5) + row(0).substr(row(0).rfind('|')), "Wins | -1.8490");
    EXPECT_EQ(row(2), "Placed 4 (extra) | 10.00 | 9.1295 | 9.0440 | 28.1735");
    EXPECT_EQ(row(3).substr(row(3).rfind('|')), "| -1.8265");
}

// The treble, A1 then A2: laid leg by leg, then leg 1 won and leg 2 drifted.
TEST_F(OffersWindow, LaysAnAccumulatorLegByLegAndRelaysADriftedLeg) {
    key(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(focused(), offers::kAccaStake);
    enter({"10", "", "", "", "1.80", "1.85", "", "1.50", "1.55", "", "2.10", "2.16", ""});
    EXPECT_EQ(legs(0), "8.98 17.02 26.87");
    EXPECT_EQ(legs(1), "7.6330 9.3610 31.1692");
    EXPECT_EQ(row(0), "Loses at leg 1 | -10.00 | 8.5310 | -1.4690");
    EXPECT_EQ(row(3), "All 3 win | 46.70 | -48.1632 | -1.4632");
    // Leg 1 won, 8.98 laid at 1.85; leg 2 now lays at 1.62.
    QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier,
                      toolkit::widgetOf(form->txtFields(offers::legField(0, offers::kLegLaid)))
                          ->mapTo(toolkit::windowOf(*form), QPoint(5, 5)));
    enter({"8.98", "", "1.62"});
    EXPECT_EQ(legs(0).substr(5), "16.26 26.87");
    EXPECT_EQ(form->lblSummary().caption(),
              "Next: lay leg 2, 16.26 @ 1.62, liability 10.08; every path -2.1877 to -2.1834");
}

// The widest figures an accumulator's legs reach still show every digit, drawn smaller.
TEST_F(OffersWindow, EveryDigitOfEveryResultShows) {
    key(Qt::Key_A, Qt::AltModifier);
    enter({"10000", "", "", "", "20", "1.01", "", "20", "1.01", "", "20", "1.01", ""});
    ASSERT_EQ(form->txtLegResults(0).text(), "81,606,264.47");
    for (int i = 0; i < 3 * frmOffers::kLegResults; ++i)
        EXPECT_TRUE(showsWhole(qobject_cast<QLineEdit*>(toolkit::widgetOf(form->txtLegResults(i)))))
            << form->txtLegResults(i).text();
    for (int i = 0; i < 4 * frmOffers::kResultColumns; ++i) {
        if (form->txtResults(i).text().empty()) continue;
        EXPECT_TRUE(showsWhole(qobject_cast<QLineEdit*>(toolkit::widgetOf(form->txtResults(i)))))
            << form->txtResults(i).text();
    }
}

// What is typed is there at the next start, on the tab last shown, under another locale's
// separators too.
TEST_F(OffersWindow, KeepsTheFieldsAcrossARestart) {
    key(Qt::Key_E, Qt::AltModifier);
    enter({"1012.5", "11"});
    open(quorvel::NumberFormat(",", "."));
    EXPECT_EQ(form->tab(), offers::kEachWay);
    EXPECT_EQ(form->txtFields(offers::kWayStake).text(), "1.012,50");
    EXPECT_EQ(form->txtFields(offers::kWayPrice).text(), "11,00");
    EXPECT_EQ(form->txtFields(offers::kWayTerms).text(), "1/5");
    EXPECT_FALSE(toolkit::widgetOf(form->txtFields(offers::kFreeStake))->isVisible());
}

}  // namespace
