#include "ui/exchange_sheet.h"

#include <stdexcept>

#include "input/arguments.h"
#include "input/exchange_files.h"

namespace market_sheet {

namespace {

void put(std::string& cell, bool& refused, const Accepted& accepted, const std::string& text) {
    cell = accepted.text.value_or(text);
    refused = !accepted.text;
}

Row rowOf(const quorvel::RunnerArguments& runner, const quorvel::NumberFormat& format) {
    std::string bets;
    for (const std::string& bet : runner.bets) bets += (bets.empty() ? "" : " ") + bet;
    const std::string typed[kTypedColumns] = {runner.name, runner.back, runner.lay, bets};
    Row row;
    for (std::size_t c = 0; c < kTypedColumns; ++c)
        put(row.cells[c], row.refused[c], acceptCell(static_cast<Column>(c), typed[c], format),
            typed[c]);
    return row;
}

// "NR=1.2" marks its runner's row "nr:1.2".
void markNonRunner(Sheet& sheet, const std::string& nonRunner,
                   const quorvel::NumberFormat& format) {
    const std::size_t equals = nonRunner.rfind('=');
    const std::string name = nonRunner.substr(0, equals);
    for (Row& row : sheet.rows)
        if (row.cells[kRunner] == name) {
            std::string& bets = row.cells[kBets];
            const std::string typed =
                (bets.empty() ? "" : bets + " ") + "nr:" + nonRunner.substr(equals + 1);
            put(bets, row.refused[kBets], acceptCell(kBets, typed, format), typed);
        }
}

}  // namespace

Sheet sheetOfFiles(const std::vector<std::string>& files, const Sheet& before,
                   const quorvel::NumberFormat& format) {
    quorvel::MarketArguments market;
    try {
        market = quorvel::marketOfOpened(files, format);
    } catch (const quorvel::RefusedArgument& refused) {
        throw std::runtime_error(refused.message);
    }
    if (market.runners.size() > kRows)
        throw std::runtime_error("the market has " + std::to_string(market.runners.size()) +
                                 " runners; the sheet holds " + std::to_string(kRows));
    Sheet sheet;
    sheet.settings = before.settings;
    sheet.settingRefused = before.settingRefused;
    for (std::size_t r = 0; r < market.runners.size(); ++r)
        sheet.rows[r] = rowOf(market.runners[r], format);
    for (const std::string& nonRunner : market.nonRunners) markNonRunner(sheet, nonRunner, format);
    const std::pair<Setting, const std::optional<std::string>*> given[] = {
        {kRate, &market.rate}, {kWinners, &market.winners}};
    for (const auto& [setting, value] : given)
        if (*value)
            put(sheet.settings[setting], sheet.settingRefused[setting],
                acceptSetting(setting, **value, format), **value);
    sheet.follows = files;
    return sheet;
}

}  // namespace market_sheet
