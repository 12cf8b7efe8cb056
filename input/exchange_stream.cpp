#include "input/exchange_stream.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <vector>

#ifdef QUORVEL_HAVE_BZIP2
#include <bzlib.h>
#endif

#include "input/bet_arguments.h"
#include "input/exact_json.h"

namespace quorvel {

namespace {

const NumberFormat kJsonNumbers = NumberFormat::pointComma();

struct RunnerState {
    std::string name;
    bool removed = false;
    std::string adjustment;
    int priority = 0;
    std::map<Money, Money> atb, atl;                    // price: size
    std::map<int, std::pair<Money, Money>> batb, batl;  // level: price, size
};

struct MarketState {
    std::map<std::string, RunnerState> runners;
    std::vector<std::string> order;  // as the definition and the changes first name them
    std::string winners;
    bool levels = false;
};

// Where a value stands, for a refusal: "stream line 3 runner 101 atb"; put into words only
// when one is refused, as a replay reads a great many.
struct Place {
    std::size_t line;
    std::string_view runner;
    std::string_view field;
    std::string text() const {
        return "stream line " + std::to_string(line) +
               (runner.empty() ? "" : " runner " + std::string(runner)) + " " + std::string(field);
    }
};

// The stream applied message by message.
class Replay {
  public:
    // False once a message is later than the time asked for: the replay ends there.
    bool apply(const Json& message, long long until, std::size_t line) {
        if (!message.is_object() || message.value("op", "") != "mcm" || !message.contains("mc"))
            return true;
        if (message.contains("pt") && number(message["pt"], {line, {}, "pt"}) > until) return false;
        for (const Json& change : message["mc"]) applyMarket(change, line);
        return true;
    }

    std::map<std::string, MarketState> markets;

  private:
    static long long number(const Json& value, const Place& where) {
        const std::string text = numberText(value);
        long long n = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (error != std::errc() || end != text.data() + text.size())
            throw RefusedArgument{where.text() + ": \"" + text + "\" is not a whole number"};
        return n;
    }
    static Money money(const Json& value, const Place& where) {
        try {
            return Money::parse(numberText(value), kJsonNumbers);
        } catch (const MoneyError&) {
            throw RefusedArgument{where.text() + ": \"" + numberText(value) + "\" is not a number"};
        }
    }

    void applyMarket(const Json& change, std::size_t line) {
        const std::string id = numberText(change.value("id", Json()));
        MarketState& market = markets[id];
        if (change.value("img", false)) market = MarketState{};
        if (change.contains("marketDefinition")) define(market, change["marketDefinition"], line);
        if (!change.contains("rc")) return;
        for (const Json& runnerChange : change["rc"]) {
            const std::string runnerId = numberText(runnerChange.value("id", Json()));
            RunnerState& runner = runnerOf(market, runnerId);
            for (const char* side : {"atb", "atl"})
                if (runnerChange.contains(side))
                    levels(market, side[2] == 'b' ? runner.atb : runner.atl, runnerChange[side],
                           {line, runnerId, side});
            for (const char* side : {"batb", "batl"})
                if (runnerChange.contains(side))
                    ranked(market, side[3] == 'b' ? runner.batb : runner.batl, runnerChange[side],
                           {line, runnerId, side});
        }
    }

    RunnerState& runnerOf(MarketState& market, const std::string& id) {
        if (!market.runners.count(id)) market.order.push_back(id);
        return market.runners[id];
    }

    void define(MarketState& market, const Json& definition, std::size_t line) {
        if (definition.contains("numberOfWinners"))
            market.winners = numberText(definition["numberOfWinners"]);
        if (!definition.contains("runners")) return;
        for (const Json& runner : definition["runners"]) {
            RunnerState& state = runnerOf(market, numberText(runner.value("id", Json())));
            if (runner.contains("name")) state.name = runner["name"].get<std::string>();
            state.removed = runner.value("status", "") == "REMOVED";
            if (runner.contains("adjustmentFactor"))
                state.adjustment = numberText(runner["adjustmentFactor"]);
            if (runner.contains("sortPriority"))
                state.priority =
                    static_cast<int>(number(runner["sortPriority"], {line, {}, "sortPriority"}));
        }
    }

