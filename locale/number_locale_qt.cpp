#include <QLocale>

#include "locale/number_locale.h"

namespace quorvel {

NumberSeparators userNumberSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace quorvel
