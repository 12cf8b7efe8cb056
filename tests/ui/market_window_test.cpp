// The market window driven as a trader drives it: real key presses through its QWindow, the
// results read from the cells, the sheet kept in a folder of the test's own.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "tests/ui/window_driver.h"
#include "ui/frm_market.h"
#include "ui/market_file.h"
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
    void open(const quorvel::NumberFormat& format = quorvel::NumberFormat::pointComma()) {
        form.reset();
        form = std::make_unique<frmMarket>(format, folder.string());
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

    std::filesystem::path sheetPath() const { return market_file::sheetFile(folder.string()); }
    // A file the window finds at its next start.
    void keep(const std::string& text) {
        form.reset();
        std::filesystem::create_directories(folder);
        std::ofstream(sheetPath(), std::ios::trunc | std::ios::binary) << text;
    }
    // Today's file: the settings, then rows "Runner\tBack\tLay\tBets", the rest empty.
    static std::string sheetText(const std::string& settings, std::vector<std::string> rows,
                                 const char* heading = "quorvel-market 2, numbers as 1234.56") {
        std::string text = std::string(heading) + "\n" + settings;
        rows.resize(market_sheet::kRows, "\t\t\t");
        for (const std::string& row : rows) text += row + "\n";
        return text + "end\n";
    }
    std::string message() { return form->lblMessage().caption(); }

    std::filesystem::path folder;
    std::unique_ptr<frmMarket> form;
};

const quorvel::NumberFormat kGerman(",", ".");

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

// What a screen reader was told as an alert, the texts of the labels that raised it.
std::vector<std::string> alerts;
void heardAlert(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Alert)
        if (auto* label = qobject_cast<QLabel*>(event->object()))
            alerts.push_back(label->text().toStdString());
}

// Run where a screen reader's bridge is on (the desktop check, on X11): offscreen, Qt tells
// no one.
TEST_F(MarketWindow, AnnouncesARefusalToAScreenReader) {
    // The bridge comes on once it reaches the accessibility bus.
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000))
        GTEST_SKIP() << "no accessibility bridge on this platform";
    alerts.clear();
    QAccessible::installUpdateHandler(heardAlert);
    enter({"A", "3.01"});
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(alerts, std::vector<std::string>{
                          "\"3.01\" is not on the exchange's ladder: nearest 3.00 or 3.05"});
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
    for (const Step& step :
         {Step{"2.98", "++", "3.05"}, Step{"2.98", "++-", "3.00"}, Step{"4.15", "+", "4.20"},
          Step{"4.15", "-", "4.10"}, Step{"1000", "+", "1,000.00"}, Step{"1", "-", "1.01"}}) {
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
    keep("quorvel-market 1\nrate");
    open();
    EXPECT_EQ(cell(0, market_sheet::kRunner), "");
    EXPECT_EQ(message(),
              "The market kept last time has lines missing or too many: it was set aside as "
              "market.txt.damaged-1.");
    EXPECT_TRUE(std::filesystem::exists(folder / "market.txt.damaged-1"));
}

// Kept under one locale's separators and read under another's, today's file and an older one
// written in the separators of its day read the same prices.
TEST_F(MarketWindow, ReadsTheKeptPricesUnderAnyLocale) {
    typeTheWorkedExample();
    open(kGerman);
    EXPECT_EQ(cell(0, market_sheet::kBack), "3,50");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "40,00");
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(cell(0, market_sheet::kHedge), "Lay 11,27 @ 3,55");
    const std::string older = sheetText(
        "rate\t5.00\nmin_stake\t\nmin_payout\t\n",
        {"A\t3.50\t1,000.00\tback:10@4.00", "B\t3.00\t3.05\tlay:10.5@3"}, "quorvel-market 1");
    keep(older);
    open(kGerman);
    EXPECT_EQ(cell(0, market_sheet::kLay), "1.000,00");
    EXPECT_EQ(cell(1, market_sheet::kBets), "lay:10,5@3");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "40,50");  // A's back wins 30, B's lay 10.50
    open(kGerman);                                       // written again in today's form at once
    EXPECT_EQ(cell(0, market_sheet::kLay), "1.000,00");
    // An older file whose rate does not tell its separators: its numbers are refused in place.
    keep(sheetText("rate\tabc\nmin_stake\t\nmin_payout\t\n", {"A\t3.50\t3.55\t"},
                   "quorvel-market 1"));
    open(kGerman);
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.50");
    EXPECT_EQ(form->lblGreenEach().caption(),
              "Green each: nothing worked out while a cell is refused");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "");
}

