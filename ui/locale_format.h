#pragma once

#include <QLocale>

#include "core/number_format.h"

// The separators of a Qt locale, as the calculation core takes them.
quorvel::NumberFormat numberFormatOf(const QLocale& locale);
