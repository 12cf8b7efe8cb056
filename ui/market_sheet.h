#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/market.h"
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
    std::array<std::string, kTypedColumns> cells;  // as accepted: prices shown with two decimals

    bool empty() const;
};

struct Sheet {
    std::array<Row, kRows> rows;
    std::string rate = "5.00";
    std::string minStake;
    std::string minPayout;
};

// The text a typed cell holds once accepted ("3.5" becomes "3.50"), or why it is refused: a
// price off the exchange's ladder names the nearest ones, a bet says what a bet is.
struct Accepted {
    std::optional<std::string> text;
    std::string refusal;
};
Accepted acceptCell(Column column, const std::string& typed, const quorvel::NumberFormat& format);
// The commission rate (0 to 10), and the minimum stake and payout (empty, or whole cents up to
// 10000).
Accepted acceptRate(const std::string& typed, const quorvel::NumberFormat& format);
Accepted acceptMinimum(const std::string& typed, const quorvel::NumberFormat& format);

// A ladder price one step up or down from the text ("3.50" up: "3.55"), or the text itself
// where there is none.
std::string stepPrice(const std::string& text, int steps, const quorvel::NumberFormat& format);

// The market the sheet holds: every row with a runner name or anything typed (a row without a
// name is "Runner N"), in order, and the row of each.
struct Market {
    quorvel::MarketRequest request;
    std::vector<int> rowOf;  // the sheet row of each runner
};
Market marketOf(const Sheet& sheet, const quorvel::NumberFormat& format);

// The file (a UTF-8 path): a line a setting and a line a row, tab-separated; written to a new
// file and renamed over the old one. load gives nothing for a missing file, and throws
// std::runtime_error for one it cannot read; save throws it for one it cannot write.
std::string sheetFile(const std::string& folder);
std::optional<Sheet> load(const std::string& file);
void save(const Sheet& sheet, const std::string& file);
// Moves a file that cannot be read out of the way, keeping it: market.txt.damaged-1 and so on;
// the name it now has.
std::string setAside(const std::string& file);

}  // namespace market_sheet
