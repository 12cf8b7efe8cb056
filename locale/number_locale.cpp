#include "locale/number_locale.h"

#include <stdexcept>

namespace quorvel {

NumberFormat userNumberFormat() {
    const NumberSeparators separators = userNumberSeparators();
    try {
        return NumberFormat(separators.decimal, separators.group);
    } catch (const std::invalid_argument&) {
        return NumberFormat::pointComma();
    }
}

}  // namespace quorvel
