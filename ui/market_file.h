#pragma once

#include <optional>
#include <string>

#include "core/number_format.h"
#include "ui/market_sheet.h"

// The file the market window keeps its sheet in between starts. Numbers are written for
// machines ('.' for decimals, no grouping), whatever the user's format, and the heading says
// so: a sheet moved to a machine or a locale of other separators reads the same prices.
namespace market_file {

// The file in the folder (a UTF-8 path).
std::string sheetFile(const std::string& folder);

// A sheet as read: each cell and setting passed through what a typed one passes, shown in the
// user's format; what fails keeps its text, marked refused, and refusal says where and why.
// Older files (their numbers in the format of the day they were written) are read in that
// format where the file tells it, else their numbers are refused in place.
struct Loaded {
    market_sheet::Sheet sheet;
    std::string refusal;  // "Row 3 Back: ...", the first; empty when all is accepted
    bool older = false;   // written in the older format: to be written again at once
};

// The file's text for the sheet; and back, throwing std::runtime_error (its message what is
// wrong: "has a damaged row") for a text of another shape.
std::string textOf(const market_sheet::Sheet& sheet, const quorvel::NumberFormat& user);
Loaded sheetOf(const std::string& text, const quorvel::NumberFormat& user);

// The most a sheet's file may hold: forty rows of long names and bets fit many times over.
inline constexpr std::size_t kLargestFile = 1 << 20;

// Nothing for a missing file; throws std::runtime_error for one that is no plain file, is too
// large or cannot be read or understood.
std::optional<Loaded> load(const std::string& file, const quorvel::NumberFormat& user);
// Kept carefully (a new file, synced, renamed over the old), in a folder that is the user's
// own; throws std::runtime_error saying why not. Never writes a text it would not read back.
void save(const market_sheet::Sheet& sheet, const std::string& file,
          const quorvel::NumberFormat& user);
// Moves a file that cannot be read out of the way, keeping it: market.txt.damaged-1 and so on;
// the name it now has.
std::string setAside(const std::string& file);

}  // namespace market_file
