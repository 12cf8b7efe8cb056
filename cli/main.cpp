// quorvel-calc: the hedge calculator's arithmetic for scripts and lists of bets.
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch.h"
#include "locale_format.h"
#include "money.h"
#include "options.h"
#include "single_calculation.h"

namespace {

constexpr int kExitRefused = 2;

constexpr const char* kHelp =
    R"(Usage: quorvel-calc MODE IN1 IN2 IN3 [--separate] [--back-rate R] [--lay-rate R]
       quorvel-calc --batch < bets.tsv

Works out the stake of the opposite bet that makes a bet's result the same whichever way the
selection finishes, with the lay liability, the total staked and the net profit or loss after
exchange commission.

MODE and its inputs, in this order:
  bet-back, 1      lay price, lay stake, back price   (back a selection laid before)
  lay-back, 2      back price, back stake, lay price  (lay a selection backed before)
  total-funds, 3   back price, lay price, total funds (back and lay for a given total)

Accepted values: prices 0 (not entered yet) or a price that shows above 1.00, up to 1000;
stakes and funds 0 to 10000; rates 0 to 5 (per cent). Up to four decimals are used.

Options:
  --separate               back and lay stand in separate markets, each with its own rate
                           (default: one market, one rate taken once from a positive net)
  --back-rate R            commission on back winnings, or the one rate (default 5)
  --lay-rate R             commission on lay winnings, with --separate (default 5)
  --batch                  read bets from standard input, one per line (see below)
  --decimal-separator S    the decimal separator (default: the locale's)
  --group-separator S      the digit-grouping separator (default: the locale's)
  --help, --version

Batch lines are tab-separated: mode (1 to 3), model (single or separate), back rate, lay
rate, and the mode's three inputs. Each line gets one output line: the results as FIELD=TEXT
pairs joined by ';' (fields 3,4,5,6 for modes 1 and 2: stake, liability, total, net; fields
1,3,4,6 for mode 3: back stake, lay stake, liability, net), or "error: parse", "error:
overflow", "error: division", or "error: input" for a malformed line. Empty lines and lines
starting with '#' give empty lines. Batch checks no ranges: it computes what it is given.

Numbers are read and written with the locale's separators (LC_ALL, LC_NUMERIC, LANG); the C
locale reads as '.' for decimals and ',' for grouping.

Exit status: 0 on success, 2 for a refused value or a usage error, 1 otherwise.
)";

int refuse(const std::string& message) {
    std::cerr << "quorvel-calc: " << message << '\n';
    return kExitRefused;
}

quorvel::NumberFormat chooseFormat(const quorvel::cli::Options& options) {
    const quorvel::NumberFormat locale = quorvel::cli::localeNumberFormat();
    try {
        return quorvel::NumberFormat(options.decimalSeparator.value_or(locale.decimalSeparator()),
                                     options.groupSeparator.value_or(locale.groupSeparator()));
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error(std::string("separators: ") + error.what());
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    try {
        const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << kHelp;
            return 0;
        }
        if (options.version) {
            std::cout << "quorvel-calc 0.9.0\n";
            return 0;
        }
        const quorvel::NumberFormat format = chooseFormat(options);
        if (options.batch) {
            if (!options.positional.empty()) return refuse("--batch takes no other arguments");
            if (!runBatch(stdin, stdout, format)) {
                std::cerr << "quorvel-calc: could not read or write\n";
                return 1;
            }
            return 0;
        }
        if (options.positional.size() != 4)
            return refuse("expected MODE and three inputs (see --help)");
        CalculationRequest request{options.positional[0],
                                   {options.positional.begin() + 1, options.positional.end()},
                                   options.separate,
                                   options.backRate.value_or("5"),
                                   options.layRate.value_or("5")};
        std::cout << calculate(request, format);
        return 0;
    } catch (const RefusedArgument& refused) {
        return refuse(refused.message);
    } catch (const quorvel::MoneyError& error) {
        std::cerr << "quorvel-calc: the calculation failed: " << quorvel::toString(error.kind())
                  << '\n';
        return 1;
    } catch (const std::runtime_error& error) {
        return refuse(error.what());
    }
}
