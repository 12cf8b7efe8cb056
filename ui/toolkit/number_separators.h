#pragma once

#include "platform/number_separators.h"

namespace toolkit {

// The user's number separators as the window's toolkit knows them: on Linux Qt's own locale
// data for the locale the environment names, which need not be installed on the machine;
// elsewhere the system's.
platform::NumberSeparators userNumberSeparators();

}  // namespace toolkit
