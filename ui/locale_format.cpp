#include "ui/locale_format.h"

#include <stdexcept>

#include "ui/toolkit/number_locale.h"

quorvel::NumberFormat numberFormatOf(const QLocale& locale) {
    const toolkit::NumberSeparators separators = toolkit::numberSeparators(locale);
    try {
        return quorvel::NumberFormat(separators.decimal, separators.group);
    } catch (const std::invalid_argument&) {
        return quorvel::NumberFormat::pointComma();  // separators numbers cannot be read with
    }
}
