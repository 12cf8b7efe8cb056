#include "ui/toolkit/number_locale.h"

namespace toolkit {

NumberSeparators numberSeparators(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace toolkit
