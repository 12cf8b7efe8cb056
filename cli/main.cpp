// quorvel-calc: the hedge calculator's arithmetic for scripts and lists of bets.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/acca_command.h"
#include "cli/batch.h"
#include "cli/each_way_command.h"
#include "cli/json_output.h"
#include "cli/line_output.h"
#include "cli/line_output_system.h"
#include "cli/locale_format.h"
#include "cli/market_command.h"
#include "cli/options.h"
#include "cli/position_command.h"
#include "cli/single_calculation.h"
#include "core/field_role.h"
#include "core/mode_layout.h"
#include "core/money.h"
#include "core/name_text.h"
#include "core/position.h"
#include "core/version.h"
#include "input/exchange_files.h"

namespace {

constexpr int kExitRefused = 2;

constexpr std::string_view kHelp =
    R"(Usage: quorvel-calc MODE IN1 IN2 IN3 [--separate] [--back-rate R] [--lay-rate R]
                    [--outcomes] [--json]
       quorvel-calc position BET... [--price P] [--hedge equal|N%|wins-zero|loses-zero]
                    [--rate R] [--min-stake S] [--min-payout P] [--json]
       quorvel-calc market NAME=BET... [--prices NAME=BACK/LAY...] [--green each|best]
                    [--winners N] [--rate R] [--min-stake S] [--min-payout P] [--json]
       quorvel-calc market (--book FILE [--catalogue FILE] | --stream FILE [--at TIME])
                    [--market-id ID] [NAME=BET...] [--prices ...] [--green ...] [...]
       quorvel-calc dutch back|lay NAME=PRICE... (--stake T | --profit P | --liability L)
                    [--rate R] [--json]
       quorvel-calc each-way STAKE@PRICE --terms N/D --places P --win-lay X --place-lay Y
                    [--exchange-places E] [--rate R] [--json]
       quorvel-calc acca STAKE --leg BACK/LAY... [--free | --free-sr | --refund R]
                    [--laid STAKE@PRICE...] [--upfront] [--rate R] [--json]
       quorvel-calc --batch [--json] < bets.tsv

Works out the stake of the opposite bet that makes a bet's result the same whichever way the
selection finishes, with the lay liability, the total staked and the net profit or loss after
exchange commission.

MODE and its inputs, in this order:
@MODES@
Accepted values: prices @PRICES@;
stakes and funds @AMOUNTS@; rates @RATES@ (per cent). Up to four decimals are used.

Options:
  --separate               back and lay stand in separate markets, each with its own rate
                           (default: one market, one rate taken once from a positive net)
  --back-rate R            commission on back winnings, or the one rate (default 5)
  --lay-rate R             commission on lay winnings; only with --separate (default 5)
  --outcomes               also show what each outcome pays: for "the selection wins" and
                           "it loses", what the back bet and the lay bet pay, the commission
                           taken and the net, for the stakes as shown (to the cent)
  --json                   print JSON instead of text: one object for a calculation, one
                           value a line in batch; values are strings with '.' decimals and no
                           grouping (results as shown, inputs and rates as used)
  --batch                  read bets from standard input, one per line (see below)
  --decimal-separator S    the decimal separator, one character (default: the locale's)
  --group-separator S      the digit-grouping separator, one character (default: the
                           locale's); given alone, a separator that is the locale's other
                           one takes its usual partner: a ',' decimal goes with a '.' group,
                           and the reverse
  --help, --version

A position is the bets matched on one selection, each BET written KIND:STAKE@PRICE:
@BETKINDS@
Stakes are above 0 up to 10000, in whole cents. Exchange prices are on the exchange's ladder
(1.01 to 1000 in its steps; a price off it is refused with the nearest ones); bookmaker
prices are any price above 1.00 up to 1000 with up to two decimals. Lays are taken at the
exchange only. The exchange takes commission on the positive net of the exchange bets alone
(the hedge included) in each outcome; bookmakers take none. It shows each kind's stake and
average price, and what the position wins or loses each way, exactly, with the bookmaker's
and the exchange's parts when there are bookmaker bets; with --price, also the hedge at that
price, to the cent, and the outcomes after it. A free bet of 10 at 5.00 laid at 5.20: lay
7.77, netting 7.37 if it wins and 7.38 after 5 % commission if it loses.
  --price P                the current price to hedge at, on the ladder
  --hedge T                what the hedge aims at: equal (the default: the same net either
                           way), N% of that stake, wins-zero or loses-zero (nothing lost if
                           the selection wins, or if it loses)
  --rate R                 the exchange's commission rate, 0 to 10 (default 5)
  --min-stake S            the smallest stake the exchange takes: a smaller hedge is shown
                           as such and not placed (default: none)
  --min-payout P           with --min-stake: a smaller hedge is placed all the same when
                           stake x price reaches P, as exchanges allow
With --json, one object: bets {side, stake, price, venue, kind}, rate, backs and lays
{stake, average_price}, bookmaker (its kinds), before {wins, loses}, hedge {side, price,
stake, liability, and below_min_stake when not placed} or null with a reason, and after
{wins, loses, commission_wins, commission_loses, net_wins, net_loses, bookmaker_wins,
bookmaker_loses, exchange_wins, exchange_loses}.

A market is the runners of one race or match, exactly one of which wins (N with --winners). market takes the
bets on each runner as NAME=BET (NAME is what stands before the last '='; a runner may have
several bets) and, after --prices, each runner's best back and lay price as NAME=BACK/LAY
(either may be left empty); the runners named are the whole market. It shows what the market
pays if each runner wins, exactly, and the back and lay book %.
  --green each             hedge each runner with bets on its own net: a lay at its lay price
                           when its win pays more than its loss, else a back at its back price
  --green best             the one set of bets that makes every outcome pay the same, and the
                           most: back the runners below a level, lay those above it, at the
                           level that pays most (of equals, the one that stakes least); a book
                           that makes it unbounded (back under 100 %, lay over) is said to be
                           an arbitrage and nothing is staked
  --winners N              a market of N winners, a place market (default 1, fewer than the
                           runners): each runner shows what its placing adds (its bets' wins
                           less their losses), with the worst and the best outcome; the books
                           stand against N x 100 %; a green brings every runner's placing to one
                           level, so that every outcome pays the same: each at 0, best at the
                           level and the cents that lock in most
  --non-runner NAME=RF...  runners withdrawn after bets were matched, with their reduction
                           factors (per cent): their bets are void, and every bet on the others
                           matched before them stands at a reduced price: in a win market the
                           price x (1 - RF/100), a factor under 2.5 % reducing nothing; in a
                           place market only the winnings, 1 + (price - 1) x (1 - RF/100);
                           factors add. A bet matched after the withdrawal (in play) keeps its
                           price: mark it by ending it with /after (lay:20@3.00/after)
  --placed NAME,...        settle a result: the runners placed outright (with --winners N,
                           N of them, or fewer with a dead heat for the places left)
  --dead-heat NAME,...     the runners tied for the places left: a bet on one is settled on
                           its stake x (places left / runners tied) as a winner and the rest as
                           a loser; it shows what each runner's bets paid, the commission on
                           the market's positive net and the net
  --rate, --min-stake and --min-payout as for a position.
  --book FILE              the market as the exchange's API answers for a market book (its
                           JSON-RPC envelope or the bare list): best back and lay the first of
                           ex.availableToBack and ex.availableToLay, the bets from each runner's
                           matches, numberOfWinners, a REMOVED runner a non-runner with its
                           adjustmentFactor; numbers read exactly as written
  --catalogue FILE         the market catalogue: runnerName by selectionId and handicap (else a
                           runner is named by its selection id), description.marketBaseRate as
                           the rate unless --rate is given
  --market-id ID           the market of a file that holds several
  --stream FILE            the market of a file in the exchange's stream format, as its
                           historical data holds it (bzip2-compressed or not): one JSON message
                           a line, images and deltas applied in order
  --at TIME                the stream to the last message at or before TIME: milliseconds since
                           1970, or 2024-03-01T14:30:00Z
  With a file, NAME=BET and --prices NAME=BACK/LAY name the file's runners: prices replace the
  file's, bets join them; --winners, --rate and --non-runner replace the file's.
With --json: runners {name, back, lay, if_wins, hedge {side, price, stake} or null, after,
commission, net}, book {back, lay}, green, rate, staked and locks_in; with --winners, the
runners give if_placed, hedge and after, and winners, worst and best {placed, pays, commission,
net} follow; a result adds settled {paid (by runner), exchange, commission, net}, and
non-runners add non_runners {name, factor}.

dutch back NAME=PRICE... backs the runners so that any of them winning pays the same: stakes
in proportion to 1 / price, each to the cent, for a total --stake T, or for a --profit P if
one of them wins. dutch lay NAME=PRICE... lays them (making a book) so that any of them
winning costs the same --liability L. It shows each stake, what each runner's win pays, and
what another runner's win pays, before and after commission at --rate.

each-way STAKE@PRICE lays a bookmaker's each-way bet (two bets of STAKE: one to win at
PRICE, one to be placed in the bookmaker's --places P at --terms N/D of the odds, 1/5 paying
1 + (PRICE - 1) / 5) on the exchange's win market at --win-lay X and on its place market at
--place-lay Y, which pays --exchange-places E (the bookmaker's P by default; places beyond E
are the bookmaker's extra places). Each lay is the qualifying one, equal either way in its
own market: STAKE x PRICE / (X - c) and STAKE x place price / (Y - c), c the commission rate,
each to the cent. Each market takes --rate R of its own positive net. It shows both lays with
their liabilities and what each outcome pays: wins, placed in the exchange's places, placed
in the extra places only (the bookmaker pays the place part and the place lay wins), and
unplaced. With --json: place_price, place_winnings, win_lay and place_lay {stake, price, liability},
rate, and outcomes {outcome, bookmaker, win_market, place_market, net, net_exact}.

acca STAKE lays a bookmaker's accumulator leg by leg on the exchange, each --leg BACK/LAY
giving the bookmaker's price and the lay price of the leg's own market, in the order the legs
run (1 to 10). Every leg that wins is laid in turn, so that every path pays the same: leg k's
lay is R x (1 - c)^(n-k) / ((X_k - c) x ... x (X_n - c)), exact, then to the cent, where R is
what the bookmaker pays with every leg won (STAKE x the prices, to the cent, rounded down; less
the stake for a --free bet, whose stake is not returned; all of it with --free-sr) and c the
commission rate. --refund R is what an offer returns when a leg loses. After legs have won,
--laid STAKE@PRICE gives the lays placed on them, in order, and the next lays are worked out
from the prices now. It shows each lay, its liability and what it wins after commission, then
what every path pays from the rounded stakes: lost at each leg still to run, and every leg
won. --upfront lays every leg at once, each for STAKE, and shows all 2^n outcomes, which
cannot be levelled. With --json: stake, back_price, returns, if_loses, rate, legs {back, lay,
lay_stake, liability, wins, placed}, and paths {loses_at (0: every leg won), bookmaker,
exchange, net} or, laid at once, outcomes {legs_won, net}.

Batch lines are tab-separated: mode (@MODENUMBERS@), model (single or separate), back rate,
lay rate, and the mode's three inputs. Each line gets one output line: the results as
FIELD=TEXT pairs joined by ';', FIELD being the field's number:
@BATCHFIELDS@
or "error: parse", "error: overflow", "error: division", or "error: input" for a malformed
line or one longer than 64 KiB. Empty lines and lines starting with '#' give empty lines; a
UTF-8 byte-order mark at the start is skipped; the 64 KiB do not count the line's LF or
CRLF. Batch checks no ranges: it computes what it is given. With --json, each line gets
{"results": {...}}, {"error": "KIND"}, or null for an empty or '#' line; and a line that is
a JSON object with "position" (the bets as strings) and "price", "hedge", "rate",
"min_stake", "min_payout" (strings, '.' decimals) gets the position's object; likewise a
"market" request (runners as objects with name, bets, back, lay; green, winners,
non_runners as NAME=RF strings, placed, dead_heat, rate, min_stake, min_payout), a "dutch" request ("back" or "lay", runners with name and price, stake,
profit or liability, rate) and an "each_way" request ("STAKE@PRICE", terms, places, win_lay,
place_lay, exchange_places, rate). A refused one gets {"error": "input", "message": "..."}.

As a co-process: unless standard input and output are both regular files, each complete line
is answered and its answer written out before more input is awaited, so a program that
writes one line on a pipe reads its answer with the pipe still open. The output holds only
whole answer lines, one for each input line in order, whatever stops the program (SIGTERM,
SIGINT, SIGHUP, a full disk, a file-size limit, a closed pipe); a stop waits for at most one
line when the reader has stopped reading.

Numbers are read and written with the separators of the locale that LC_ALL, LC_NUMERIC or
LANG names, as the C library has it (a locale that is not installed reads as the C locale);
the C locale reads '.' for decimals and ',' for grouping. Batch reads numbers as
the window does: a grouping separator may stand anywhere between two digits of the integer
part and is skipped ("1,5" reads as 15). A single calculation shows nothing back, so it
refuses a number whose grouping does not split the integer part into threes ("2,5",
"1,00"); "1,000" and "1,000.5" are read as written.

Exit status: 0 on success, 2 for a refused value or a usage error, 1 otherwise, also when
the output could not be written.
)";

// One line a mode: its names, its inputs and what it is for.
std::string modeLines() {
    std::vector<std::vector<std::string>> rows;
    for (const quorvel::ModeDescriptor& d : quorvel::kModes) {
        std::string inputs;
        for (int field : d.order.inputs) {
            if (!inputs.empty()) inputs += ", ";
            const auto& caption = d.fields[static_cast<std::size_t>(field)].caption;
            inputs += quorvel::cli::lowered(quorvel::plainText(caption));
        }
        rows.push_back({"  " + std::string(d.commandName) + ", " + std::to_string(d.mode), inputs,
                        "(" + std::string(d.purpose) + ")"});
    }
    return quorvel::cli::alignedTable(rows, quorvel::cli::Align::Left);
}

// One line a bet kind: how it is written and what it is.
std::string betKindLines() {
    std::vector<std::vector<std::string>> rows;
    for (const quorvel::BetKindInfo& info : quorvel::kBetKinds)
        rows.push_back({"  " + std::string(info.name) + ":STAKE@PRICE", std::string(info.meaning)});
    return quorvel::cli::alignedTable(rows, quorvel::cli::Align::Left);
}

// One line a mode: the numbers and names of the results a batch line answers with.
std::string batchFieldLines() {
    std::vector<std::vector<std::string>> rows;
    for (const quorvel::ModeDescriptor& d : quorvel::kModes) {
        std::string fields;
        for (int field : d.order.results) {
            if (!fields.empty()) fields += ", ";
            fields += std::to_string(field) + " " +
                      quorvel::cli::lowered(
                          quorvel::plainText(d.fields[static_cast<std::size_t>(field)].caption));
        }
        rows.push_back({"  mode " + std::to_string(d.mode), fields});
    }
    return quorvel::cli::alignedTable(rows, quorvel::cli::Align::Left);
}

// The help, with the modes, the bet kinds and the accepted ranges as the calculation holds
// them.
std::string helpText() {
    std::string text(kHelp);
    text.replace(text.find("@MODES@"), 7, modeLines());
    text.replace(text.find("@MODENUMBERS@"), 13, "1 to " + std::to_string(quorvel::kModeCount));
    text.replace(text.find("@BATCHFIELDS@\n"), 14, batchFieldLines());
    text.replace(text.find("@BETKINDS@\n"), 11, betKindLines());
    for (const auto& [mark, role] : {std::pair{"@PRICES@", quorvel::FieldRole::Price},
                                     std::pair{"@AMOUNTS@", quorvel::FieldRole::Amount},
                                     std::pair{"@RATES@", quorvel::FieldRole::Commission}})
        text.replace(text.find(mark), std::string_view(mark).size(),
                     quorvel::acceptedRangeText(role));
    return text;
}

// The message with control characters as C escapes ("\x1b", "\r", "\t"): a refusal echoes
// its argument, and no escape sequence from an argument may reach the terminal. C1 controls
// (U+0080 to U+009F, two bytes in UTF-8) are written as "\u0080" to "\u009f", and a byte
// that is not UTF-8 as "\xff".
std::string escapedControls(std::string_view message) {
    std::string out;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const auto next = i + 1 < message.size() ? static_cast<unsigned char>(message[i + 1]) : 0;
        char escape[8] = {};
        if (byte == '\t' || byte == '\r' || byte == '\n') {
            std::snprintf(escape, sizeof escape, "\\%c",
                          byte == '\t'   ? 't'
                          : byte == '\r' ? 'r'
                                         : 'n');
        } else if (byte < 0x20 || byte == 0x7f) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
        } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
            std::snprintf(escape, sizeof escape, "\\u%04x", next);
            ++i;
        } else if (char32_t c = 0; byte >= 0x80 && quorvel::utf8Sequence(message, i, c) == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);  // not UTF-8
        } else {
            out += static_cast<char>(byte);
            continue;
        }
        out += escape;
    }
    return out;
}

