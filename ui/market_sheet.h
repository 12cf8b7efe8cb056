#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/market.h"
#include "core/non_runner.h"
#include "core/number_format.h"

// The market window's sheet: the runners as typed, what each typed cell accepts, and the file
// the sheet is kept in between starts. No window here.
namespace market_sheet {

inline constexpr int kRows = 40;
// The typed columns, then the results.
enum Column { kRunner = 0, kBack, kLay, kBets, kIfWins, kHedge, kNet, kColumns };
inline constexpr int kTypedColumns = 4;

inline constexpr const char* kColumnCaptions[kColumns] = {"Runner",  "Back",  "Lay", "Bets",
                                                          "If wins", "Hedge", "Net"};

struct Row {
    // As accepted, prices shown with two decimals; a cell the file held that is not accepted
    // keeps its text as it came, marked refused, and enters no calculation.
    std::array<std::string, kTypedColumns> cells;
    std::array<bool, kTypedColumns> refused{};

    bool empty() const;
    friend bool operator==(const Row&, const Row&) = default;
};

// The settings under the sheet, in the order of the window's fields.
enum Setting { kRate = 0, kMinStake, kMinPayout, kWinners, kSettings };

struct Sheet {
    std::array<Row, kRows> rows;
    std::array<std::string, kSettings> settings{"5.00", "", "", "1"};
    std::array<bool, kSettings> settingRefused{};
    // The exchange's files the sheet was opened from and is read again from as they change: a
    // stream file, a book, or a book and its catalogue. None for a sheet typed by hand.
    std::vector<std::string> follows;

    bool anyRefused() const;
    friend bool operator==(const Sheet&, const Sheet&) = default;
};

// The text a typed cell holds once accepted ("3.5" becomes "3.50"), or why it is refused: a
// price off the exchange's ladder names the nearest ones, a bet says what a bet is.
struct Accepted {
    std::optional<std::string> text;
    std::string refusal;
};
Accepted acceptCell(Column column, const std::string& typed, const quorvel::NumberFormat& format);
// The commission rate (0 to 10), the minimum stake and payout (empty, or whole cents up to
// 10000), and the number of winners (1 to 39, fewer than the runners to be worked out).
Accepted acceptRate(const std::string& typed, const quorvel::NumberFormat& format);
Accepted acceptMinimum(const std::string& typed, const quorvel::NumberFormat& format);
Accepted acceptSetting(Setting setting, const std::string& typed,
                       const quorvel::NumberFormat& format);

// A cell's or a setting's accepted text, from the numbers of one format (from) to another's
// (to): a price or a setting shown again, a bet's stake and price with their separators
// swapped, as typed otherwise ("back:10,5@4,00" from German is "back:10.5@4.00").
std::string convertCell(Column column, const std::string& text, const quorvel::NumberFormat& from,
                        const quorvel::NumberFormat& to);
std::string convertSetting(Setting setting, const std::string& text,
                           const quorvel::NumberFormat& from, const quorvel::NumberFormat& to);

// A ladder price one step up or down from the text ("3.50" up: "3.55"), or the text itself
// where there is none.
std::string stepPrice(const std::string& text, int steps, const quorvel::NumberFormat& format);

// Rows of cells as a spreadsheet copies them: lines (LF or CRLF) of tab-separated cells, the
// last line's end optional.
//   pastedRows("A\t3.50\r\nB\t3.00\n") == {{"A", "3.50"}, {"B", "3.00"}}
std::vector<std::vector<std::string>> pastedRows(std::string_view text);

// The market the sheet holds: every row with a runner name or anything typed (a row without a
// name is "Runner N"), in order, and the row of each.
struct Market {
    quorvel::MarketRequest request;
    std::vector<int> rowOf;  // the sheet row of each runner
    // Runners marked "nr:25" in their bets: withdrawn, with their reduction factors; a bet
    // ending "/after" was matched after them and keeps its price.
    std::vector<quorvel::NonRunner> nonRunners;
};
Market marketOf(const Sheet& sheet, const quorvel::NumberFormat& format);

}  // namespace market_sheet