    void levels(MarketState& market, std::map<Money, Money>& ladder, const Json& changes,
                const Place& where) {
        market.levels = true;
        for (const Json& level : changes) {
            if (!level.is_array() || level.size() != 2)
                throw RefusedArgument{where.text() + ": expected [price, size]"};
            const Money price = money(level[0], where), size = money(level[1], where);
            if (size.isZero())
                ladder.erase(price);
            else
                ladder[price] = size;
        }
    }

    void ranked(MarketState& market, std::map<int, std::pair<Money, Money>>& ladder,
                const Json& changes, const Place& where) {
        market.levels = true;
        for (const Json& level : changes) {
            if (!level.is_array() || level.size() != 3)
                throw RefusedArgument{where.text() + ": expected [level, price, size]"};
            const int rank = static_cast<int>(number(level[0], where));
            const Money price = money(level[1], where), size = money(level[2], where);
            if (size.isZero())
                ladder.erase(rank);
            else
                ladder[rank] = {price, size};
        }
    }
};

std::string decompressed(std::string_view text);

// The best price of one side: its first ranked level, else the best of its full ladder.
std::optional<Money> bestOf(const std::map<int, std::pair<Money, Money>>& ranked,
                            const std::map<Money, Money>& ladder, bool back) {
    if (!ranked.empty()) return ranked.begin()->second.first;
    if (ladder.empty()) return std::nullopt;
    return back ? ladder.rbegin()->first : ladder.begin()->first;
}

std::string priceText(const std::optional<Money>& price, const std::string& where,
                      const NumberFormat& format) {
    if (!price) return {};
    return readLadderPrice(where, price->display(kJsonNumbers), kJsonNumbers).display(format);
}

MarketArguments argumentsOf(const MarketState& market, const NumberFormat& format) {
    std::vector<std::string> order = market.order;
    std::stable_sort(order.begin(), order.end(), [&](const std::string& a, const std::string& b) {
        return market.runners.at(a).priority < market.runners.at(b).priority;
    });
    MarketArguments arguments;
    for (const std::string& id : order) {
        const RunnerState& runner = market.runners.at(id);
        const std::string name = runner.name.empty() ? id : runner.name;
        const std::string where = "stream runner " + id;
        arguments.runners.push_back(
            {name,
             {},
             priceText(bestOf(runner.batb, runner.atb, true), where + " back", format),
             priceText(bestOf(runner.batl, runner.atl, false), where + " lay", format)});
        if (runner.removed)
            arguments.nonRunners.push_back(
                name + "=" +
                readCents(where + " adjustmentFactor",
                          runner.adjustment.empty() ? "0" : runner.adjustment, Money(), false,
                          Money::fromWhole(100), "0 to 100", kJsonNumbers)
                    .display(format));
    }
    if (!market.winners.empty()) arguments.winners = market.winners;
    return arguments;
}

}  // namespace

MarketArguments marketOfStream(std::string_view text, const std::optional<std::string>& marketId,
                               const std::optional<std::string>& at, const NumberFormat& format) {
    // A plain file is read where it lies; a compressed one from its decompressed copy.
    std::optional<std::string> inflated;
    if (text.starts_with("BZh")) inflated = decompressed(text);
    const std::string_view plain = inflated ? std::string_view(*inflated) : text;
    const long long until = at ? streamTime(*at) : std::numeric_limits<long long>::max();
    Replay replay;
    std::size_t line = 0;
    for (std::string_view rest = plain; !rest.empty();) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view message = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        ++line;
        if (message.find_first_not_of(" \t\r") == std::string_view::npos) continue;
        if (!replay.apply(parseExact(message, "stream line " + std::to_string(line)), until, line))
            break;
    }
    if (replay.markets.empty()) throw RefusedArgument{"--stream: the file holds no market"};
    const auto market = marketId                     ? replay.markets.find(*marketId)
                        : replay.markets.size() == 1 ? replay.markets.begin()
                                                     : replay.markets.end();
    if (market == replay.markets.end()) {
        std::string ids;
        for (const auto& [id, state] : replay.markets) ids += (ids.empty() ? "" : ", ") + id;
        throw RefusedArgument{
            "--stream: " + (marketId ? "no market " + *marketId : "several markets") +
            "; it holds " + ids + (marketId ? "" : ": choose one with --market-id")};
    }
    if (!market->second.levels)
        throw RefusedArgument{
            "--stream: the file holds only last traded prices, no back or lay levels"};
    return argumentsOf(market->second, format);
}

