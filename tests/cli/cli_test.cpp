// Runs the built quorvel-calc as a script would, through the shell.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The program under test: the one built here, or another build of it that QUORVEL_CALC_UNDER_TEST
// names (the Windows one, through a script that runs it under wine).
const char* calc() {
    const char* other = std::getenv("QUORVEL_CALC_UNDER_TEST");
    return other != nullptr ? other : QUORVEL_CALC;
}

std::string quoted(const std::string& text) {
    std::string q = "'";
    for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// program runs with environment and the arguments; its standard output goes to the file that
// stdoutTo names, or is closed with "&-".
Outcome run(const std::vector<std::string>& args, const std::string& input = "",
            const std::string& environment = "LC_ALL=C", const std::string& stdoutTo = "",
            const std::string& program = calc()) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("quorvel-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    std::string command =
        "LOCPATH=" + quoted(TEST_LOCALES) + " " + environment + " " + quoted(program);
    for (const auto& arg : args) command += " " + quoted(arg);
    command += " <" + quoted(dir / "in") + " >" +
               (stdoutTo.empty() ? quoted(dir / "out") : stdoutTo) + " 2>" + quoted(dir / "err");
    const int raw = std::system(command.c_str());
    Outcome result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "out"), slurp(dir / "err")};
    std::filesystem::remove_all(dir);
    return result;
}

TEST(QuorvelCalc, OneCalculationPrintsAlignedCaptionsAndValues) {
    const Outcome r = run({"lay-back", "3", "10", "2.5"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Lay Stake      12.00\n"
              "Lay Liability  18.00\n"
              "Total Stake    28.00\n"
              "Net P/L         1.90\n");
}

struct SingleCase {
    std::vector<std::string> args;
    std::string lastLine;
    std::string environment = "LC_ALL=C";
};

class OneCalculation : public testing::TestWithParam<SingleCase> {};

TEST_P(OneCalculation, EndsWithTheNet) {
    const Outcome r = run(GetParam().args, "", GetParam().environment);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.ends_with(GetParam().lastLine + "\n")) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    QuorvelCalc, OneCalculation,
    testing::Values(
        SingleCase{{"2", "3", "10", "2.5", "--separate"}, "Net P/L         1.24"},
        SingleCase{{"bet-back", "2.5", "10", "3"}, "Net P/L         1.58"},
        SingleCase{{"bet-back", "--separate", "2.5", "10", "3"}, "Net P/L         1.05"},
        SingleCase{{"total-funds", "2.5", "1.8", "100", "--separate"}, "Net P/L        15.01"},
        SingleCase{{"lay-back", "3", "10", "2.5", "--separate", "--back-rate", "2"},
                   "Net P/L         1.48"},
        SingleCase{{"lay-back", "3", "10", "2.5", "--separate", "--lay-rate=2"},
                   "Net P/L         1.46"},
        SingleCase{{"lay-back", "2", "10", "2.5"}, "Net P/L        -2.00"},
        SingleCase{{"3", "2,5", "2", "100", "--decimal-separator", ",", "--group-separator", "."},
                   "Net P/L         23,75"},
        // One separator given: the locale's comma group gives way to a point.
        SingleCase{{"3", "2,5", "2", "1.000", "--decimal-separator", ","},
                   "Net P/L          237,50"},
        SingleCase{{"lay-back", "3", "1,000.5", "2.5"}, "Net P/L          190.10"},
        // A locale that is not generated, with a three-byte group separator: columns still
        // line up by characters.
        SingleCase{
            {"lay-back", "3", "1000", "2,5"}, "Net P/L          190,00", "LC_ALL=es_ES.UTF-8"},
        SingleCase{
            {"lay-back", "3", "1000", "2.5"}, "Net P/L          190.00", "LC_ALL=de_CH.UTF-8"}));

TEST(QuorvelCalc, TotalFundsListsBothStakes) {
    const Outcome r = run({"total-funds", "3", "2.5", "90"});
    EXPECT_EQ(r.out,
              "Back Stake     50.00\n"
              "Lay Stake      60.00\n"
              "Lay Liability  90.00\n"
              "Net P/L         9.50\n");
}

TEST(QuorvelCalc, ReadsTheLocaleFromTheEnvironment) {
    // Only the C locale can be counted on; its absent grouping reads as a comma.
    const Outcome r = run({"lay-back", "1,000", "10,000", "1.0001"}, "", "LC_ALL=C LANG=C");
    EXPECT_EQ(r.status, 2);  // 1.0001 shows as 1.00: refused like a price of 1
    const Outcome grouped = run({"lay-back", "1,000", "10,000", "1.01"});
    EXPECT_EQ(grouped.status, 0) << grouped.err;
    EXPECT_TRUE(grouped.out.starts_with("Lay Stake      9,900,990.10\n")) << grouped.out;
}

