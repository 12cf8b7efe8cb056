#include "input/exchange_files.h"

#include <algorithm>

#include "input/arguments.h"
#include "input/exchange_book.h"
#include "input/exchange_stream.h"
#include "platform/files.h"

namespace quorvel {

namespace {

std::string readExchangeFile(const std::string& path, const std::string& what) {
    // An answer of the exchange's is some kilobytes; its day of stream data some megabytes.
    constexpr std::size_t kLargest = std::size_t{1} << 30;
    std::string text;
    switch (platform::readFile(path, kLargest, text)) {
        case platform::ReadResult::Read:
            return text;
        case platform::ReadResult::Missing:
            throw RefusedArgument{what + " " + path + ": no such file"};
        case platform::ReadResult::NotAFile:
            throw RefusedArgument{what + " " + path + ": not a plain file"};
        case platform::ReadResult::TooLarge:
            throw RefusedArgument{what + " " + path + ": larger than 1 GiB"};
        case platform::ReadResult::Failed:
            break;
    }
    throw RefusedArgument{what + " " + path + ": cannot be read"};
}

// The markets of an answer of the exchange's: its result list, in its envelope or bare.
const Json* firstMarket(const Json& answer) {
    const Json& markets =
        answer.is_object() && answer.contains("result") ? answer["result"] : answer;
    if (!markets.is_array() || markets.empty() || !markets[0].is_object()) return nullptr;
    return &markets[0];
}

// A catalogue names its market and runners; a book prices them.
bool isCatalogue(const Json& answer) {
    const Json* market = firstMarket(answer);
    if (market == nullptr) return false;
    if (market->contains("marketName")) return true;
    const auto runners = market->find("runners");
    return runners != market->end() && runners->is_array() && !runners->empty() &&
           (*runners)[0].is_object() && (*runners)[0].contains("runnerName");
}

}  // namespace

MarketArguments marketOfOpened(const std::vector<std::string>& paths, const NumberFormat& format) {
    if (paths.empty() || paths.size() > 2)
        throw RefusedArgument{"open one file, or a book and its catalogue together"};
    std::optional<Json> book, catalogue;
    for (const std::string& path : paths) {
        std::string text = readExchangeFile(path, "The file");
        // A stream file is one JSON message a line, and arrives compressed as often as not.
        std::optional<Json> answer;
        if (!text.starts_with("BZh")) try {
                answer = parseExact(text, path);
            } catch (const RefusedArgument&) {
                if (text.substr(0, text.find('\n')).find("\"op\"") == std::string::npos) throw;
            }
        if (!answer || answer->contains("op")) {
            if (paths.size() > 1) throw RefusedArgument{"a stream file is opened on its own"};
            return marketOfStream(text, std::nullopt, std::nullopt, format);
        }
        std::optional<Json>& slot = isCatalogue(*answer) ? catalogue : book;
        if (slot) throw RefusedArgument{"the files are not a book and its catalogue"};
        slot = std::move(answer);
    }
    if (!book)
        throw RefusedArgument{"a catalogue names the runners of a book: open it with the book"};
    return marketOfBook({&*book, catalogue ? &*catalogue : nullptr, std::nullopt}, format);
}

MarketArguments marketOfFiles(const ExchangeFiles& files, const NumberFormat& format) {
    if (files.book && files.stream) throw RefusedArgument{"--book and --stream: give one of them"};
    if (files.at && !files.stream) throw RefusedArgument{"--at goes with --stream"};
    if (files.catalogue && !files.book) throw RefusedArgument{"--catalogue goes with --book"};
    if (files.stream)
        return marketOfStream(readExchangeFile(*files.stream, "--stream"), files.marketId, files.at,
                              format);
    const Json book = parseExact(readExchangeFile(*files.book, "--book"), *files.book);
    std::optional<Json> catalogue;
    if (files.catalogue)
        catalogue = parseExact(readExchangeFile(*files.catalogue, "--catalogue"), *files.catalogue);
    return marketOfBook({&book, catalogue ? &*catalogue : nullptr, files.marketId}, format);
}

MarketArguments overBook(MarketArguments fromFile, const MarketArguments& typed) {
    for (const RunnerArguments& given : typed.runners) {
        const auto runner =
            std::find_if(fromFile.runners.begin(), fromFile.runners.end(),
                         [&](const RunnerArguments& r) { return r.name == given.name; });
        if (runner == fromFile.runners.end())
            throw RefusedArgument{"runner \"" + given.name + "\" is not in the book"};
        if (!given.back.empty()) runner->back = given.back;
        if (!given.lay.empty()) runner->lay = given.lay;
        runner->bets.insert(runner->bets.end(), given.bets.begin(), given.bets.end());
    }
    for (auto field : {&MarketArguments::green, &MarketArguments::rate, &MarketArguments::minStake,
                       &MarketArguments::minPayout, &MarketArguments::winners,
                       &MarketArguments::placed, &MarketArguments::deadHeat})
        if (typed.*field) fromFile.*field = typed.*field;
    if (!typed.nonRunners.empty()) fromFile.nonRunners = typed.nonRunners;
    fromFile.spelling = typed.spelling;
    return fromFile;
}

}  // namespace quorvel