int refuse(const std::string& message) {
    std::cerr << "quorvel-calc: " << escapedControls(message) << '\n';
    return kExitRefused;
}

// Output that did not reach its destination (a full disk, a closed stream) is a failure, never
// a success: status 1 with a message.
int writeOutput(std::string_view text) {
    quorvel::cli::system::clearFailure();
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return 0;
    const std::string why = quorvel::cli::system::failureText(errno);
    std::cerr << "quorvel-calc: could not write the output" << (why.empty() ? "" : ": " + why)
              << '\n';
    return 1;
}

int batch(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using quorvel::cli::BatchEnd;
    const BatchEnd end = quorvel::cli::runBatch(0, 1, format, options.json);
    if (end == BatchEnd::Done) return 0;
    std::cerr << "quorvel-calc: could not "
              << (end == BatchEnd::WriteFailed ? "write the output" : "read the input") << ": "
              << quorvel::cli::system::failureText(errno) << '\n';
    return 1;
}

int position(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using namespace quorvel;
    using namespace quorvel::cli;
    const PositionArguments arguments{{options.positional.begin() + 1, options.positional.end()},
                                      options.price,
                                      options.hedge,
                                      options.rate,
                                      options.minStake,
                                      options.minPayout};
    const quorvel::PositionRequest request = readPosition(arguments, format);
    const quorvel::PositionReport report = quorvel::ComputePosition(request);
    return writeOutput(options.json ? positionJson(request, report)
                                    : positionText(request, report, format));
}

