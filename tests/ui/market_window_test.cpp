// The market window driven as a trader drives it: real key presses through its QWindow, the
// results read from the cells, the sheet kept in a folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/ui/window_driver.h"
#include "ui/frm_market.h"
#include "ui/toolkit/qt/qt_access.h"

namespace {

constexpr int kColumns = frmMarket::kColumns;

class MarketWindow : public testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("quorvel-market-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        open();
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove_all(folder);
    }
    void open() {
        form.reset();
        form = std::make_unique<frmMarket>(quorvel::NumberFormat::pointComma(), folder.string());
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
    // Each piece typed, then Enter; "" is Enter alone.
    void enter(std::initializer_list<const char*> pieces) {
        for (const char* piece : pieces) {
            for (const char* c = piece; *c != '\0'; ++c) QTest::keyClick(handle(), *c);
            key(Qt::Key_Return);
        }
    }
    std::string cell(int row, int column) { return form->txtCells(row * kColumns + column).text(); }
    int focusedCell() {
        for (int i = 0; i < frmMarket::kCellCount; ++i)
            if (form->txtCells(i).hasFocus()) return i;
        return -1;
    }
    void typeTheWorkedExample() {
        enter({"A", "3.50", "3.55", "back:10@4.00", "B", "3.00", "3.05", "lay:10@3.00", "C", "2.62",
               "2.64", ""});
    }

    std::filesystem::path folder;
    std::unique_ptr<frmMarket> form;
};

TEST_F(MarketWindow, GreensTheWorkedExampleAtOneKey) {
    EXPECT_EQ(focusedCell(), 0);  // row 1's Runner
    typeTheWorkedExample();
    EXPECT_EQ(focusedCell(), 3 * kColumns);  // Enter on an empty Bets cell moved on
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "40.00");
    EXPECT_EQ(cell(1, market_sheet::kIfWins), "-30.00");
    EXPECT_EQ(cell(2, market_sheet::kIfWins), "0.00");
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(cell(0, market_sheet::kHedge), "Lay 11.27 @ 3.55");
    EXPECT_EQ(cell(1, market_sheet::kHedge), "Back 10.00 @ 3.00");
    EXPECT_EQ(cell(0, market_sheet::kNet) + " " + cell(1, market_sheet::kNet) + " " +
                  cell(2, market_sheet::kNet),
              "1.20 1.21 1.21");
    key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, market_sheet::kHedge), "Back 15.26 @ 2.62");
    EXPECT_EQ(form->lblGreenBest().caption(),
              "Green best: stakes 38.59, locks in 1.3212, 0.0083 under the exact 1.3295");
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(cell(2, market_sheet::kHedge), "");
}

TEST_F(MarketWindow, RefusesAnOffLadderPriceInPlaceAndEscapeRestores) {
    enter({"A", "3.01"});
    EXPECT_EQ(focusedCell(), market_sheet::kBack);
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.01");
    EXPECT_EQ(form->lblMessage().caption(),
              "\"3.01\" is not on the exchange's ladder: nearest 3.00 or 3.05");
    key(Qt::Key_Down);  // no way out while refused
    EXPECT_EQ(focusedCell(), market_sheet::kBack);
    key(Qt::Key_Escape);
    EXPECT_EQ(cell(0, market_sheet::kBack), "");
    enter({"3"});
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.00");
    EXPECT_EQ(focusedCell(), market_sheet::kLay);
}

TEST_F(MarketWindow, PlusAndMinusStepAPriceAlongTheLadder) {
    enter({"A"});
    struct Step {
        const char* typed;
        const char* keys;
        const char* shown;
    };
    for (const Step& step : {Step{"2.98", "++", "3.05"}, Step{"2.98", "++-", "3.00"},
                             Step{"4.15", "+", "4.20"}, Step{"4.15", "-", "4.10"},
                             Step{"1000", "+", "1,000.00"}, Step{"1", "-", "1.01"}}) {
        key(Qt::Key_A, Qt::ControlModifier);
        for (const char* c = step.typed; *c != '\0'; ++c) QTest::keyClick(handle(), *c);
        for (const char* c = step.keys; *c != '\0'; ++c) QTest::keyClick(handle(), *c);
        EXPECT_EQ(cell(0, market_sheet::kBack), step.shown) << step.typed << step.keys;
    }
}

TEST_F(MarketWindow, KeepsTheMarketAcrossARestartAndSetsADamagedOneAside) {
    typeTheWorkedExample();
    open();
    EXPECT_EQ(cell(1, market_sheet::kBets), "lay:10@3.00");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "40.00");
    form.reset();
    std::ofstream(market_sheet::sheetFile(folder.string()), std::ios::trunc)
        << "quorvel-market 1\nrate";
    open();
    EXPECT_EQ(cell(0, market_sheet::kRunner), "");
    EXPECT_EQ(form->lblMessage().caption(),
              "The market kept last time has a damaged setting: it was set aside as "
              "market.txt.damaged-1.");
    EXPECT_TRUE(std::filesystem::exists(folder / "market.txt.damaged-1"));
}

// The largest figures a market of accepted bets gives, greened both ways, show every digit.
TEST_F(MarketWindow, EveryDigitOfEveryResultShows) {
    enter({"A", "1000", "1000", "back:10000@1000 back:10000@1000 back:10000@1000", "B", "1.01",
           "1.02", "lay:10000@1000", ""});
    for (Qt::KeyboardModifiers green :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        key(Qt::Key_G, green);
        for (int row = 0; row < 2; ++row)
            for (int column : {market_sheet::kIfWins, market_sheet::kHedge, market_sheet::kNet}) {
                auto* edit = static_cast<QLineEdit*>(
                    toolkit::widgetOf(form->txtCells(row * kColumns + column)));
                EXPECT_TRUE(showsWhole(edit)) << cell(row, column);
            }
    }
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "29,980,000.00");  // 3 x 9,990,000 + 10,000
}

TEST_F(MarketWindow, DownPastTheLastRowShownBringsTheNextIntoSight) {
    for (int i = 0; i < frmMarket::kVisibleRows; ++i) key(Qt::Key_Down);
    EXPECT_EQ(form->topRow(), 1);
    enter({"K"});
    EXPECT_EQ(form->sheet().rows[10].cells[market_sheet::kRunner], "K");
    key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form->sheet().rows[10].cells[market_sheet::kRunner], "");
}

}  // namespace