namespace {

long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long shifted = m > 2 ? m - 3 : m + 9;  // March first
    const long long doy = (153 * shifted + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The digits of text from at, count of them exactly.
bool digits(const std::string& text, std::size_t at, std::size_t count, long long& out) {
    if (at + count > text.size()) return false;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + count, out);
    return error == std::errc() && end == text.data() + at + count;
}

}  // namespace

long long streamTime(const std::string& text) {
    long long ms = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (error == std::errc() && end == text.data() + text.size()) return ms;
    long long y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const bool shaped = digits(text, 0, 4, y) && text.size() > 4 && text[4] == '-' &&
                        digits(text, 5, 2, mo) && text[7] == '-' && digits(text, 8, 2, d) &&
                        text.size() > 10 && (text[10] == 'T' || text[10] == ' ') &&
                        digits(text, 11, 2, h) && text[13] == ':' && digits(text, 14, 2, mi) &&
                        text[16] == ':' && digits(text, 17, 2, s);
    std::size_t at = 19;
    long long fraction = 0;
    if (shaped && at < text.size() && text[at] == '.') {
        long long scale = 100;
        for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, scale /= 10)
            fraction += (text[at] - '0') * scale;
    }
    long long offset = 0;
    if (shaped && at < text.size() && (text[at] == '+' || text[at] == '-')) {
        long long oh = 0, om = 0;
        if (!digits(text, at + 1, 2, oh) || text.size() != at + 6 || text[at + 3] != ':' ||
            !digits(text, at + 4, 2, om))
            throw RefusedArgument{"--at: \"" + text + "\" has an offset other than +hh:mm"};
        offset = (text[at] == '+' ? 1 : -1) * (oh * 60 + om) * 60000;
        at = text.size();
    } else if (shaped && at < text.size() && text[at] == 'Z') {
        ++at;
    }
    if (!shaped || at != text.size() || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 ||
        s > 60)
        throw RefusedArgument{"--at: \"" + text +
                              "\" is neither milliseconds since 1970 nor a time such as "
                              "2024-03-01T14:30:00Z"};
    const long long days = daysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d));
    return ((days * 24 + h) * 60 + mi) * 60000 + s * 1000 + fraction - offset;
}

namespace {

std::string decompressed(std::string_view text) {
#ifdef QUORVEL_HAVE_BZIP2
    bz_stream stream{};
    if (BZ2_bzDecompressInit(&stream, 0, 0) != BZ_OK)
        throw RefusedArgument{"--stream: the bzip2 decompressor cannot start"};
    std::string out;
    std::vector<char> buffer(1 << 20);
    stream.next_in = const_cast<char*>(text.data());
    stream.avail_in = static_cast<unsigned>(text.size());
    int status = BZ_OK;
    while (status == BZ_OK) {
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<unsigned>(buffer.size());
        status = BZ2_bzDecompress(&stream);
        out.append(buffer.data(), buffer.size() - stream.avail_out);
        // A file of several bzip2 streams, as a concatenation makes: the next one follows.
        if (status == BZ_STREAM_END && stream.avail_in > 0) {
            const char* next = stream.next_in;
            const unsigned left = stream.avail_in;
            BZ2_bzDecompressEnd(&stream);
            stream = bz_stream{};
            BZ2_bzDecompressInit(&stream, 0, 0);
            stream.next_in = const_cast<char*>(next);
            stream.avail_in = left;
            status = BZ_OK;
        }
    }
    BZ2_bzDecompressEnd(&stream);
    if (status != BZ_STREAM_END)
        throw RefusedArgument{"--stream: the bzip2 data is damaged or cut short"};
    return out;
#else
    (void)text;
    throw RefusedArgument{
        "--stream: this build reads stream files decompressed; decompress it with bzip2 -d"};
#endif
}

}  // namespace

}  // namespace quorvel
