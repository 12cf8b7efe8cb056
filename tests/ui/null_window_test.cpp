// The windows' handlers without a window system: the calculator and the market window typed
// into through the null back end, and what the contract promises every back end (a handler's
// failure stopped at the toolkit's edge, a closed form still whole).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "tests/ui/faulty_form.h"
#include "tests/worked_examples.h"
#include "ui/frm_main.h"
#include "ui/frm_market.h"
#include "ui/frm_offers.h"
#include "ui/market_sheet.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/clipboard.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/null/driver.h"

namespace {

namespace null = toolkit::null;

class NullCalculator : public testing::TestWithParam<worked::Example> {
  protected:
    void SetUp() override {
        form = std::make_unique<frmMain>(quorvel::NumberFormat::pointComma());
        form->activate();
    }
    // Clicked into (which selects its text), typed over, left with Enter.
    void setField(int index, const std::string& value) {
        null::click(form->txtFields(index));
        null::type(*form, value + "\n");
    }
    std::string results() {
        const int fields[2][4] = {{3, 4, 5, 6}, {1, 3, 4, 6}};
        const int* f = fields[form->mode() == 3 ? 1 : 0];
        std::string text;
        for (int i = 0; i < 4; ++i) text += (i > 0 ? ", " : "") + form->txtFields(f[i]).text();
        return text;
    }
    int focusedField() {
        for (int i = 0; i < frmMain::kFieldCount; ++i)
            if (form->txtFields(i).hasFocus()) return i;
        return -1;
    }