int market(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using namespace quorvel;
    using namespace quorvel::cli;
    MarketArguments arguments{
        runnersOfWords({options.positional.begin() + 1, options.positional.end()}, options.prices),
        options.green,
        options.rate,
        options.minStake,
        options.minPayout,
        options.winners,
        options.placed,
        options.deadHeat,
        options.nonRunners};
    if (options.book || options.stream)
        arguments = overBook(marketOfFiles({options.book, options.catalogue, options.marketId,
                                            options.stream, options.at},
                                           format),
                             arguments);
    else if (options.catalogue || options.marketId || options.at)
        throw RefusedArgument{"--catalogue, --market-id and --at go with --book or --stream"};
    return writeOutput(marketAnswer(arguments, format, options.json));
}

int dutch(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using namespace quorvel;
    using namespace quorvel::cli;
    DutchArguments arguments;
    if (options.positional.size() > 1) arguments.side = options.positional[1];
    if (options.positional.size() > 2)
        arguments.runners =
            dutchRunnersOfWords({options.positional.begin() + 2, options.positional.end()});
    arguments.stake = options.stake;
    arguments.profit = options.profit;
    arguments.liability = options.liability;
    arguments.rate = options.rate;
    const quorvel::DutchRequest request = readDutch(arguments, format);
    const quorvel::DutchReport report = dutchOrRefuse(request, format);
    return writeOutput(options.json ? dutchJson(request, report)
                                    : dutchText(request, report, format));
}