TEST_F(MarketWindow, PastesRowsFromASpreadsheetAndCopiesTheSheetBack) {
    QApplication::clipboard()->setText(
        "A\t3.50\t3.55\tback:10@4.00\r\nB\t3.00\t3.05\tlay:10@3.00\r\nC\t2.62\t2.64\t\r\n");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(2, market_sheet::kLay), "2.64");
    EXPECT_EQ(focusedCell(), 0);
    key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, market_sheet::kHedge), "Back 15.26 @ 2.62");
    key(Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QApplication::clipboard()->text().split('\n');
    EXPECT_EQ(copied.value(0), "Runner\tBack\tLay\tBets\tIf wins\tHedge\tNet");
    EXPECT_EQ(copied.value(3), "C\t2.62\t2.64\t\t0.00\tBack 15.26 @ 2.62\t1.32");
    // Off the ladder: refused in place, with its text, and Ctrl+Z puts the sheet back.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QApplication::clipboard()->setText("D\t3.52\t3.55\t");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(3, market_sheet::kBack), "3.52");
    EXPECT_EQ(form->lblMessage().caption(),
              "1 cell refused; the first, row 4 Back: \"3.52\" is not on the exchange's ladder: "
              "nearest 3.50 or 3.55");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(3, market_sheet::kRunner), "");
    EXPECT_EQ(cell(2, market_sheet::kHedge), "Back 15.26 @ 2.62");
}

// Ctrl+O, the file dialog answered: its folder and the files' names set, then accepted as its
// Open button does.
void answerTheFileDialog(const std::string& folder, const std::string& files) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, folder, files] {
        QFileDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QFileDialog*>(widget); shown && shown->isVisible())
                dialog = shown;
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        dialog->setDirectory(QString::fromStdString(folder));
        // Set, not typed: the name completer's popup, on show, may take the keys.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(files));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, which reads the names
    });
    poll->start();
}

// The README's market as a bot saves the exchange's answers: opened by Ctrl+O, greened as if
// typed, read again as the bot writes the book anew, and put back by Ctrl+Z.
TEST_F(MarketWindow, OpensABookWithItsCatalogueAndFollowsIt) {
    const std::filesystem::path files = folder / "bot";
    std::filesystem::create_directories(files);
    for (const char* name : {"book.json", "catalogue.json"})
        std::filesystem::copy_file(std::filesystem::path(EXCHANGE_FILES) / name, files / name);
    answerTheFileDialog(files.string(), "\"catalogue.json\" \"book.json\"");
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(toolkit::windowOf(*form)->windowTitle(),
              "Quorvel Market - catalogue.json, book.json");
    EXPECT_EQ(cell(3, market_sheet::kRunner) + " " + cell(3, market_sheet::kBets), "D nr:1.20");
    key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(2, market_sheet::kHedge), "Back 15.26 @ 2.62");
    // The bot writes the book again, A's best back now 3.45, while C's Lay is being typed.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    for (char c : std::string("2.7")) QTest::keyClick(handle(), c);
    std::string book;
    std::getline(std::ifstream(files / "book.json"), book, '\0');
    book.replace(book.find(R"({"price": 3.5, "size": 50.0}, )"), 30, "");
    std::ofstream(files / "book.json", std::ios::trunc) << book;
    EXPECT_TRUE(QTest::qWaitFor([&] { return cell(0, market_sheet::kBack) == "3.45"; }, 3000));
    EXPECT_EQ(cell(2, market_sheet::kLay), "2.7");
    std::ofstream(files / "book.json", std::ios::trunc) << "{";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !message().empty(); }, 3000));
    EXPECT_EQ(message().substr(0, 60),
              "catalogue.json, book.json could not be read again (/tmp/quor");
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.45");
    // Kept with the file it follows, and put back as it was before the file by Ctrl+Z.
    open();
    EXPECT_EQ(toolkit::windowOf(*form)->windowTitle(),
              "Quorvel Market - catalogue.json, book.json");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.45");  // no undo across a restart
}

TEST_F(MarketWindow, PastesInTheUsersNumbersAndSaysWhatFallsPastTheLastRow) {
    open(kGerman);
    QApplication::clipboard()->setText("3,50\n3,00");
    key(Qt::Key_Tab);
    key(Qt::Key_V, Qt::ControlModifier);  // one column: down the Back column
    EXPECT_EQ(cell(0, market_sheet::kBack) + " " + cell(1, market_sheet::kBack), "3,50 3,00");
    QString many;
    for (int i = 0; i < market_sheet::kRows + 2; ++i) many += "R" + QString::number(i) + "\n";
    QApplication::clipboard()->setText(many);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->lblMessage().caption(), "2 rows past the sheet's last row (40) not pasted");
}