    std::unique_ptr<frmMain> form;
};

TEST_P(NullCalculator, TypedByKeysShowsTheExpectedResults) {
    const worked::Example& c = GetParam();
    if (!c.single) {
        null::click(form->chkSingleMarket());
        setField(frmMain::kBackRateField, c.backRate);
        setField(frmMain::kRateField, c.layRate);
    } else {
        setField(frmMain::kRateField, c.backRate);
    }
    null::clickTab(form->tabMain(), c.mode);
    for (const char* input : c.inputs) null::type(*form, std::string(input) + "\n");
    EXPECT_EQ(results(), c.results);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, NullCalculator, testing::ValuesIn(worked::kExamples),
                         [](const testing::TestParamInfo<worked::Example>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(NullCalculator, RefusesInPlaceAndEscapeRestores) {
    null::clickTab(form->tabMain(), 2);
    const int field = focusedField();
    null::type(*form, "3x\t");
    EXPECT_EQ(focusedField(), field);  // Tab refused
    EXPECT_EQ(form->txtFields(field).text(), "3x");
    null::press(*form, toolkit::kEscape);
    null::type(*form, "\t");
    EXPECT_NE(focusedField(), field);
    null::click(form->txtFields(field));
    null::type(*form, "-1");
    null::click(form->txtFields(frmMain::kRateField));  // a click out is refused alike
    EXPECT_EQ(focusedField(), field);
}

TEST(NullBackEnd, AHandlersFailureIsReportedAndTheWindowGoesOn) {
    std::string reported;
    toolkit::Application::setFailureReport([&](const std::string& text) { reported = text; });
    FaultyForm form;
    form.activate();
    form.field->setFocus();
    null::type(form, "a!b");
    toolkit::Application::setFailureReport(nullptr);
    EXPECT_EQ(reported, "no exclamations");
    EXPECT_EQ(form.field->text(), "ab");
}

TEST(NullBackEnd, AClosedFormStaysWholeAndOpensAgainAsItWas) {
    frmMain form(quorvel::NumberFormat::pointComma());
    form.activate();
    null::type(form, "2.5\n");
    null::close(form);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(form.txtFields(0).text(), "2.50");
    form.txtFields(1).setText("7");
    form.activate();
    EXPECT_TRUE(form.isOpen());
    EXPECT_EQ(form.txtFields(1).text(), "7");
}

TEST(NullBackEnd, TheMarketWindowGreensTheWorkedExample) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("quorvel-null-market-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    {
        frmMarket form(quorvel::NumberFormat::pointComma(), folder.string());
        form.activate();
        null::type(form,
                   "A\n3.50\n3.55\nback:10@4.00\nB\n3.00\n3.05\nlay:10@3.00\nC\n2.62\n2.64\n\n");
        const auto cell = [&](int row, int column) {
            return form.txtCells(row * frmMarket::kColumns + column).text();
        };
        EXPECT_EQ(cell(0, market_sheet::kIfWins), "40.00");
        EXPECT_EQ(cell(1, market_sheet::kIfWins), "-30.00");
        null::press(form, 'G', toolkit::kCtrlMask | toolkit::kShiftMask);
        EXPECT_EQ(cell(2, market_sheet::kHedge), "Back 15.26 @ 2.62");
        EXPECT_EQ(form.lblGreenBest().caption(),
                  "Green best: stakes 38.59, locks in 1.3212, 0.0083 under the exact 1.3295");
        // A bet pasted over from a spreadsheet counts at once; Ctrl+Z puts the sheet back.
        null::click(form.txtCells(0));
        toolkit::setClipboardText("A\t3.50\t3.55\tback:10@4.00\nB\t3.00\t3.05\tlay:20@3.00\n");
        null::press(form, 'V', toolkit::kCtrlMask);
        EXPECT_EQ(cell(0, market_sheet::kIfWins), "50.00");
        null::press(form, 'Z', toolkit::kCtrlMask);
        EXPECT_EQ(cell(0, market_sheet::kIfWins), "40.00");
        // Ctrl+F asks for the offers window.
        bool offersOpened = false;
        form.openOffers = [&] { offersOpened = true; };
        null::press(form, 'F', toolkit::kCtrlMask);
        EXPECT_TRUE(offersOpened);
    }
    std::filesystem::remove_all(folder);
}

// A stream file opened by Ctrl+O, then followed: each line a bot appends is read at the next
// tick, the cell being typed in left alone, and Ctrl+Z puts back the sheet of before.
TEST(NullBackEnd, TheMarketWindowOpensAStreamFileAndFollowsIt) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("quorvel-null-follow-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ifstream source(EXCHANGE_FILES "/stream.json");
    std::string image, delta, lastDelta;
    std::getline(source, image);
    std::getline(source, delta);
    std::getline(source, lastDelta);
    const auto stream = (folder / "market.stream").string();
    std::ofstream(stream) << image << "\n";
    {
        frmMarket form(quorvel::NumberFormat::pointComma(), (folder / "kept").string());
        form.activate();
        const auto cell = [&](int row, int column) {
            return form.txtCells(row * frmMarket::kColumns + column).text();
        };
        null::chooseNext(form, {stream});
        null::press(form, 'O', toolkit::kCtrlMask);
        EXPECT_EQ(cell(0, market_sheet::kBack) + " " + cell(2, market_sheet::kLay), "3.50 2.64");
        EXPECT_EQ(null::caption(form), "Quorvel Market - market.stream");
        null::type(form, "X");  // typing over A's name, not yet entered
        std::ofstream(stream, std::ios::app) << delta << "\n" << lastDelta << "\n";
        null::tick(form);
        EXPECT_EQ(cell(0, market_sheet::kBack) + " " + cell(2, market_sheet::kLay), "3.45 2.66");
        EXPECT_EQ(cell(0, market_sheet::kRunner), "X");
        std::ofstream(stream, std::ios::app) << "{broken\n";
        null::tick(form);
        EXPECT_EQ(cell(2, market_sheet::kLay), "2.66");
        EXPECT_NE(form.lblMessage().caption().find("could not be read again"), std::string::npos);
        null::press(form, toolkit::kEscape);
        null::press(form, 'Z', toolkit::kCtrlMask);
        EXPECT_EQ(cell(0, market_sheet::kBack), "");
        EXPECT_EQ(null::caption(form), "Quorvel Market");
    }
    std::filesystem::remove_all(folder);
}

// The offers window, opened from the calculator by Ctrl+F, lays the treble A1 leg by
// leg, typed by keys.
TEST(NullBackEnd, TheOffersWindowLaysATrebleLegByLeg) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("quorvel-null-offers-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    {
        frmMain calculator(quorvel::NumberFormat::pointComma());
        std::unique_ptr<frmOffers> form;
        calculator.openOffers = [&] {
            form =
                std::make_unique<frmOffers>(quorvel::NumberFormat::pointComma(), folder.string());
            form->activate();
        };
        calculator.activate();
        null::press(calculator, 'F', toolkit::kCtrlMask);
        ASSERT_TRUE(form);
        null::press(*form, 'A', toolkit::kAltMask);
        null::type(*form, "10\n\n\n\n1.80\n1.85\n\n1.50\n1.55\n\n2.10\n2.16\n\n");
        std::string lays;
        for (int leg = 0; leg < 3; ++leg) lays += form->txtLegResults(leg * 3).text() + " ";
        EXPECT_EQ(lays, "8.98 17.02 26.87 ");
        EXPECT_EQ(form->lblSummary().caption(),
                  "Next: lay leg 1, 8.98 @ 1.85, liability 7.63; every path -1.4690 to -1.4632");
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
