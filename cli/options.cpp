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
        auto value = [&]() -> std::string {
            if (inlineValue) return *inlineValue;
            if (i + 1 >= arguments.size())
                throw std::runtime_error(std::string(name) + " needs a value");
            return arguments[++i];
        };
        auto flag = [&](bool& target) {
            if (inlineValue) throw std::runtime_error(std::string(name) + " takes no value");
            target = true;
        };
        if (name == "--help" || name == "-h")
            flag(options.help);
        else if (name == "--version")
            flag(options.version);
        else if (name == "--batch")
            flag(options.batch);
        else if (name == "--separate")
            flag(options.separate);
        else if (name == "--outcomes")
            flag(options.outcomes);
        else if (name == "--json")
            flag(options.json);
        else if (name == "--back-rate")
            options.backRate = value();
        else if (name == "--lay-rate")
            options.layRate = value();
        else if (name == "--decimal-separator")
            options.decimalSeparator = value();
        else if (name == "--group-separator")
            options.groupSeparator = value();
        else
            throw std::runtime_error("unknown option " + std::string(name) + " (see --help)");
    }
    return options;
}

}  // namespace quorvel::cli
