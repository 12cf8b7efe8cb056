#include "ui/toolkit/number_separators.h"

#include <QLocale>

namespace toolkit {

platform::NumberSeparators userNumberSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace toolkit