int eachWay(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using namespace quorvel;
    using namespace quorvel::cli;
    if (options.positional.size() != 2)
        throw RefusedArgument{"each-way takes one bet, STAKE@PRICE, the stake each way"};
    const EachWayArguments arguments{
        options.positional[1], options.terms,          options.places, options.winLay,
        options.placeLay,      options.exchangePlaces, options.rate};
    const quorvel::EachWayRequest request = readEachWay(arguments, format);
    const quorvel::EachWayReport report = quorvel::ComputeEachWay(request);
    return writeOutput(options.json ? eachWayJson(request, report)
                                    : eachWayText(request, report, format));
}

int acca(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    using namespace quorvel;
    using namespace quorvel::cli;
    if (options.positional.size() != 2)
        throw RefusedArgument{"acca takes one stake, then --leg BACK/LAY for each leg"};
    if (options.free && options.freeSr)
        throw RefusedArgument{"--free and --free-sr: a free bet is one or the other"};
    const AccaArguments arguments{options.positional[1],
                                  options.legs,
                                  options.free ? "free" : options.freeSr ? "free-sr" : "cash",
                                  options.refund,
                                  options.laid,
                                  options.upfront,
                                  options.rate};
    const quorvel::AccaRequest request = readAcca(arguments, format);
    const quorvel::AccaReport report = quorvel::ComputeAcca(request);
    return writeOutput(options.json ? accaJson(request, report)
                                    : accaText(request, report, format));
}

