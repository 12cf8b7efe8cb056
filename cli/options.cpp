#include "options.h"

#include <stdexcept>
#include <string_view>

namespace quorvel::cli {

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // A lone "-5" is a (refused) number, not an option.
        if (optionsEnded || !argument.starts_with("-") || argument == "-" ||
            (argument.size() > 1 && argument[1] != '-' && argument != "-h")) {
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
