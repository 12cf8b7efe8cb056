#include "cli/machine_format.h"

namespace quorvel::cli {

const NumberFormat& plain() {
    static const NumberFormat format(".", "");
    return format;
}

std::string shown(Money value) {
    return value.display(plain());
}

std::string used(Money value) {
    const bool negative = value.count() < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.count())
                                             : static_cast<std::uint64_t>(value.count());
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (fraction.size() > 2 && fraction.back() == '0') fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction;
}

}  // namespace quorvel::cli
