#pragma once

#include <string>
#include <vector>

#include "core/number_format.h"
#include "ui/market_sheet.h"

namespace market_sheet {

// The sheet of the market the exchange's files hold (a stream file, a book, or a book and its
// catalogue): a row per runner with its name, best back and lay, the user's matched bets and a
// non-runner's "nr:RF"; the winners and the rate where the files give them, the minimums as
// they were before. Each cell is passed as if typed, a refused one keeping its text, and the
// sheet follows the files. Throws std::runtime_error saying why the files cannot be used.
Sheet sheetOfFiles(const std::vector<std::string>& files, const Sheet& before,
                   const quorvel::NumberFormat& format);

}  // namespace market_sheet