// A cell read from the file passes what a typed one passes; what fails is refused in its cell,
// the focus there, and no figure is worked out without it.
TEST_F(MarketWindow, RefusesWhatTheFileHoldsAsATypedCellWouldBe) {
    struct Case {
        std::string settings;
        const char* row;
        const char* said;
        int focused;  // a cell, or -1 for the rate
    };
    const std::string rate = "rate\t5.00\nmin_stake\t\nmin_payout\t\n";
    for (const Case& c : {
             Case{"rate\tabc\nmin_stake\t\nmin_payout\t\n", "A\t3.50\t3.55\t",
                  "Commission: a commission rate is 0 to 10 (per cent)", -1},
             Case{rate, "A\t1.00\t3.55\t",
                  "Row 1 Back: \"1.00\" is not on the exchange's ladder: nearest 1.01",
                  market_sheet::kBack},
             Case{rate, "A\t3.00\t3.03\t",
                  "Row 1 Lay: \"3.03\" is not on the exchange's ladder: nearest 3.00 or 3.05",
                  market_sheet::kLay},
             Case{rate, "A\t3.00\t3.05\tback:99999999@1000",
                  "Row 1 Bets: \"back:99999999@1000\": a stake is above 0, up to 10000, in cents",
                  market_sheet::kBets},
             Case{rate, "A\t3.00\t3.05\tlay:0@3.00",
                  "Row 1 Bets: \"lay:0@3.00\": a stake is above 0, up to 10000, in cents",
                  market_sheet::kBets},
             Case{rate, "A\x01\t\t\t",
                  "Row 1 Runner: a runner's name holds no tabs, line breaks or other controls",
                  market_sheet::kRunner},
         }) {
        keep(sheetText(c.settings, {c.row, "B\t3.00\t3.05\tback:10@3"}));
        open();
        EXPECT_EQ(message(), c.said) << c.row;
        EXPECT_EQ(form->lblGreenBest().caption(),
                  "Green best: nothing worked out while a cell is refused");
        EXPECT_EQ(cell(1, market_sheet::kIfWins), "");
        EXPECT_TRUE(c.focused < 0 ? form->txtSettings(0).hasFocus()
                                  : form->txtCells(c.focused).hasFocus());
    }
    key(Qt::Key_A, Qt::ControlModifier);  // the runner's name mended
    enter({"A"});
    EXPECT_EQ(cell(1, market_sheet::kIfWins), "20.00");
    EXPECT_EQ(message(), "");
}

// A name pasted with a tab is refused as typed, so the file never holds what it cannot read.
TEST_F(MarketWindow, RefusesANamePastedWithATab) {
    // Shift+Insert pastes into the cell as it is (Ctrl+V would split the text into cells).
    QApplication::clipboard()->setText("Galopin\tDes Champs");
    key(Qt::Key_Insert, Qt::ShiftModifier);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedCell(), market_sheet::kRunner);
    EXPECT_EQ(message(), "a runner's name holds no tabs, line breaks or other controls");
    EXPECT_FALSE(std::filesystem::exists(sheetPath()));
}

// A save that failed is said until one succeeds, and at close the window asks.
TEST_F(MarketWindow, SaysAFailedSaveUntilOneSucceedsAndAsksAtClose) {
    form.reset();
    std::filesystem::create_directories(folder);
    const std::filesystem::path blocker = folder / "blocked";
    std::ofstream(blocker) << "a file where the folder should be";
    form = std::make_unique<frmMarket>(quorvel::NumberFormat::pointComma(),
                                       (blocker / "quorvel").string());
    toolkit::windowOf(*form)->activateWindow();
    QApplication::processEvents();
    enter({"A"});
    const std::string failed = message();
    EXPECT_NE(failed.find("could not be kept"), std::string::npos) << failed;
    key(Qt::Key_Up);
    enter({""});  // Enter on an unchanged cell
    EXPECT_EQ(message(), failed);
    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);  // keep trying
    });
    toolkit::windowOf(*form)->close();
    EXPECT_TRUE(form->isOpen());
    toolkit::windowOf(*form)->activateWindow();
    QApplication::processEvents();
    std::filesystem::remove(blocker);
    enter({"3.50"});
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(std::filesystem::exists(market_file::sheetFile((blocker / "quorvel").string())));
    std::filesystem::remove_all(blocker);
}