struct RefusedCase {
    std::vector<std::string> args;
    std::string message;
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, WithOneLineNamingTheArgumentAndStatus2) {
    // Windows takes its arguments as UTF-16: a byte that is not UTF-8 never reaches the program.
    const bool strayByte =
        std::any_of(GetParam().args.begin(), GetParam().args.end(),
                    [](const std::string& a) { return a.find('\xff') != a.npos; });
    if (strayByte && std::getenv("QUORVEL_CALC_UNDER_TEST") != nullptr)
        GTEST_SKIP() << "no byte that is not UTF-8 reaches a Windows program's arguments";
    const Outcome r = run(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quorvel-calc: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    QuorvelCalc, Refused,
    testing::Values(
        RefusedCase{{"lay-back", "1", "10", "2.5"},
                    "back price: \"1\" is not accepted; accepted: 0, or a price that shows above "
                    "1.00, up to 1000"},
        RefusedCase{{"bet-back", "2.5", "10000.01", "3"},
                    "lay stake: \"10000.01\" is not accepted; accepted: 0 to 10000"},
        RefusedCase{{"total-funds", "2.5", "1.8", "abc"},
                    "total funds: \"abc\" cannot be read as a number"},
        RefusedCase{{"total-funds", "2.5", "1.8", "\x1b[2J\r\t\xc2\x9b"},
                    "total funds: \"\\x1b[2J\\r\\t\\u009b\" cannot be read as a number"},
        RefusedCase{{"lay-back", "3", "1 000", "2.5"},
                    "back stake: \"1 000\" cannot be read as a number"},
        RefusedCase{{"lay-back", "2,5", "10", "2.5"},
                    "back price: \"2,5\" is not grouped in threes; if \",\" separates decimals "
                    "here, give --decimal-separator \",\""},
        RefusedCase{{"lay-back", "3", "1,00", "2.5"},
                    "back stake: \"1,00\" is not grouped in threes; if \",\" separates decimals "
                    "here, give --decimal-separator \",\""},
        RefusedCase{{"lay-back", "3", "12,3456.7", "2.5"},
                    "back stake: \"12,3456.7\" is not grouped in threes; if \",\" separates "
                    "decimals here, give --decimal-separator \",\""},
        RefusedCase{{"lay-back", "3", "10", "-2"},
                    "lay price: \"-2\" is not accepted; accepted: 0, or a price that shows above "
                    "1.00, up to 1000"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "--back-rate", "5.0001"},
                    "--back-rate: \"5.0001\" is not accepted; accepted: 0 to 5"},
        RefusedCase{{"hedge", "3", "10", "2.5"},
                    "mode: \"hedge\" is not a mode; accepted: bet-back, lay-back, total-funds (or "
                    "1, 2, 3)"},
        RefusedCase{{"lay-back", "3", "10"}, "expected MODE and three inputs (see --help)"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "--lay-rate"}, "--lay-rate needs a value"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "--fast"}, "unknown option --fast (see --help)"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "-x"}, "unknown option -x (see --help)"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "--lay-rate", "1"},
                    "--lay-rate goes with --separate; one market takes one rate, --back-rate"},
        RefusedCase{{"--batch", "--separate"},
                    "--batch takes no other arguments; each line gives its model and rates"},
        RefusedCase{{"--batch", "--back-rate", "2"},
                    "--batch takes no other arguments; each line gives its model and rates"},
        RefusedCase{{"1", "2", "3", "4", "--decimal-separator", ",", "--group-separator", ","},
                    "--decimal-separator and --group-separator must differ"},
        RefusedCase{{"position", "back:10@3.03", "--price", "2.5"},
                    "bet \"back:10@3.03\" price: \"3.03\" is not on the exchange's price ladder; "
                    "nearest: 3.00 and 3.05"},
        RefusedCase{
            {"position", "back:10@3", "--price", "1.005"},
            "--price: \"1.005\" is not on the exchange's price ladder; nearest price: 1.01"},
        RefusedCase{{"position", "back10@3"},
                    "bet \"back10@3\": expected KIND:STAKE@PRICE, KIND being back, lay, book, "
                    "free or free-sr"},
        RefusedCase{{"position", "free-lay:10@5"},
                    "bet \"free-lay:10@5\": a bookmaker takes no lays; a lay is lay:STAKE@PRICE, "
                    "at the exchange"},
        RefusedCase{{"position", "book:10@1.00"},
                    "bet \"book:10@1.00\" price: \"1.00\" is not accepted; accepted: a "
                    "bookmaker's price above 1.00, up to 1000, with up to two decimals"},
        RefusedCase{{"position", "back:10@-3"},
                    "bet \"back:10@-3\" price: \"-3\" is not on the exchange's price ladder; "
                    "nearest price: 1.01"},
        RefusedCase{{"position", "back:0.001@3"},
                    "bet \"back:0.001@3\" stake: \"0.001\" is not accepted; accepted: a stake "
                    "above 0, up to 10000, in whole cents"},
        RefusedCase{{"position", "back:10@3", "--rate", "10.01"},
                    "--rate: \"10.01\" is not accepted; accepted: 0 to 10"},
        RefusedCase{{"position", "back:10@3", "--price", "2", "--price", "3"},
                    "--price is given twice"},
        RefusedCase{{"position", "back:10@3", "--outcomes"},
                    "--outcomes goes with one calculation; a position always shows its outcomes"},
        RefusedCase{{"position", "lay:10001@3"},
                    "bet \"lay:10001@3\" stake: \"10001\" is not accepted; accepted: a stake "
                    "above 0, up to 10000, in whole cents"},
        RefusedCase{{"position", "back:10@3", "--price", "2.5", "--hedge", "150%"},
                    "--hedge: \"150%\" is not accepted; accepted: a percentage above 0, up to 100"},
        RefusedCase{{"position", "back:10@3", "--separate"},
                    "a position takes one rate, --rate, on the exchange's net winnings"},
        RefusedCase{{"lay-back", "3", "10", "2.5", "--price", "2.5"}, "--price goes with position"},
        RefusedCase{{"position", "back:10@3", "--green", "each"}, "--green goes with market"},
        RefusedCase{{"--batch", "--prices", "A=2/2.02"},
                    "--batch takes no other arguments; each line gives its model and rates"},
        RefusedCase{{"market", "A=back:10@3", "--prices", "A=3/", "B=2/2.02", "--green", "each"},
                    "green each: runner \"A\" has no lay price"},
        RefusedCase{{"market", "A=back:10@3", "--prices", "A=3.05/3"},
                    "runner \"A\": the back price 3.05 is above the lay price 3.00"},
        RefusedCase{{"market", "back:10@3"}, "\"back:10@3\": expected NAME=BET"},
        RefusedCase{{"dutch", "back", "A=2", "B=2", "--profit", "10"},
                    "a profit from a back dutch needs a book under 100 %; this one is 100.00 %"},
        RefusedCase{{"dutch", "lay", "A=1.5", "B=3", "--liability", "10"},
                    "a lay dutch needs a book under 100 %; this one is 100.00 %"},
        RefusedCase{{"dutch", "lay", "A=5", "--stake", "10"}, "a lay dutch takes --liability L"},
        RefusedCase{{"dutch", "back", "A=2.10", "B=3.50", "C=4.20", "--profit", "1"},
                    "a profit from a back dutch needs a book under 100 %; this one is 100.00 %"},
        RefusedCase{{"dutch", "lay", "A=2", "B=4", "C=4", "--liability", "1"},
                    "a lay dutch needs a book under 100 %; this one is 100.00 %"},
        RefusedCase{{"market", "\xff=back:10@3", "--json"},
                    "runner \"\\xff\": a name must be UTF-8 text"},
        RefusedCase{{"market", "A\tB=back:10@3"},
                    "runner \"A\\tB\": a name holds no control characters (tabs, newlines)"},
        RefusedCase{{"dutch", "lay", "A=3.03", "B=5", "--liability", "10"},
                    "runner \"A\" price: \"3.03\" is not on the exchange's price ladder; "
                    "nearest: 3.00 and 3.05"},
        RefusedCase{{"dutch", "lay", "A=1.02", "B=1000", "--liability", "10000"},
                    "a lay dutch would stake 526,870.39 on runner \"A\"; a stake must be above 0, "
                    "up to 10000"},
        RefusedCase{{"dutch", "lay", "A=2", "B=1000", "--liability", "0.01"},
                    "a lay dutch would stake 0.00 on runner \"B\"; a stake must be above 0, up "
                    "to 10000"},
        RefusedCase{{"each-way", "10@11", "--terms", "2/1", "--places", "4", "--win-lay", "11.5",
                     "--place-lay", "3.2"},
                    "--terms: \"2/1\" is not accepted; accepted: N/D such as 1/5, N from 1 up to "
                    "D, D up to 100"},
        RefusedCase{{"each-way", "10@11", "--terms", "1/5", "--places", "4", "--win-lay", "11.5",
                     "--place-lay", "3.2", "--exchange-places", "5"},
                    "--exchange-places: \"5\" is not accepted; accepted: a whole number 2 to 4"},
        RefusedCase{{"each-way", "10@11", "--places", "4"},
                    "each-way takes --terms, --places, --win-lay and --place-lay"},
        RefusedCase{{"market", "A=back:10@3", "--prices", "A=3/3.05", "B=2/2.02", "--winners", "2"},
                    "--winners: \"2\" is not accepted; accepted: a whole number 1 to 1"},
        RefusedCase{{"market", "C=lay:2@1.87", "--prices", "A=/", "B=/", "--winners", "2",
                     "--placed", "A", "--dead-heat", "X"},
                    "--dead-heat: runner \"X\" is not in the market"},
        RefusedCase{
            {"market", "C=lay:2@1.87", "--prices", "A=/", "B=/", "--winners", "2", "--placed", "A"},
            "the result leaves 1 place to no one: name the runners placed, or the dead heat for "
            "them"},
        RefusedCase{{"market", "X=back:10@6", "--prices", "Y=/", "NR=/", "--non-runner", "NR=101"},
                    "--non-runner NR: \"101\" is not accepted; accepted: 0 to 100 (per cent)"},
        RefusedCase{{"market", "X=back:10@6", "--prices", "Y=/", "--non-runner", "Z=10"},
                    "--non-runner: runner \"Z\" is not in the market"},
        RefusedCase{{"1", "2", "3", "4", "--decimal-separator", "abc"},
                    "--decimal-separator: \"abc\" is not one character"}));

