#include "locale_format.h"

#include <clocale>
#include <stdexcept>
#include <string>

namespace quorvel::cli {

NumberFormat localeNumberFormat() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conv = std::localeconv();
    std::string decimal = conv->decimal_point != nullptr ? conv->decimal_point : ".";
    std::string group = conv->thousands_sep != nullptr ? conv->thousands_sep : "";
    if (decimal.empty()) decimal = ".";
    if (group.empty()) group = decimal == "," ? "." : ",";
    try {
        return NumberFormat(decimal, group);
    } catch (const std::invalid_argument&) {
        return NumberFormat::pointComma();  // a locale we cannot read numbers in
    }
}

}  // namespace quorvel::cli
