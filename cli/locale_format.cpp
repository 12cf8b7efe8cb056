#include "cli/locale_format.h"

#include <stdexcept>

#include "cli/text_table.h"
#include "platform/number_separators.h"

namespace quorvel::cli {

namespace {

void requireOneCharacter(const char* option, const std::optional<std::string>& separator) {
    if (separator && characterCount(*separator) != 1)
        throw std::runtime_error(std::string(option) + ": \"" + *separator +
                                 "\" is not one character");
}

// The separator that usually stands beside this one, or nothing when there is no usual one.
std::optional<std::string> usualPartner(const std::string& separator) {
    if (separator == ",") return ".";
    if (separator == ".") return ",";
    return std::nullopt;
}

std::string partnerFor(const char* option, const std::string& given) {
    if (auto partner = usualPartner(given)) return *partner;
    throw std::runtime_error(std::string(option) + ": \"" + given +
                             "\" is the locale's other separator; give both separators");
}

}  // namespace

NumberFormat chooseNumberFormat(const std::optional<std::string>& decimal,
                                const std::optional<std::string>& group) {
    requireOneCharacter("--decimal-separator", decimal);
    requireOneCharacter("--group-separator", group);
    if (decimal && group && *decimal == *group)
        throw std::runtime_error("--decimal-separator and --group-separator must differ");

    const platform::NumberSeparators locale = platform::userNumberSeparators();
    std::string d = decimal.value_or(locale.decimal);
    std::string g = group.value_or(locale.group);
    if (decimal && !group && d == g) g = partnerFor("--decimal-separator", d);
    if (group && !decimal && d == g) d = partnerFor("--group-separator", g);
    try {
        return NumberFormat(d, g);
    } catch (const std::invalid_argument& error) {
        if (decimal || group) throw std::runtime_error(std::string("separators: ") + error.what());
        return NumberFormat::pointComma();  // a locale numbers cannot be read in
    }
}

}  // namespace quorvel::cli