// What options given to the wrong command are told, where a word more helps.
void refuseMisplacedOptions(quorvel::cli::Command command, const quorvel::cli::Options& options) {
    using namespace quorvel;
    using namespace quorvel::cli;
    if (command == kBatch) {
        const bool others = std::any_of(options.given.begin(), options.given.end(), [](auto n) {
            return n != "--batch" && n != "--json" && n != "--decimal-separator" &&
                   n != "--group-separator";
        });
        if (others || !options.positional.empty())
            throw RefusedArgument{
                "--batch takes no other arguments; each line gives its model and rates"};
    }
    if (command == kPosition && options.outcomes)
        throw RefusedArgument{
            "--outcomes goes with one calculation; a position always shows its outcomes"};
    if ((command & (kPosition | kMarket)) != 0 &&
        (options.separate || options.backRate || options.layRate))
        throw RefusedArgument{"a position takes one rate, --rate, on the exchange's net winnings"};
    checkOptionsFor(command, options);
}

// What the command line asks for, done: each command, else one calculation.
int run(const quorvel::cli::Options& options) {
    using namespace quorvel;
    using namespace quorvel::cli;
    if (options.help) return writeOutput(helpText());
    if (options.version)
        return writeOutput("quorvel-calc " + std::string(quorvel::kVersion) + "\n");
    const quorvel::NumberFormat format =
        chooseNumberFormat(options.decimalSeparator, options.groupSeparator);
    const Command command = commandOf(options);
    refuseMisplacedOptions(command, options);
    switch (command) {
        case kBatch:
            return batch(options, format);
        case kPosition:
            return position(options, format);
        case kMarket:
            return market(options, format);
        case kDutch:
            return dutch(options, format);
        case kEachWay:
            return eachWay(options, format);
        case kAcca:
            return acca(options, format);
        default:
            break;
    }
    if (options.positional.size() != 4)
        return refuse("expected MODE and three inputs (see --help)");
    if (options.layRate && !options.separate)
        return refuse("--lay-rate goes with --separate; one market takes one rate, --back-rate");
    CalculationRequest request{
        options.positional[0], {options.positional.begin() + 1, options.positional.end()},
        options.separate,      options.backRate,
        options.layRate,       options.outcomes};
    const Calculation calculation = calculate(request, format);
    return writeOutput(options.json ? asJson(calculation) : asText(calculation, format));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    using namespace quorvel::cli;
    prepareStandardStreams();
    try {
        return run(parseOptions(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const RefusedArgument& refused) {
        return refuse(refused.message);
    } catch (const quorvel::MoneyError& error) {
        std::cerr << "quorvel-calc: the calculation failed: " << quorvel::toString(error.kind())
                  << '\n';
        return 1;
    } catch (const std::runtime_error& error) {
        return refuse(error.what());
    } catch (const std::exception& error) {
        // No library's exception leaves main: a line and a failure, never an abort.
        std::cerr << "quorvel-calc: " << escapedControls(error.what()) << '\n';
        return 1;
    }
}