// Output that does not arrive is a failure, whatever was asked for.
TEST(QuorvelCalc, LostOutputIsAFailure) {
    for (const auto& [args, to] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"lay-back", "3", "10", "2.5"}, "/dev/full"},
             {{"lay-back", "3", "10", "2.5"}, "&-"},
             {{"--help"}, "/dev/full"},
             {{"--version"}, "/dev/full"},
             {{"--batch"}, "/dev/full"}}) {
        const Outcome r = run(args, "2\tsingle\t5\t5\t3\t10\t2.5\n", "LC_ALL=C", to);
        EXPECT_EQ(r.status, 1) << args[0] << " >" << to;
        EXPECT_TRUE(r.err.starts_with("quorvel-calc: could not write the output")) << r.err;
        if (to == "/dev/full") {
            // The system's own words: Windows' for its disk-full error (wine words it shorter),
            // not the C library's errno, which Windows only approximates.
            const bool windows = std::getenv("QUORVEL_CALC_UNDER_TEST") != nullptr;
            EXPECT_TRUE(windows ? r.err.ends_with(": There is not enough space on the disk\n") ||
                                      r.err.ends_with(": Disk full\n")
                                : r.err.ends_with(": No space left on device\n"))
                << r.err;
        }
    }
}

// Past a file-size limit as on a full disk: whole lines, and a failure that says why.
TEST(QuorvelCalc, BatchUnderAFileSizeLimitEndsOnAWholeLine) {
    std::string input;
    for (int i = 0; i < 3000; ++i) input += "2\tseparate\t5\t5\t3\t10\t2.5\n";
    const Outcome r = run({"--batch"}, input, "ulimit -f 100; LC_ALL=C");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.ends_with(": File too large\n")) << r.err;
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.size() % 31, 0u) << r.out.substr(r.out.size() - 40);  // whole answers of 31
}

TEST(QuorvelCalc, BatchAnswersEveryLineAndGoesOnAfterABadOne) {
    const std::string input =
        "2\tsingle\t5\t5\t3\t10\t2.5\n"
        "# a comment\n"
        "\n"
        "2\tseparate\t5\t5\t3\t10\t2.5\n"
        "2\tsingle\t5\t5\t3\t10\n"
        "4\tsingle\t5\t5\t3\t10\t2.5\n"
        "2\tnetted\t5\t5\t3\t10\t2.5\n"
        "2\tsingle\t5\t5\tthree\t10\t2.5\n"
        "3\tseparate\t5\t5\t2.5\t1\t100\n"
        "2\tsingle\t5\t5\t1E20\t10\t2.5\n"
        "3\tsingle\t5\t5\t3\t2.5\t90\r\n"
        "1\tsingle\t5\t5\t2.5\t10\t3";  // no final newline
    const Outcome r = run({"--batch"}, input);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "3=12.00;4=18.00;5=28.00;6=1.90\n"
              "\n"
              "\n"
              "3=11.84;4=17.76;5=27.76;6=1.24\n"
              "error: input\n"
              "error: input\n"
              "error: input\n"
              "error: parse\n"
              "error: division\n"
              "error: overflow\n"
              "1=50.00;3=60.00;4=90.00;6=9.50\n"
              "3=8.33;4=15.00;5=23.33;6=1.58\n");
}

