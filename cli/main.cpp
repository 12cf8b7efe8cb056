// quorvel-calc: the hedge calculator's arithmetic for scripts and lists of bets.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/json_output.h"
#include "cli/locale_format.h"
#include "cli/options.h"
#include "cli/single_calculation.h"
#include "core/field_role.h"
#include "core/mode_layout.h"
#include "core/money.h"
#include "core/version.h"

namespace {

constexpr int kExitRefused = 2;

constexpr std::string_view kHelp =
    R"(Usage: quorvel-calc MODE IN1 IN2 IN3 [--separate] [--back-rate R] [--lay-rate R]
                    [--outcomes] [--json]
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

Batch lines are tab-separated: mode (1 to 3), model (single or separate), back rate, lay
rate, and the mode's three inputs. Each line gets one output line: the results as FIELD=TEXT
pairs joined by ';' (fields 3,4,5,6 for modes 1 and 2: stake, liability, total, net; fields
1,3,4,6 for mode 3: back stake, lay stake, liability, net), or "error: parse", "error:
overflow", "error: division", or "error: input" for a malformed line or one longer than
64 KiB. Empty lines and lines starting with '#' give empty lines; a UTF-8 byte-order mark
at the start is skipped; the 64 KiB do not count the line's LF or CRLF. Batch checks no
ranges: it computes what it is given. With --json, each line gets {"results": {...}},
{"error": "KIND"}, or null for an empty or '#' line.

As a co-process: unless standard input and output are both regular files, each complete line
is answered and its answer written out before more input is awaited, so a program that
writes one line on a pipe reads its answer with the pipe still open. The output holds only
whole answer lines, one for each input line in order, whatever stops the program (SIGTERM,
SIGINT, SIGHUP, a full disk, a closed pipe).

Numbers are read and written with the separators of the locale that LC_ALL, LC_NUMERIC or
LANG names, from the same locale data as the Quorvel window, so a locale need not be
generated; the C locale reads '.' for decimals and ',' for grouping. Batch reads numbers as
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
            inputs += quorvel::cli::lowered(quorvel::plainCaption(caption));
        }
        rows.push_back({"  " + std::string(d.commandName) + ", " + std::to_string(d.mode), inputs,
                        "(" + std::string(d.purpose) + ")"});
    }
    return quorvel::cli::alignedTable(rows, quorvel::cli::Align::Left);
}

// The help, with the modes and the accepted ranges as the calculation holds them.
std::string helpText() {
    std::string text(kHelp);
    text.replace(text.find("@MODES@"), 7, modeLines());
    for (const auto& [mark, role] : {std::pair{"@PRICES@", quorvel::FieldRole::Price},
                                     std::pair{"@AMOUNTS@", quorvel::FieldRole::Amount},
                                     std::pair{"@RATES@", quorvel::FieldRole::Commission}})
        text.replace(text.find(mark), std::string_view(mark).size(),
                     quorvel::acceptedRangeText(role));
    return text;
}

// The message with control characters as C escapes ("\x1b", "\r", "\t"): a refusal echoes
// its argument, and no escape sequence from an argument may reach the terminal. C1 controls
// (U+0080 to U+009F, two bytes in UTF-8) are written as "\u0080" to "\u009f".
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
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return 0;
    const int error = errno;
    std::cerr << "quorvel-calc: could not write the output"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return 1;
}

int batch(const quorvel::cli::Options& options, const quorvel::NumberFormat& format) {
    if (!options.positional.empty() || options.separate || options.backRate || options.layRate ||
        options.outcomes)
        return refuse("--batch takes no other arguments; each line gives its model and rates");
    if (!quorvel::cli::runBatch(0, 1, format, options.json)) {
        std::cerr << "quorvel-calc: could not read or write\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorvel::cli;
    try {
        const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) return writeOutput(helpText());
        if (options.version)
            return writeOutput("quorvel-calc " + std::string(quorvel::kVersion) + "\n");
        const quorvel::NumberFormat format =
            chooseNumberFormat(options.decimalSeparator, options.groupSeparator);
        if (options.batch) return batch(options, format);
        if (options.positional.size() != 4)
            return refuse("expected MODE and three inputs (see --help)");
        if (options.layRate && !options.separate)
            return refuse(
                "--lay-rate goes with --separate; one market takes one rate, --back-rate");
        CalculationRequest request{
            options.positional[0], {options.positional.begin() + 1, options.positional.end()},
            options.separate,      options.backRate,
            options.layRate,       options.outcomes};
        const Calculation calculation = calculate(request, format);
        return writeOutput(options.json ? asJson(calculation) : asText(calculation, format));
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
