#pragma once

#include <utility>

#include "core/number_format.h"
#include "ui/toolkit/number_separators.h"

// The number format the windows read and write in: the user's, as the toolkit knows it.
inline quorvel::NumberFormat userNumberFormat() {
    platform::NumberSeparators separators = toolkit::userNumberSeparators();
    return quorvel::NumberFormat::readableOrPointComma(std::move(separators.decimal),
                                                       std::move(separators.group));
}
