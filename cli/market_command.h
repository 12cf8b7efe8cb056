#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/position_command.h"
#include "core/dutch.h"
#include "core/market.h"
#include "core/non_runner.h"
#include "core/result.h"

namespace quorvel::cli {

// The runners of the command line's NAME=KIND:STAKE@PRICE words and --prices NAME=BACK/LAY ones,
// NAME being what stands before the last '=', in the order they are first named. Throws
// RefusedArgument for a word without a name and for prices given twice.
std::vector<RunnerArguments> runnersOfWords(const std::vector<std::string>& bets,
                                            const std::vector<std::string>& prices);

// The market, its runners in the arguments' order. Throws RefusedArgument for a runner without
// a name or with one that is not UTF-8 text free of control characters, a bet or price that
// does not read, a price off the ladder, a back price above the lay price, or an unknown green.
MarketRequest readMarket(const MarketArguments& arguments, const NumberFormat& format);

// The non-runners the arguments name, each with its reduction factor (0 to 100 per cent).
// Throws RefusedArgument for a runner not in the market, one named twice, or a factor outside
// 0 to 100; and when the withdrawals leave no more runners than the winners.
std::vector<NonRunner> readNonRunners(const MarketArguments& arguments,
                                      const MarketRequest& request, const NumberFormat& format);
// "Non-runner NR, reduction factor 25.00 %: its bets are void", then each bet matched before
// it at its reduced price.
std::string withdrawalText(const MarketRequest& request, const std::vector<NonRunner>& nonRunners,
                           const NumberFormat& format);
void addWithdrawalJson(const MarketRequest& request, const std::vector<NonRunner>& nonRunners,
                       std::string& json);

// The result the arguments settle, if any. Throws RefusedArgument for a runner not in the
// market or named twice, more placed than the winners, a dead heat of no more runners than the
// places left, or a result that leaves places to no one.
std::optional<MarketResult> readResult(const MarketArguments& arguments,
                                       const MarketRequest& request);
// What the result pays: each runner's bets, the commission and the net.
std::string settledText(const MarketRequest& request, const MarketResult& result,
                        const Settled& settled, const NumberFormat& format);
void addSettledJson(const MarketRequest& request, const Settled& settled, std::string& json);

// The whole answer: the market read, its non-runners withdrawn, computed, and its result
// settled, as text or JSON.
std::string marketAnswer(const MarketArguments& arguments, const NumberFormat& format, bool json);

// The market computed, or refused when its green needs a price a runner lacks.
MarketReport marketOrRefuse(const MarketRequest& request);

// One row per runner (prices, its bets' stake, if it wins, the hedge, after, commission, net),
// then the books and what the green stakes and locks in.
std::string marketText(const MarketRequest& request, const MarketReport& report,
                       const NumberFormat& format);
std::string marketJson(const MarketRequest& request, const MarketReport& report);

// quorvel-calc dutch back|lay NAME=PRICE... with one of --stake, --profit, --liability.
struct DutchArguments {
    std::string side;
    std::vector<std::pair<std::string, std::string>> runners;  // name and price
    std::optional<std::string> stake;
    std::optional<std::string> profit;
    std::optional<std::string> liability;
    std::optional<std::string> rate;
    Spelling spelling = Spelling::Options;
};

// The command line's NAME=PRICE words as a dutch's runners.
std::vector<std::pair<std::string, std::string>> dutchRunnersOfWords(
    const std::vector<std::string>& words);

// Throws RefusedArgument for what cannot be read or has no answer (a profit from a back book,
// or a lay book, of 100 % or more, naming the book).
DutchRequest readDutch(const DutchArguments& arguments, const NumberFormat& format);
DutchReport dutchOrRefuse(const DutchRequest& request, const NumberFormat& format);
std::string dutchText(const DutchRequest& request, const DutchReport& report,
                      const NumberFormat& format);
std::string dutchJson(const DutchRequest& request, const DutchReport& report);

}  // namespace quorvel::cli
