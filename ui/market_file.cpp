#include "ui/market_file.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "platform/files.h"

namespace market_file {

namespace {

using market_sheet::Sheet;

constexpr const char* kHeading = "quorvel-market 2, numbers as 1234.56";
constexpr const char* kOlderHeading = "quorvel-market 1";
// "source\t/path/book.json": a file the sheet follows, read again as it changes; a book and
// its catalogue.
constexpr const char* kSource = "source";
constexpr std::size_t kMostFollowed = 2;
constexpr const char* kSettingKeys[market_sheet::kSettings] = {"rate", "min_stake", "min_payout",
                                                               "winners"};
const char* const kCellNames[market_sheet::kTypedColumns] = {"Runner", "Back", "Lay", "Bets"};

const quorvel::NumberFormat& machine() {
    static const quorvel::NumberFormat format(".", "");
    return format;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> out{""};
    for (char c : text) {
        if (c == at)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// A refused cell is marked so in a last field of its line: "0101" for Back and Bets.
std::string flags(const std::array<bool, market_sheet::kTypedColumns>& refused) {
    std::string out;
    for (bool r : refused) out += r ? '1' : '0';
    return out == "0000" ? std::string() : '\t' + out;
}

// The separators an older file was written with, as its rate tells them: the rate is always
// written with two decimals ("5.00", "5,00"), and a grouped price ("1,000.00") tells the group.
std::optional<quorvel::NumberFormat> olderFormat(const std::vector<std::string>& settingLine,
                                                 const std::vector<std::string>& lines) {
    if (settingLine.size() != 2) return std::nullopt;
    const std::string& rate = settingLine[1];
    const std::size_t digits = rate.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string::npos || rate.size() < digits + 3 ||
        rate.find_first_not_of("0123456789", rate.size() - 2) != std::string::npos)
        return std::nullopt;
    const std::string decimal = rate.substr(digits, rate.size() - 2 - digits);
    std::string group;
    for (const std::string& line : lines)
        for (const std::string& cell : split(line, '\t'))
            if (cell.starts_with("1") && cell.ends_with("000" + decimal + "00") &&
                cell.size() > 6 + decimal.size())
                group = cell.substr(1, cell.size() - 6 - decimal.size());
    try {
        return quorvel::NumberFormat(decimal, group == decimal ? "" : group);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

// Each cell of a row line passed as if typed in the format it was written in, then shown in
// the user's; a refused one keeps its text.
struct Reader {
    const std::optional<quorvel::NumberFormat>& written;
    const quorvel::NumberFormat& user;
    std::string& refusal;

    bool accept(std::string& text, const market_sheet::Accepted& accepted, const std::string& where,
                const std::function<std::string(const std::string&)>& convert) {
        if (accepted.text) {
            text = convert(*accepted.text);
            return false;
        }
        note(where + ": " + accepted.refusal);
        return true;
    }
    // "rate\t5.00", "refused" after it when it was refused before.
    void setting(const std::string& line, Sheet& sheet) {
        const auto f = split(line, '\t');
        const auto* key = std::find(std::begin(kSettingKeys), std::end(kSettingKeys), f[0]);
        if (f.size() < 2 || f.size() > 3 || key == std::end(kSettingKeys) ||
            (f.size() == 3 && f[2] != "refused"))
            throw std::runtime_error("has a damaged setting");
        const auto i = static_cast<std::size_t>(key - std::begin(kSettingKeys));
        std::string& value = sheet.settings[i];
        value = f[1];
        const auto s = static_cast<market_sheet::Setting>(i);
        sheet.settingRefused[i] =
            f.size() == 3 || !written ||
            accept(value, market_sheet::acceptSetting(s, value, *written),
                   std::string("The setting ") + kSettingKeys[i], [&](const std::string& t) {
                       return market_sheet::convertSetting(s, t, *written, user);
                   });
        if (!written) note("The file does not tell how its numbers were written");
    }
    // The row's four cells, and which of them were refused before.
    void row(const std::string& line, int r, Sheet& sheet) {
        const auto f = split(line, '\t');
        const bool flagged = f.size() == market_sheet::kTypedColumns + 1;
        if (!flagged && f.size() != market_sheet::kTypedColumns)
            throw std::runtime_error("has a damaged row");
        market_sheet::Row& row = sheet.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < market_sheet::kTypedColumns; ++c) {
            row.cells[c] = f[c];
            row.refused[c] = flagged && f.back().size() > c && f.back()[c] == '1';
        }
        for (int c = 0; c < market_sheet::kTypedColumns; ++c) cell(row, c, r);
    }
    void note(const std::string& why) {
        if (refusal.empty()) refusal = why;
    }
    void cell(market_sheet::Row& row, int column, int r) {
        const auto c = static_cast<market_sheet::Column>(column);
        std::string& text = row.cells[static_cast<std::size_t>(column)];
        bool& refused = row.refused[static_cast<std::size_t>(column)];
        const std::string where = "Row " + std::to_string(r + 1) + " " + kCellNames[column];
        if (refused) {  // refused before, so of no known format: refused until mended
            note(where + ": \"" + text + "\" is still to be mended");
            return;
        }
        if (!written && c != market_sheet::kRunner && !text.empty()) {
            refused = true;
            note(where + ": the file does not tell how its numbers were written");
            return;
        }
        const quorvel::NumberFormat& from = written ? *written : user;
        refused = accept(
            text, market_sheet::acceptCell(c, text, from), where,
            [&](const std::string& t) { return market_sheet::convertCell(c, t, from, user); });
    }
};

}  // namespace

std::string sheetFile(const std::string& folder) {
    return folder + "/market.txt";
}

std::string textOf(const Sheet& sheet, const quorvel::NumberFormat& user) {
    std::string text = std::string(kHeading) + '\n';
    for (const std::string& file : sheet.follows)
        text += std::string(kSource) + '\t' + file + '\n';
    for (std::size_t i = 0; i < market_sheet::kSettings; ++i) {
        const std::string& value = sheet.settings[i];
        text += std::string(kSettingKeys[i]) + '\t' +
                (sheet.settingRefused[i]
                     ? value
                     : market_sheet::convertSetting(static_cast<market_sheet::Setting>(i), value,
                                                    user, machine())) +
                (sheet.settingRefused[i] ? "\trefused" : "") + '\n';
    }
    for (const market_sheet::Row& row : sheet.rows) {
        for (int c = 0; c < market_sheet::kTypedColumns; ++c) {
            const auto i = static_cast<std::size_t>(c);
            text +=
                (c > 0 ? "\t" : "") +
                (row.refused[i] ? row.cells[i]
                                : market_sheet::convertCell(static_cast<market_sheet::Column>(c),
                                                            row.cells[i], user, machine()));
        }
        text += flags(row.refused) + '\n';
    }
    return text + "end\n";
}

Loaded sheetOf(const std::string& text, const quorvel::NumberFormat& user) {
    std::vector<std::string> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    const bool older = !lines.empty() && lines[0] == kOlderHeading;
    if (lines.empty() || (lines[0] != kHeading && !older))
        throw std::runtime_error("is not a Quorvel market");
    // The files followed and the settings stand before the rows, each under its key; a
    // setting a file lacks (an older file has no winners) keeps its default.
    const std::size_t settings = lines.size() - 2 - market_sheet::kRows;
    if (lines.size() < 2 + market_sheet::kRows ||
        settings > market_sheet::kSettings + kMostFollowed)
        throw std::runtime_error("has lines missing or too many");
    if (lines.back() != "end") throw std::runtime_error("does not end");
    const std::optional<quorvel::NumberFormat> written =
        older ? olderFormat(split(lines[1], '\t'), lines) : machine();
    Loaded loaded{Sheet{}, {}, older};
    Reader reader{written, user, loaded.refusal};
    for (std::size_t i = 0; i < settings; ++i) {
        const std::string& line = lines[1 + i];
        if (line.starts_with(std::string(kSource) + '\t'))
            loaded.sheet.follows.push_back(line.substr(std::string_view(kSource).size() + 1));
        else
            reader.setting(line, loaded.sheet);
    }
    if (loaded.sheet.follows.size() > kMostFollowed)
        throw std::runtime_error("follows too many files");
    for (int r = 0; r < market_sheet::kRows; ++r)
        reader.row(lines[1 + settings + static_cast<std::size_t>(r)], r, loaded.sheet);
    return loaded;
}

std::optional<Loaded> load(const std::string& file, const quorvel::NumberFormat& user) {
    std::string text;
    switch (platform::readFile(file, kLargestFile, text)) {
        case platform::ReadResult::Missing:
            return std::nullopt;
        case platform::ReadResult::NotAFile:
            throw std::runtime_error("is not a plain file");
        case platform::ReadResult::TooLarge:
            throw std::runtime_error("is too large to be a market");
        case platform::ReadResult::Failed:
            throw std::runtime_error("cannot be read");
        case platform::ReadResult::Read:
            break;
    }
    return sheetOf(text, user);
}

void save(const Sheet& sheet, const std::string& file, const quorvel::NumberFormat& user) {
    const std::string folder = file.substr(0, file.rfind('/'));
    if (!platform::makeFolders(folder)) throw std::runtime_error("its folder cannot be made");
    if (!platform::folderIsOwn(folder)) throw std::runtime_error("its folder is not yours alone");
    const std::string text = textOf(sheet, user);
    // A name or a refused text that broke the file's shape would lose the whole sheet at the
    // next start: such a text is not written.
    if (sheetOf(text, user).sheet != sheet) throw std::runtime_error("would not read back");
    if (const std::string failure = platform::writeFileCarefully(file, text); !failure.empty())
        throw std::runtime_error(failure);
}

std::string setAside(const std::string& file) {
    for (int n = 1;; ++n) {
        const std::string aside = file + ".damaged-" + std::to_string(n);
        if (platform::fileExists(aside)) continue;
        if (!platform::replaceFile(file, aside)) throw std::runtime_error("cannot be moved");
        return aside;
    }
}

}  // namespace market_file
