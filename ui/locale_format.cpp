#include "locale_format.h"

#include <stdexcept>

quorvel::NumberFormat numberFormatOf(const QLocale& locale) {
    try {
        return quorvel::NumberFormat(locale.decimalPoint().toStdString(),
                                     locale.groupSeparator().toStdString());
    } catch (const std::invalid_argument&) {
        return quorvel::NumberFormat::pointComma();  // separators numbers cannot be read with
    }
}
