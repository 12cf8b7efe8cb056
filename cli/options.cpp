#include "cli/options.h"

#include <stdexcept>

namespace quorvel::cli {

namespace {

// "-5", "-.5" and "-,5" are (refused) numbers, not options; so is a lone "-".
bool looksLikeNumber(const std::string& argument) {
    if (argument.size() < 2) return true;
    const char next = argument[1];
    return (next >= '0' && next <= '9') || next == '.' || next == ',';
}

// Where each option puts what it is given, and the commands it belongs to.
struct OptionTarget {
    std::string_view name;
    unsigned commands;
    bool Options::*flag = nullptr;
    std::optional<std::string> Options::*value = nullptr;
    std::vector<std::string> Options::*list = nullptr;
};

constexpr unsigned kExchange = kPosition | kMarket;

constexpr OptionTarget kOptions[] = {
    {"--help", kAnyCommand, &Options::help},
    {"-h", kAnyCommand, &Options::help},
    {"--version", kAnyCommand, &Options::version},
    {"--batch", kBatch, &Options::batch},
    {"--separate", kCalculation, &Options::separate},
    {"--outcomes", kCalculation, &Options::outcomes},
    {"--json", kAnyCommand, &Options::json},
    {"--back-rate", kCalculation, nullptr, &Options::backRate},
    {"--lay-rate", kCalculation, nullptr, &Options::layRate},
    {"--decimal-separator", kAnyCommand, nullptr, &Options::decimalSeparator},
    {"--group-separator", kAnyCommand, nullptr, &Options::groupSeparator},
    {"--price", kPosition, nullptr, &Options::price},
    {"--hedge", kPosition, nullptr, &Options::hedge},
    {"--rate", kExchange | kDutch | kEachWay | kAcca, nullptr, &Options::rate},
    {"--min-stake", kExchange, nullptr, &Options::minStake},
    {"--min-payout", kExchange, nullptr, &Options::minPayout},
    {"--prices", kMarket, nullptr, nullptr, &Options::prices},
    {"--non-runner", kMarket, nullptr, nullptr, &Options::nonRunners},
    {"--green", kMarket, nullptr, &Options::green},
    {"--winners", kMarket, nullptr, &Options::winners},
    {"--placed", kMarket, nullptr, &Options::placed},
    {"--dead-heat", kMarket, nullptr, &Options::deadHeat},
    {"--book", kMarket, nullptr, &Options::book},
    {"--catalogue", kMarket, nullptr, &Options::catalogue},
    {"--market-id", kMarket, nullptr, &Options::marketId},
    {"--stream", kMarket, nullptr, &Options::stream},
    {"--at", kMarket, nullptr, &Options::at},
    {"--stake", kDutch, nullptr, &Options::stake},
    {"--profit", kDutch, nullptr, &Options::profit},
    {"--liability", kDutch, nullptr, &Options::liability},
    {"--terms", kEachWay, nullptr, &Options::terms},
    {"--places", kEachWay, nullptr, &Options::places},
    {"--exchange-places", kEachWay, nullptr, &Options::exchangePlaces},
    {"--win-lay", kEachWay, nullptr, &Options::winLay},
    {"--place-lay", kEachWay, nullptr, &Options::placeLay},
    {"--leg", kAcca, nullptr, nullptr, &Options::legs},
    {"--laid", kAcca, nullptr, nullptr, &Options::laid},
    {"--free", kAcca, &Options::free},
    {"--free-sr", kAcca, &Options::freeSr},
    {"--refund", kAcca, nullptr, &Options::refund},
    {"--upfront", kAcca, &Options::upfront},
};

const OptionTarget& optionNamed(std::string_view name) {
    for (const OptionTarget& option : kOptions)
        if (option.name == name) return option;
    throw std::runtime_error("unknown option " + std::string(name) + " (see --help)");
}

bool given(const OptionTarget& option, const Options& options) {
    if (option.flag != nullptr) return options.*option.flag;
    if (option.value != nullptr) return options.*option.value != std::nullopt;
    return !(options.*option.list).empty();
}

// "position", "market or dutch": the commands an option goes with, in words.
std::string commandNames(unsigned commands) {
    constexpr std::pair<unsigned, const char*> kNames[] = {{kCalculation, "one calculation"},
                                                           {kPosition, "position"},
                                                           {kMarket, "market"},
                                                           {kDutch, "dutch"},
                                                           {kEachWay, "each-way"},
                                                           {kAcca, "acca"},
                                                           {kBatch, "--batch"}};
    std::vector<const char*> names;
    for (const auto& [command, name] : kNames)
        if ((commands & command) != 0) names.push_back(name);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += std::string(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return text;
}

// The option name, with the value given after '=' or as the next argument (i moves past it);
// for an option that takes a list, the list that the arguments after it go to.
std::vector<std::string>* takeOption(Options& options, std::string_view name,
                                     const std::optional<std::string>& inlineValue,
                                     const std::vector<std::string>& arguments, std::size_t& i) {
    const OptionTarget& option = optionNamed(name);
    // A second value would silently win over the first.
    if (given(option, options)) throw std::runtime_error(std::string(name) + " is given twice");
    options.given.push_back(option.name);
    if (option.flag != nullptr) {
        if (inlineValue) throw std::runtime_error(std::string(name) + " takes no value");
        options.*option.flag = true;
    } else if (option.list != nullptr) {
        std::vector<std::string>* list = &(options.*option.list);
        if (inlineValue) list->push_back(*inlineValue);
        return list;
    } else if (inlineValue) {
        options.*option.value = inlineValue;
    } else if (i + 1 < arguments.size()) {
        options.*option.value = arguments[++i];
    } else {
        throw std::runtime_error(std::string(name) + " needs a value");
    }
    return nullptr;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool optionsEnded = false;
    std::vector<std::string>* list = nullptr;  // --prices takes what follows it
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !argument.starts_with("-") || looksLikeNumber(argument)) {
            (list != nullptr ? *list : options.positional).push_back(argument);
            continue;
        }
        list = nullptr;
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = argument;
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        list = takeOption(options, name, inlineValue, arguments, i);
    }
    return options;
}

Command commandOf(const Options& options) {
    if (options.batch) return kBatch;
    const std::string first = options.positional.empty() ? "" : options.positional[0];
    if (first == "position") return kPosition;
    if (first == "market") return kMarket;
    if (first == "dutch") return kDutch;
    if (first == "each-way") return kEachWay;
    if (first == "acca") return kAcca;
    return kCalculation;
}

void checkOptionsFor(Command command, const Options& options) {
    for (std::string_view name : options.given) {
        const OptionTarget& option = optionNamed(name);
        if ((option.commands & command) == 0)
            throw std::runtime_error(std::string(name) + " goes with " +
                                     commandNames(option.commands));
    }
}

}  // namespace quorvel::cli