TEST(QuorvelCalc, BatchSkipsAByteOrderMarkAndRefusesOverlongLines) {
    const std::string bet = "2\tsingle\t5\t5\t3\t10\t2.5";
    const std::string overlong = bet + std::string(70'000, ' ');
    // The limit, 65,536 bytes, counts the line without its LF or CRLF.
    const std::string longest = bet + std::string(65'536 - bet.size(), ' ');
    const Outcome r = run({"--batch"}, "\xEF\xBB\xBF" + bet + "\n" + overlong + "\n" + longest +
                                           "\r\n" + longest + " \n" + longest + "\n" + overlong);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "3=12.00;4=18.00;5=28.00;6=1.90\nerror: input\n3=12.00;4=18.00;5=28.00;6=1.90\n"
              "error: input\n3=12.00;4=18.00;5=28.00;6=1.90\nerror: input\n");
}

// quorvel-calc --batch on two pipes, as a bot keeps it.
struct CoProcess {
    pid_t pid = -1;
    int in = -1;   // its standard input
    int out = -1;  // its standard output

    CoProcess() {
        int toIt[2], fromIt[2];
        if (::pipe(toIt) != 0 || ::pipe(fromIt) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(toIt[0], 0);
            ::dup2(fromIt[1], 1);
            for (int fd : {toIt[0], toIt[1], fromIt[0], fromIt[1]}) ::close(fd);
            ::execl(calc(), calc(), "--batch", static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        ::close(toIt[0]);
        ::close(fromIt[1]);
        in = toIt[1];
        out = fromIt[0];
    }
    // What it wrote until the first newline, waiting at most seconds for each piece.
    std::string readLine(int seconds) {
        std::string line;
        char c = 0;
        pollfd ready{out, POLLIN, 0};
        while ((line.empty() || line.back() != '\n') && ::poll(&ready, 1, seconds * 1000) == 1 &&
               ::read(out, &c, 1) == 1)
            line += c;
        return line;
    }
    int wait() {
        if (in >= 0) ::close(in);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(out);
        return status;
    }
};

TEST(QuorvelCalc, BatchAnswersACoProcessLineWhileItsPipeStaysOpen) {
    CoProcess calc;
    ASSERT_GT(calc.pid, 0);
    const std::string bet = "2\tsingle\t5\t5\t3\t10\t2.5\n";
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(::write(calc.in, bet.data(), bet.size()), static_cast<ssize_t>(bet.size()));
        EXPECT_EQ(calc.readLine(30), "3=12.00;4=18.00;5=28.00;6=1.90\n");
    }
    EXPECT_EQ(calc.wait(), 0);
}

TEST(QuorvelCalc, BatchSkipsAByteOrderMarkThatComesInPieces) {
    CoProcess calc;
    ASSERT_GT(calc.pid, 0);
    const std::string first = "\xEF", rest =
                                          "\xBB\xBF"
                                          "2\tsingle\t5\t5\t3\t10\t2.5\n";
    ASSERT_EQ(::write(calc.in, first.data(), first.size()), 1);
    ::usleep(200'000);  // read on its own
    ASSERT_EQ(::write(calc.in, rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
    EXPECT_EQ(calc.readLine(30), "3=12.00;4=18.00;5=28.00;6=1.90\n");
    EXPECT_EQ(calc.wait(), 0);
}

// A reader that stops reading holds up a stop by one line at the most.
TEST(QuorvelCalc, BatchStopsAtOnceWhileItsReaderReadsNothing) {
    CoProcess calc;
    ASSERT_GT(calc.pid, 0);
    ::fcntl(calc.in, F_SETFL, O_NONBLOCK);
    std::string lines;
    for (int i = 0; i < 4000; ++i) lines += "2\tseparate\t5\t5\t3\t10\t2.5\n";
    std::size_t given = 0;
    for (int i = 0; i < 200 && given < lines.size(); ++i, ::usleep(10'000)) {
        const ssize_t wrote = ::write(calc.in, lines.data() + given, lines.size() - given);
        if (wrote > 0) given += static_cast<std::size_t>(wrote);
    }
    ::usleep(300'000);  // its answers fill the pipe
    ::kill(calc.pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100 && ::waitpid(calc.pid, &status, WNOHANG) == 0; ++i) ::usleep(50'000);
    if (::waitpid(calc.pid, &status, WNOHANG) == 0) {
        ::kill(calc.pid, SIGKILL);
        ::waitpid(calc.pid, &status, 0);
        FAIL() << "still running 5 s after SIGTERM";
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    std::string out;
    char buffer[4096];
    for (ssize_t got; (got = ::read(calc.out, buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(got));
    ::close(calc.in);
    ::close(calc.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.size() % 31, 0u);
    EXPECT_EQ(out.back(), '\n');
}

// Stopped half-way, the output holds whole answers only, each for its line.
TEST(QuorvelCalc, BatchStoppedBySigtermLeavesOnlyWholeLines) {
    const auto path =
        std::filesystem::temp_directory_path() / ("quorvel-sigterm-" + std::to_string(::getpid()));
    int toIt[2];
    ASSERT_EQ(::pipe(toIt), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(toIt[0], 0);
        ::close(toIt[0]);
        ::close(toIt[1]);
        ::dup2(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::execl(calc(), calc(), "--batch", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(toIt[0]);
    // Answers of two lengths, so that no block size lines up with whole answers by chance.
    std::string lines;
    for (int i = 0; i < 2000; ++i)
        lines +=
            "2\tseparate\t5\t5\t3\t10\t2.5\n2\tseparate\t5\t5\t3\t10\t2.5\n"
            "1\tsingle\t5\t5\t2.5\t10\t3\n";
    // Keep feeding until a good part of the output is out, then stop it mid-stream.
    for (int i = 0; i < 10'000 && !(std::filesystem::exists(path) &&
                                    std::filesystem::file_size(path) > 1'000'000);
         ++i)
        ASSERT_EQ(::write(toIt[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(toIt[1]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    const std::string out = slurp(path);
    std::filesystem::remove(path);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back(), '\n');
    std::istringstream answers(out);
    std::string answer;
    for (int i = 0; std::getline(answers, answer); ++i)
        if (answer !=
            (i % 3 == 2 ? "3=8.33;4=15.00;5=23.33;6=1.58" : "3=11.84;4=17.76;5=27.76;6=1.24"))
            FAIL() << "answer " << i << " torn: " << answer;
}

TEST(QuorvelCalc, BatchChecksNoRanges) {
    const Outcome r =
        run({"--batch"}, "2\tsingle\t5\t5\t2\t0.5\t32\n2\tsingle\t50\t5\t3\t10\t2.5\n");
    EXPECT_EQ(r.out, "3=0.03;4=0.97;5=1.47;6=-0.47\n3=12.00;4=18.00;5=28.00;6=1.00\n");
}

#ifdef WINDOW_NUMBER_PROBE
// The window reads the separators from Qt's locale data, quorvel-calc from the C library's:
// both read the same in every locale the tests use.
class SameNumbersAsTheWindow : public testing::TestWithParam<const char*> {};

TEST_P(SameNumbersAsTheWindow, InTheLocale) {
    const std::string environment = std::string("LC_ALL= LC_NUMERIC= LANG= ") + GetParam();
    const Outcome window =
        run({}, "", environment + " QT_QPA_PLATFORM=offscreen", "", WINDOW_NUMBER_PROBE);
    ASSERT_EQ(window.status, 0) << window.err;
    const Outcome calc = run({"--batch"}, "2\tsingle\t5\t5\t3\t1000\t2\n", environment);
    EXPECT_TRUE(calc.out.starts_with("3=" + window.out.substr(0, window.out.size() - 1) + ";"))
        << "window " << window.out << "quorvel-calc " << calc.out;
}

INSTANTIATE_TEST_SUITE_P(QuorvelCalc, SameNumbersAsTheWindow,
                         testing::Values("LC_ALL=C", "LC_ALL=C.UTF-8", "LC_ALL=en_US.UTF-8",
                                         "LC_ALL=es_ES.UTF-8", "LC_ALL=de_DE.UTF-8",
                                         "LC_ALL=fr_FR.UTF-8", "LC_ALL=de_CH.UTF-8",
                                         "LANG=de_DE.UTF-8 LC_NUMERIC=en_GB.UTF-8",
                                         "LANG=pt_BR.UTF-8"));
#endif

struct OutcomesCase {
    std::vector<std::string> args;
    std::string wins, loses;  // back, lay, commission, net
};

class Outcomes : public testing::TestWithParam<OutcomesCase> {};

TEST_P(Outcomes, PayWhatTheBetsAsPlacedPay) {
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--outcomes", "--json"});
    const Outcome r = run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(nlohmann::json::parse(json.dump()), json);
    auto figures = [&](const char* outcome) {
        const auto& o = json["outcomes"][outcome];
        return o["back"].get<std::string>() + " " + o["lay"].get<std::string>() + " " +
               o["commission"].get<std::string>() + " " + o["net"].get<std::string>();
    };
    EXPECT_EQ(figures("wins"), GetParam().wins);
    EXPECT_EQ(figures("loses"), GetParam().loses);
}

INSTANTIATE_TEST_SUITE_P(
    QuorvelCalc, Outcomes,
    testing::Values(
        OutcomesCase{{"lay-back", "3", "10", "2.5", "--separate"},
                     "20.00 -17.76 1.00 1.24",
                     "-10.00 11.84 0.59 1.25"},
        OutcomesCase{
            {"lay-back", "3", "10", "2.5"}, "20.00 -18.00 0.10 1.90", "-10.00 12.00 0.10 1.90"},
        OutcomesCase{
            {"bet-back", "2.5", "10", "3"}, "16.66 -15.00 0.08 1.58", "-8.33 10.00 0.08 1.59"},
        OutcomesCase{{"bet-back", "2.5", "10", "3", "--separate"},
                     "16.90 -15.00 0.85 1.06",
                     "-8.45 10.00 0.50 1.05"},
        OutcomesCase{
            {"total-funds", "3", "2.5", "90"}, "100.00 -90.00 0.50 9.50", "-50.00 60.00 0.50 9.50"},
        OutcomesCase{{"total-funds", "3", "2.5", "90", "--separate"},
                     "64.86 -57.57 3.24 4.05",
                     "-32.43 38.38 1.92 4.03"},
        // A loss either way: one market takes nothing from it.
        OutcomesCase{
            {"lay-back", "2", "10", "2.5"}, "10.00 -12.00 0.00 -2.00", "-10.00 8.00 0.00 -2.00"}));

TEST(QuorvelCalc, JsonHoldsTheCalculationAsUsedAndAsShown) {
    const Outcome r = run({"lay-back", "3", "10", "2.50", "--separate", "--outcomes", "--json",
                           "--back-rate", "4.5678"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out), nlohmann::json::parse(R"({
        "mode": "lay-back", "model": "separate", "back_rate": "4.5678", "lay_rate": "5.00",
        "inputs": {"back_price": "3.00", "back_stake": "10.00", "lay_price": "2.50"},
        "results": {"lay_stake": "11.87", "lay_liability": "17.81", "total_stake": "27.81",
                    "net": "1.28"},
        "outcomes": {"wins": {"back": "20.00", "lay": "-17.81", "commission": "0.91",
                              "net": "1.28"},
                     "loses": {"back": "-10.00", "lay": "11.87", "commission": "0.59",
                               "net": "1.28"}}})"));
    // Text: the outcomes follow the results as a table; one market has one rate.
    const Outcome text =
        run({"lay-back", "3", "1000", "2.5", "--outcomes"}, "", "LC_ALL=de_CH.UTF-8");
    EXPECT_TRUE(
        text.out.ends_with("\n"
                           "Selection       Back        Lay  Commission     Net\n"
                           "wins        2’000.00  -1’800.00       10.00  190.00\n"
                           "loses      -1’000.00   1’200.00       10.00  190.00\n"))
        << text.out;
    const Outcome one = run({"1", "2,5", "1000", "3", "--json"}, "", "LC_ALL=de_DE.UTF-8");
    const auto json = nlohmann::json::parse(one.out);
    EXPECT_EQ(json["inputs"]["lay_price"], "2.50");  // whatever the locale
    EXPECT_EQ(json["results"]["back_stake"], "833.33");
    EXPECT_FALSE(json.contains("lay_rate"));
    EXPECT_FALSE(json.contains("outcomes"));
    EXPECT_EQ(json["model"], "single");
}

TEST(QuorvelCalc, BatchJsonGivesOneValueALine) {
    const Outcome r = run({"--batch", "--json"},
                          "2\tsingle\t5\t5\t3\t10\t2.5\n2\tsingle\t5\t5\tthree\t10\t2.5\n\n# note\n"
                          "3\tsingle\t5\t5\t3\t2.5\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"results\":{\"lay_stake\":\"12.00\",\"lay_liability\":\"18.00\",\"total_stake\":"
              "\"28.00\",\"net\":\"1.90\"}}\n"
              "{\"error\":\"parse\"}\nnull\nnull\n{\"error\":\"input\"}\n");
}

// The worked examples of a position, by hand: 10 x 3 + 5 x 2.8 = 44 over 2.5 is a lay of 17.60,
// 29 - 17.6 x 1.5 = 2.60 = -15 + 17.6 either way, 5 % of it 0.13.
TEST(QuorvelCalc, PositionShowsItsOutcomesAndTheHedge) {
    const Outcome json =
        run({"position", "back:10@3.00", "back:5@2.80", "--price", "2.50", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::parse(R"({
        "bets": [{"side": "back", "stake": "10.00", "price": "3.00", "venue": "exchange",
                  "kind": "cash"},
                 {"side": "back", "stake": "5.00", "price": "2.80", "venue": "exchange",
                  "kind": "cash"}],
        "rate": "5.00", "backs": {"stake": "15.00", "average_price": "2.93"},
        "lays": {"stake": "0.00"}, "before": {"wins": "29.00", "loses": "-15.00"},
        "hedge": {"side": "lay", "price": "2.50", "stake": "17.60", "liability": "26.40"},
        "after": {"wins": "2.60", "loses": "2.60", "commission_wins": "0.13",
                  "commission_loses": "0.13", "net_wins": "2.47", "net_loses": "2.47",
                  "bookmaker_wins": "0.00", "bookmaker_loses": "0.00", "exchange_wins": "2.60",
                  "exchange_loses": "2.60"}})"));
    // A bookmaker's free bet (stake not returned) pays no commission; the lay at the exchange
    // does, on 7.77 if the selection loses: 0.3885.
    const Outcome text = run({"position", "free:10@5.00", "--price", "5.20"});
    EXPECT_EQ(text.out,
              "Backed      0.00\n"
              "Laid        0.00\n"
              "Free bets  10.00  at 5.00\n"
              "\n"
              "Selection  Before  Bookmaker  Exchange  After  Commission   Net\n"
              "wins        40.00      40.00    -32.63   7.37        0.00  7.37\n"
              "loses        0.00       0.00      7.77   7.77        0.39  7.38\n"
              "\n"
              "Lay 7.77 at 5.20, the green-up (liability 32.63)\n");
    for (const auto& [args, ending] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"back:1@3", "--price", "2.5", "--min-stake", "2"},
              "Lay 1.20 at 2.50, the green-up (liability 1.80): below the minimum stake 2.00, "
              "not placed\n"},
             {{"back:2@10", "--price", "60", "--min-stake", "2", "--min-payout", "10"},
              "Lay 0.33 at 60.00, the green-up (liability 19.47)\n"},
             {{"back:10@3", "back:5@2.8", "--price", "2.5", "--hedge", "50%"},
              "Lay 8.80 at 2.50, 50 % of the green-up (liability 13.20)\n"},
             {{"back:0.01@1.50", "--price", "1000"},
              "No hedge: the stake at 1,000.00 rounds to nothing\n"},
             {{"free:10@5", "--price", "4", "--hedge", "loses-zero"},
              "No hedge: the outcome aimed at already loses nothing\n"},
             {{"back:10@3", "lay:9.90@3", "--price", "100", "--hedge", "wins-zero"},
              "No hedge: the stake at 100.00 rounds to nothing\n"}}) {
        std::vector<std::string> words{"position"};
        words.insert(words.end(), args.begin(), args.end());
        const Outcome r = run(words);
        EXPECT_TRUE(r.out.ends_with(ending)) << r.out << r.err;
    }
}

TEST(QuorvelCalc, MarketColumnsStayStraightUnderWideAndCombiningNames) {
    // Two columns for each Chinese character and the emoji, none for the combining accent.
    const Outcome r =
        run({"market", "\u4e2d\u56fd=back:10@4", "\U0001F40Ex=lay:10@3", "e\u0301=back:1@2",
             "--prices", "\u4e2d\u56fd=3.5/3.55", "\U0001F40Ex=3/3.05", "e\u0301=2/2.02"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* row : {"\n\u4e2d\u56fd    3.50  3.55", "\n\U0001F40Ex     3.00  3.05",
                            "\ne\u0301       2.00  2.02"})
        EXPECT_NE(r.out.find(row), std::string::npos) << row << "\n" << r.out;
}

TEST(QuorvelCalc, BatchJsonAnswersAPositionRequest) {
    const Outcome r =
        run({"--batch", "--json"},
            "{\"position\": [\"back:10@3.00\", \"back:5@2.80\"], \"price\": "
            "\"2.50\", \"hedge\": \"50%\", \"rate\": \"0\"}\n"
            "{\"position\": [\"back:10@3.01\"]}\n"
            "{\"price\": \"2.50\"}\n"
            "{\"position\": [\"back:10@3\"], \"min-stake\": \"2\"}\n"
            "{\"position\": [\"back:10@3\"], \"hedge\": \"equal\"}\n"
            "{\"market\": [{\"name\": \"C\", \"back\": \"2.62\", \"lay\": \"2.64\"}, "
            "{\"name\": \"A\", \"bets\": [\"back:10@4\"], \"back\": \"3.5\", \"lay\": "
            "\"3.55\"}, {\"name\": \"B\", \"bets\": [\"lay:10@3\"], \"back\": \"3\", "
            "\"lay\": \"3.05\"}], \"green\": \"best\"}\n"
            "{\"dutch\": \"lay\", \"runners\": [{\"name\": \"A\", \"price\": \"5\"}, "
            "{\"name\": \"B\", \"price\": \"12\"}], \"liability\": \"50\", "
            "\"Rate\": \"5\"}\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    const auto first = nlohmann::json::parse(line);
    EXPECT_EQ(first["hedge"]["stake"], "8.80");
    EXPECT_EQ(first["after"]["net_loses"], "-6.20");
    std::getline(lines, line);
    EXPECT_EQ(nlohmann::json::parse(line)["error"], "input");
    for (const char* message :
         {"expected a JSON object with \"position\", \"market\", \"dutch\", \"each_way\" or "
          "\"acca\"",
          "\"min-stake\" is not a key of a position request", "hedge goes with price"}) {
        std::getline(lines, line);
        EXPECT_EQ(nlohmann::json::parse(line)["message"], message);
    }
    std::getline(lines, line);
    const auto market = nlohmann::json::parse(line);
    EXPECT_EQ(market["runners"][0]["name"], "C") << line;  // the request's order, bets or none
    EXPECT_EQ(market["runners"][0]["hedge"]["stake"], "15.26") << line;
    EXPECT_EQ(market["staked"], "38.59");
    EXPECT_EQ(market["locks_in"], "1.3212");
    std::getline(lines, line);
    EXPECT_EQ(nlohmann::json::parse(line)["message"], "\"Rate\" is not a key of a dutch request");
}

TEST(QuorvelCalc, BatchJsonSaysWhatIsWrongWithALine) {
    const std::pair<const char*, const char*> rows[] = {
        // A part of one key never reaches another's.
        {R"({"market":[{"name":"A","bets":["back:10@3"],"back":"x=2.00","lay":"2.02"}]})",
         "runner \"A\" back: \"x=2.00\" cannot be read as a number"},
        {R"({"market":[{"name":"A","back":"3"},{"name":"A","lay":"3.05"}]})",
         "runner \"A\" is named twice"},
        {R"({"dutch":"lay","dutch":"back"})", "\"dutch\" is given twice"},
        {R"({"dutch":"lay","liability":1e999999})",
         "the line holds a number JSON cannot take: number overflow parsing '1e999999'"},
        {"{\"market\":[{\"name\":\"\xff\"}]}",
         "the line is no JSON: parse error at line 1, column 21: syntax error while parsing "
         "value - invalid string: ill-formed UTF-8 byte; last read: '\"\xef\xbf\xbd'"},
    };
    std::string lines;
    for (const auto& [line, message] : rows) lines += std::string(line) + "\n";
    const Outcome r = run({"--batch", "--json"}, lines);
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream answers(r.out);
    for (const auto& [line, message] : rows) {
        std::string answer;
        std::getline(answers, answer);
        EXPECT_EQ(nlohmann::json::parse(answer)["message"], message) << line;
    }
}

// The place market of the worked example: two winners among five runners.
TEST(QuorvelCalc, APlaceMarketShowsEachPlacingAndItsWorstAndBestOutcome) {
    const Outcome r =
        run({"market", "A=back:20@2.50", "B=lay:10@1.60", "--prices", "A=2.34/2.42", "B=1.64/1.69",
             "C=1.97/2.04", "D=3.25/3.45", "E=5.4/5.8", "--winners", "2", "--green", "best"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Runner  Back   Lay   Bets  If placed             Hedge    After\n"
              "A       2.34  2.42  20.00      50.00  Lay 20.66 @ 2.42   0.0028\n"
              "B       1.64  1.69  10.00     -16.00  Back 9.74 @ 1.64  -0.0264\n"
              "C       1.97  2.04   0.00       0.00                       0.00\n"
              "D       3.25  3.45   0.00       0.00                       0.00\n"
              "E       5.40  5.80   0.00       0.00                       0.00\n"
              "\n"
              "Book: back 203.76 %, lay 195.74 % (2 places: 200 % is level)\n"
              "Worst: B and C placed, pays 0.8936, nets 0.8536\n"
              "Best: A and C placed, pays 0.9228, nets 0.8728\n"
              "Green best: stakes 30.40, locks in 0.8536\n");
    const Outcome batch = run(
        {"--batch", "--json"},
        R"({"market":[{"name":"A","bets":["back:20@2.50"]},{"name":"B","bets":["lay:10@1.60"]},)"
        R"({"name":"C"}],"winners":"2"})"
        "\n");
    const auto answer = nlohmann::json::parse(batch.out);
    EXPECT_EQ(answer["worst"]["pays"], "-26.00") << batch.out;  // B and C placed
    EXPECT_EQ(answer["runners"][0]["if_placed"], "50.00");
}

// A 3-place market settled with a dead heat for the third place, on the command line and in
// batch JSON.
TEST(QuorvelCalc, ADeadHeatSettlesEachTiedBetOnItsShareOfThePlace) {
    const Outcome r = run({"market", "C=lay:2@1.87", "--prices", "A=/", "B=/", "D=/", "E=/",
                           "--winners", "3", "--placed", "A,B", "--dead-heat", "C,D"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        r.out.ends_with("Result: A and B placed, C and D dead-heat for 1 place\n"
                        "Runner  Paid\n"
                        "C       0.13\n"
                        "A       0.00\n"
                        "B       0.00\n"
                        "D       0.00\n"
                        "E       0.00\n"
                        "Exchange 0.13, commission 0.01, net 0.12\n"))
        << r.out;
    const Outcome batch =
        run({"--batch", "--json"},
            R"({"market":[{"name":"C","bets":["lay:2@1.87"]},{"name":"A"},{"name":"B"},)"
            R"({"name":"D"}],"winners":"3","placed":"A,B","dead_heat":"C,D"})"
            "\n");
    EXPECT_EQ(nlohmann::json::parse(batch.out)["settled"]["paid"]["C"], "0.13") << batch.out;
}

// A non-runner of 25 % reduces the back matched before it, not the lay matched in play.
TEST(QuorvelCalc, ANonRunnerReducesTheBetsMatchedBeforeIt) {
    const Outcome r = run({"market", "X=back:10@6", "X=lay:20@3/after", "--prices", "Y=/", "NR=/",
                           "--non-runner", "NR=25"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("Non-runner NR, reduction factor 25.00 %: its bets are void\n"
                          "X: back 10.00 @ 6.00 now stands at 4.50\n"))
        << r.out;
    EXPECT_NE(r.out.find("\nX          -    -  30.00    -5.00"), std::string::npos) << r.out;
}

// The worked example: 10 each way at 11.00, 1/5 the odds, 4 places at the bookmaker, laid at
// 11.50 and, in a place market of 3, at 3.20.
TEST(QuorvelCalc, EachWayLaysBothPartsAndShowsEveryOutcome) {
    const Outcome r = run({"each-way", "10@11", "--terms", "1/5", "--places", "4", "--win-lay",
                           "11.50", "--place-lay", "3.20", "--exchange-places", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Each way 10.00 @ 11.00, 1/5 the odds, 4 places: the place part at 3.00\n"
              "Lay 9.61 @ 11.50 in the win market (liability 100.91)\n"
              "Lay 9.52 @ 3.20 in the place market, 3 places (liability 20.94)\n\n"
              "Outcome            Bookmaker  Win market  Place market    Net\n"
              "wins                  120.00     -100.91        -20.94  -1.85\n"
              "placed 2nd to 3rd      10.00        9.13        -20.94  -1.81\n"
              "placed 4th             10.00        9.13          9.04  28.17\n"
              "unplaced              -20.00        9.13          9.04  -1.83\n"
              "Each market's commission at 5.00 % of its own positive net.\n");
    const Outcome batch = run({"--batch", "--json"},
                              R"({"each_way":"10@11","terms":"1/5","places":"4","win_lay":"11.50",)"
                              R"("place_lay":"3.20","exchange_places":"3"})"
                              "\n");
    const auto answer = nlohmann::json::parse(batch.out);
    EXPECT_EQ(answer["outcomes"][2]["net_exact"], "28.1735") << batch.out;
    EXPECT_EQ(answer["place_lay"]["stake"], "9.52");
}

struct CompletionCase {
    std::vector<std::string> words;  // the last is the one being completed
    std::string offered;
};

TEST(QuorvelCalc, BashCompletesModesOptionsAndTheirFewValues) {
    for (const CompletionCase& c : std::vector<CompletionCase>{
             {{""}, "bet-back lay-back total-funds position market dutch each-way acca"},
             {{"acca", "10", "--fr"}, "--free --free-sr"},
             {{"each-way", "10@11", "--terms", ""}, "1/4 1/5"},
             {{"each-way", "10@11", "--pl"}, "--places --place-lay"},
             {{"market", "A=back:10@3", "--green", ""}, "each best"},
             {{"position", "back:10@3", ""}, "back: lay: book: free: free-sr:"},
             {{"position", "back:10@3", "--hedge", "w"}, "wins-zero"},
             {{"position", "--min-s"}, "--min-stake"},
             {{"--back-rate", "2", "l"}, "lay-back"},
             {{"--dec"}, "--decimal-separator"},
             {{"--o"}, "--outcomes"},
             {{"lay-back", "3", "--group-separator", ""}, ". ,"},
             {{"lay-back", ""}, ""},
             {{"--batch", ""}, ""}}) {
        std::string words = "quorvel-calc";
        for (const auto& w : c.words) words += " " + quoted(w);
        const Outcome r = run({"-c", "source " + quoted(QUORVEL_COMPLETION) + "; COMP_WORDS=(" +
                                         words + "); COMP_CWORD=" + std::to_string(c.words.size()) +
                                         "; _quorvel_calc; echo \"${COMPREPLY[*]}\""},
                              "", "LC_ALL=C", "", "/bin/bash");
        EXPECT_EQ(r.out, c.offered + "\n") << words << r.err;
    }
}

TEST(QuorvelCalc, HelpDocumentsTheModesAndBatch) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"bet-back",
                             "lay-back",
                             "total-funds",
                             "--separate",
                             "--back-rate",
                             "--lay-rate",
                             "--batch",
                             "--decimal-separator",
                             "--group-separator",
                             "--outcomes",
                             "--json",
                             "co-process",
                             "position",
                             "--hedge",
                             "--min-stake",
                             "--min-payout",
                             "free-sr",
                             "market",
                             "--green",
                             "dutch",
                             "--liability",
                             "each-way",
                             "--terms",
                             "--exchange-places",
                             "--book",
                             "--catalogue",
                             "--market-id",
                             "--stream",
                             "--at"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

// The market read from the exchange's own files, as a bot saves them.
std::string exchangeFile(const char* name) {
    return std::string(EXCHANGE_FILES) + "/" + name;
}

TEST(QuorvelCalc, ReadsTheExchangesBookAsTheTypedMarket) {
    const Outcome typed =
        run({"market", "A=back:10@4.00", "B=lay:10@3.00", "--prices", "A=3.50/3.55", "B=3.00/3.05",
             "C=2.62/2.64", "--rate", "5", "--green", "best"});
    const Outcome book = run({"market", "--book", exchangeFile("book.json"), "--catalogue",
                              exchangeFile("catalogue.json"), "--green", "best"});
    ASSERT_EQ(book.status, 0) << book.err;
    EXPECT_EQ(book.out, "Non-runner D, reduction factor 1.20 %: its bets are void\n\n" + typed.out);
}

TEST(QuorvelCalc, BatchJsonTakesTheExchangesAnswersInline) {
    auto oneLine = [](std::string text) {
        std::erase(text, '\n');
        return text;
    };
    const std::string line =
        "{\"market\": {\"book\": " + oneLine(slurp(exchangeFile("book.json"))) +
        ", \"catalogue\": " + oneLine(slurp(exchangeFile("catalogue.json"))) +
        "}, \"green\": \"best\"}\n";
    const Outcome r = run({"--batch", "--json"}, line);
    EXPECT_NE(r.out.find("\"staked\":\"38.59\",\"locks_in\":\"1.3212\""), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"non_runners\":[{\"name\":\"D\",\"factor\":\"1.20\"}]"),
              std::string::npos);
}

struct ExchangeCase {
    std::vector<std::string> args;  // after "market"; FILE: stands for the test's files
    int status;
    std::string expected;  // a line of the output, or the message
};

class ExchangeFiles : public testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeFiles, ReadOrRefused) {
    std::vector<std::string> args{"market"};
    for (const std::string& arg : GetParam().args)
        args.push_back(arg.starts_with("FILE:") ? exchangeFile(arg.c_str() + 5) : arg);
    const Outcome r = run(args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE((r.status == 0 ? r.out : r.err).find(GetParam().expected), std::string::npos)
        << r.out << r.err;
}

const bool underWindows = std::getenv("QUORVEL_CALC_UNDER_TEST") != nullptr;

INSTANTIATE_TEST_SUITE_P(
    QuorvelCalc, ExchangeFiles,
    testing::Values(
        // Without a catalogue, runners go by their selection ids; typed words join by name.
        ExchangeCase{{"--book", "FILE:book.json"}, 0, "103     2.62  2.64"},
        ExchangeCase{{"--book", "FILE:book.json", "103=back:5@2.62", "--prices", "103=2.60/2.64"},
                     0,
                     "103     2.60  2.64   5.00"},
        ExchangeCase{
            {"--book", "FILE:book.json", "E=back:5@2.62"}, 2, "runner \"E\" is not in the book"},
        ExchangeCase{{"--book", "FILE:book.json", "--market-id", "1.9"},
                     2,
                     "book: no market 1.9 (it holds 1.234567890)"},
        // The stream replayed to a time, in milliseconds or ISO 8601, or to its end.
        ExchangeCase{
            {"--stream", "FILE:stream.json", "--at", "1700000000000"}, 0, "A       3.50  3.55"},
        ExchangeCase{{"--stream", "FILE:stream.json", "--at", "2023-11-14T22:13:21Z"},
                     0,
                     "A       3.45  3.55"},
        ExchangeCase{{"--stream", "FILE:stream.json"}, 0, "C       2.62  2.66"},
        ExchangeCase{{"--stream", "FILE:stream.json.bz2"},
                     underWindows ? 2 : 0,
                     underWindows ? "decompress it with bzip2 -d" : "C       2.62  2.66"},
        ExchangeCase{{"--stream", "FILE:stream.json", "--at", "yesterday"},
                     2,
                     "--at: \"yesterday\" is neither"},
        ExchangeCase{{"--at", "1", "A=back:1@2"}, 2, "go with --book or --stream"},
        ExchangeCase{{"--book", "FILE:nowhere.json"}, 2, "nowhere.json: no such file"}));

// Accumulators laid leg by leg: the worked examples, laid at once, and what is refused.
struct AccaCase {
    std::vector<std::string> args;  // after "acca 10"
    int status;
    std::string expected;  // a line of the output, or the message
};

class Accumulator : public testing::TestWithParam<AccaCase> {};

TEST_P(Accumulator, LaidOrRefused) {
    std::vector<std::string> args{"acca", "10", "--leg", "1.80/1.85"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Outcome r = run(args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_NE((r.status == 0 ? r.out : r.err).find(GetParam().expected), std::string::npos)
        << r.out << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    QuorvelCalc, Accumulator,
    testing::Values(
        AccaCase{{"1.50/1.55", "2.10/2.16"}, 0, "3    2.10  2.16      26.87    31.1692  25.5265"},
        AccaCase{{"1.50/1.55", "2.10/2.16"},
                 0,
                 "All 3 win                     46.70  -48.1632  -1.4632"},
        AccaCase{{"1.50/1.62", "2.10/2.16", "--laid", "8.98@1.85"},
                 0,
                 "Wins 1, loses at leg 2       -10.00    7.8140  -2.1860"},
        AccaCase{{"1.50/1.55", "2.10/2.16", "--free"},
                 0,
                 "Loses at leg 1                 0.00      7.03    7.03"},
        AccaCase{{"1.50/1.55", "--upfront"},
                 0,
                 "Laid at once, the outcomes cannot be levelled: from -9.00 to 9.00."},
        AccaCase{{"1.50/2.03"}, 2, "--leg 2 lay: \"2.03\" is not on the exchange's price ladder"},
        AccaCase{{"--laid", "8.98@1.85"}, 2, "--laid: 1 lays placed on legs won, of 1 legs"},
        AccaCase{{"--free", "--free-sr"}, 2, "a free bet is one or the other"},
        AccaCase{{"--free", "--refund", "5"}, 2, "--refund goes with a cash bet"},
        AccaCase{{"1.50"}, 2, "--leg 2: \"1.50\": expected BACK/LAY"}));

TEST(QuorvelCalc, BatchJsonLaysAnAccumulator) {
    const Outcome r = run({"--batch", "--json"},
                          "{\"acca\": \"10\", \"legs\": [\"1.80/1.85\", \"1.50/1.55\", "
                          "\"2.10/2.16\"], \"kind\": \"free\"}\n");
    EXPECT_NE(r.out.find("{\"loses_at\":0,\"bookmaker\":\"46.70\",\"exchange\":\"-39.6718\","
                         "\"net\":\"7.0282\"}"),
              std::string::npos)
        << r.out;
}

}  // namespace
