#include "cli/options.h"

#include <stdexcept>
#include <string_view>

namespace quorvel::cli {

namespace {

// "-5", "-.5" and "-,5" are (refused) numbers, not options; so is a lone "-".
bool looksLikeNumber(const std::string& argument) {
    if (argument.size() < 2) return true;
    const char next = argument[1];
    return (next >= '0' && next <= '9') || next == '.' || next == ',';
}

// Where each option puts what it is given.
struct OptionTarget {
    std::string_view name;
    bool Options::*flag = nullptr;
    std::optional<std::string> Options::*value = nullptr;
};

constexpr OptionTarget kOptions[] = {
    {"--help", &Options::help},
    {"-h", &Options::help},
    {"--version", &Options::version},
    {"--batch", &Options::batch},
    {"--separate", &Options::separate},
    {"--outcomes", &Options::outcomes},
    {"--json", &Options::json},
    {"--back-rate", nullptr, &Options::backRate},
    {"--lay-rate", nullptr, &Options::layRate},
    {"--decimal-separator", nullptr, &Options::decimalSeparator},
    {"--group-separator", nullptr, &Options::groupSeparator},
    {"--price", nullptr, &Options::price},
    {"--hedge", nullptr, &Options::hedge},
    {"--rate", nullptr, &Options::rate},
    {"--min-stake", nullptr, &Options::minStake},
    {"--min-payout", nullptr, &Options::minPayout},
};

const OptionTarget& optionNamed(std::string_view name) {
    for (const OptionTarget& option : kOptions)
        if (option.name == name) return option;
    throw std::runtime_error("unknown option " + std::string(name) + " (see --help)");
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !argument.starts_with("-") || looksLikeNumber(argument)) {
            options.positional.push_back(argument);
            continue;
        }
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
        const OptionTarget& option = optionNamed(name);
        // A second value would silently win over the first.
        if (option.flag != nullptr ? options.*option.flag : options.*option.value != std::nullopt)
            throw std::runtime_error(std::string(name) + " is given twice");
        if (option.flag != nullptr) {
            if (inlineValue) throw std::runtime_error(std::string(name) + " takes no value");
            options.*option.flag = true;
        } else if (inlineValue) {
            options.*option.value = inlineValue;
        } else if (i + 1 < arguments.size()) {
            options.*option.value = arguments[++i];
        } else {
            throw std::runtime_error(std::string(name) + " needs a value");
        }
    }
    return options;
}

}  // namespace quorvel::cli