// Two windows on one sheet: each takes in what the other kept, none overwrites it unseen.
TEST_F(MarketWindow, TwoWindowsOnOneSheetKeepBothEdits) {
    frmMarket other(quorvel::NumberFormat::pointComma(), folder.string());
    toolkit::windowOf(*form)->activateWindow();
    QApplication::processEvents();
    enter({"A", "3.50"});
    toolkit::windowOf(other)->activateWindow();
    QApplication::processEvents();
    QWindow* second = toolkit::windowOf(other)->windowHandle();
    for (char c : std::string("Z")) QTest::keyClick(second, c);
    QTest::keyClick(second, Qt::Key_Return);  // row 1's Runner: both changed it
    EXPECT_EQ(other.txtCells(market_sheet::kBack).text(), "3.50");  // the first window's
    EXPECT_EQ(other.lblMessage().caption(),
              "The market was changed in another window too: its edits are taken in, and where "
              "both changed a cell this window's is kept.");
    QTest::keyClick(second, Qt::Key_Down);
    QTest::keyClick(second, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(second, 'B');
    QTest::keyClick(second, Qt::Key_Return);
    QApplication::processEvents();
    open();
    EXPECT_EQ(cell(0, market_sheet::kRunner), "Z");
    EXPECT_EQ(cell(0, market_sheet::kBack), "3.50");
    EXPECT_EQ(cell(1, market_sheet::kRunner), "B");
}

// A careful save: no file planted beside the sheet is written through, and what takes the
// file's place (a pipe, a huge file) is set aside unread.
TEST_F(MarketWindow, SavesCarefullyAndSetsAsideWhatIsNoSheet) {
    form.reset();
    std::filesystem::create_directories(folder);
    const std::filesystem::path target = folder / "target";
    std::ofstream(target) << "untouched";
    std::filesystem::create_symlink(target, sheetPath().string() + ".new");
    open();
    enter({"A"});
    EXPECT_EQ(std::filesystem::file_size(target), std::string("untouched").size());
    EXPECT_EQ(message(), "");
    for (const auto& [make, said] :
         {std::pair<std::function<void()>, const char*>{
              [&] { ::mkfifo(sheetPath().c_str(), 0600); }, "is not a plain file"},
          {[&] { std::ofstream(sheetPath()) << std::string(market_file::kLargestFile + 1, '\n'); },
           "is too large to be a market"}}) {
        form.reset();
        std::filesystem::remove(sheetPath());
        make();
        open();
        EXPECT_EQ(message().find(std::string("The market kept last time ") + said), 0u)
            << message();
    }
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

// Tab goes through the results too, read-only, so that a screen reader reaches them; Enter
// keeps to the typed cells.
TEST_F(MarketWindow, TabReachesTheResultsAndEnterKeepsToTheTypedCells) {
    typeTheWorkedExample();
    key(Qt::Key_Up, Qt::NoModifier);  // row 3's Runner
    for (int column = market_sheet::kBack; column < kColumns; ++column) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusedCell(), 2 * kColumns + column);
    }
    EXPECT_TRUE(form->txtCells(2 * kColumns + market_sheet::kNet).locked());
    key(Qt::Key_Tab);
    EXPECT_EQ(focusedCell(), 3 * kColumns);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedCell(), 2 * kColumns + market_sheet::kNet);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedCell(), 3 * kColumns);
}

TEST_F(MarketWindow, DownPastTheLastRowShownBringsTheNextIntoSight) {
    EXPECT_EQ(form->lblRows().caption(), "Rows 1-10 of 40");
    for (int i = 0; i < frmMarket::kVisibleRows; ++i) key(Qt::Key_Down);
    EXPECT_EQ(form->topRow(), 1);
    EXPECT_EQ(form->lblRows().caption(), "Rows 2-11 of 40");
    enter({"K"});
    EXPECT_EQ(form->sheet().rows[10].cells[market_sheet::kRunner], "K");
    key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form->sheet().rows[10].cells[market_sheet::kRunner], "");
}

