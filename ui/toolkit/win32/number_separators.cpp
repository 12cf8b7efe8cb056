#include "ui/toolkit/number_separators.h"

namespace toolkit {

platform::NumberSeparators userNumberSeparators() {
    return platform::userNumberSeparators();
}

}  // namespace toolkit
