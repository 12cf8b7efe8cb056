#include "core/number_format.h"

#include <stdexcept>
#include <utility>

namespace quorvel {

namespace {

bool clashesWithNumberSyntax(const std::string& separator) {
    for (char c : separator) {
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E') return true;
    }
    return false;
}

}  // namespace

NumberFormat::NumberFormat(std::string decimalSeparator, std::string groupSeparator)
    : decimal_(std::move(decimalSeparator)), group_(std::move(groupSeparator)) {
    // A space may group digits (some locales do), but a decimal space would be ambiguous with
    // the blanks that may surround a number.
    if (decimal_.empty() || decimal_.find(' ') != std::string::npos)
        throw std::invalid_argument("decimal separator must be a non-blank text");
    if (clashesWithNumberSyntax(decimal_) || clashesWithNumberSyntax(group_))
        throw std::invalid_argument("separators must not contain digits, signs or exponents");
    if (decimal_ == group_) throw std::invalid_argument("separators must differ");
    if (decimal_.size() > kMaxSeparatorBytes || group_.size() > kMaxSeparatorBytes)
        throw std::invalid_argument("a separator is one character (at most 8 bytes of UTF-8)");
}

NumberFormat NumberFormat::readableOrPointComma(std::string decimal, std::string group) {
    try {
        return NumberFormat(std::move(decimal), std::move(group));
    } catch (const std::invalid_argument&) {
        return pointComma();
    }
}

}  // namespace quorvel