// The longest names of a real race card and a runner with four bets: never drawn larger than
// the font, shown from their start, and whole once the cell has the focus.
TEST_F(MarketWindow, LongNamesShowFromTheirStartAndWholeWithTheFocus) {
    enter({"Galopin Des Champs (FR)", "", "",
           "back:10@3.00 back:20@3.05 lay:15@3.10 back:5.50@3.20", "Wolverhampton Wanderers"});
    auto edit = [&](int row, int column) {
        return static_cast<QLineEdit*>(toolkit::widgetOf(form->txtCells(row * kColumns + column)));
    };
    const double given = edit(2, market_sheet::kRunner)->font().pointSizeF();
    for (int column : {market_sheet::kRunner, market_sheet::kBets}) {
        EXPECT_LE(edit(0, column)->font().pointSizeF(), given) << column;
        EXPECT_EQ(edit(0, column)->cursorPosition(), 0) << column;
    }
    for (int column : {market_sheet::kRunner, market_sheet::kBets}) {
        form->txtCells(column).setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(showsWhole(edit(0, column))) << column;
        EXPECT_LE(edit(0, column)->font().pointSizeF(), given) << column;
    }
}

// The place market of two winners typed by keys: each runner's placing, the worst and best
// outcome, and green best to the cent; the winners kept with the sheet.
TEST_F(MarketWindow, APlaceMarketTypedByKeysGreensToTheCent) {
    enter({"A",           "2.34", "2.42", "back:20@2.50", "B",   "1.64", "1.69",
           "lay:10@1.60", "C",    "1.97", "2.04",         "",    "D",    "3.25",
           "3.45",        "",     "E",    "5.4",          "5.8", ""});
    QTest::keyClick(handle(), 'w', Qt::AltModifier);  // to the Winners field
    enter({"2"});
    EXPECT_EQ(form->lblIfWins().caption(), "If placed");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "50.00");
    EXPECT_EQ(cell(1, market_sheet::kIfWins), "-16.00");
    EXPECT_EQ(form->lblBook().caption(),
              "Book: back 203.76 %, lay 195.74 % (2 places); worst -26.00, best 38.00");
    key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(0, market_sheet::kHedge), "Lay 20.66 @ 2.42");
    EXPECT_EQ(cell(1, market_sheet::kHedge), "Back 9.74 @ 1.64");
    EXPECT_EQ(form->lblGreenBest().caption(), "Green best: stakes 30.40, locks in 0.8536");
    EXPECT_EQ(form->lblGreenEach().caption(), "Green each: stakes 30.42, locks in 0.85");
    open();
    EXPECT_EQ(form->txtSettings(frmMarket::kWinnersSetting).text(), "2");
    EXPECT_EQ(form->lblIfWins().caption(), "If placed");
}

// A non-runner marked in its Bets cell: its row says so, the back matched before it is reduced
// (6.00 to 4.50) and the lay matched in play is not; kept so across a restart.
TEST_F(MarketWindow, ANonRunnerMarkedByKeysReducesTheBetsMatchedBeforeIt) {
    enter({"X", "", "", "back:10@6 lay:20@3/after", "NR", "", "", "nr:25", "Y", "", "", ""});
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "-5.00");
    EXPECT_EQ(cell(1, market_sheet::kIfWins), "non-runner, 25.00 %");
    EXPECT_EQ(cell(2, market_sheet::kIfWins), "10.00");
    open(kGerman);
    EXPECT_EQ(cell(0, market_sheet::kBets), "back:10@6 lay:20@3/after");
    EXPECT_EQ(cell(1, market_sheet::kIfWins), "non-runner, 25,00 %");
    EXPECT_EQ(cell(0, market_sheet::kIfWins), "-5,00");
}

// A hedge under the minimums is marked so, the window no smaller than what it shows, and
// each cell named by its runner for a screen reader.
TEST_F(MarketWindow, MarksAHedgeUnderTheMinimumsAndNamesCellsByTheirRunner) {
    typeTheWorkedExample();
    for (int i = 0; i < 4; ++i) key(Qt::Key_Tab, Qt::ShiftModifier);  // up to the rows' end...
    form->txtSettings(frmMarket::kMinStakeSetting).setFocus();
    enter({"20"});
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(cell(0, market_sheet::kHedge), "Lay 11.27 @ 3.55 (under the minimum)");
    EXPECT_EQ(toolkit::widgetOf(form->txtCells(kColumns + market_sheet::kNet))
                  ->accessibleName()
                  .toStdString(),
              "B, Net");
    QWidget* window = toolkit::windowOf(*form);
    const QSize shown = window->size();
    window->resize(shown / 2);
    EXPECT_EQ(window->size(), shown);
}

}  // namespace
