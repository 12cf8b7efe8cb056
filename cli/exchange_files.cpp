#include "cli/exchange_files.h"

#include <algorithm>

#include "cli/arguments.h"
#include "cli/exchange_book.h"
#include "cli/exchange_stream.h"
#include "platform/files.h"

namespace quorvel::cli {

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

}  // namespace

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

}  // namespace quorvel::cli
