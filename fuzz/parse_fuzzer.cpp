// Feeds arbitrary bytes to Money::parse. The first byte picks the separators; the rest is the
// text. Whatever parse accepts must come back from its display text as the value rounded to
// cents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/money.h"

namespace {

std::int64_t roundedToCents(std::int64_t count) {
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    const std::uint64_t rounded = (magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0)) * 100;
    return static_cast<std::int64_t>(count < 0 ? 0 - rounded : rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const quorvel::NumberFormat kPointComma = quorvel::NumberFormat::pointComma();
    static const quorvel::NumberFormat kCommaPoint{",", "."};
    const quorvel::NumberFormat& format = (data[0] & 1) != 0 ? kCommaPoint : kPointComma;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const quorvel::Money value = quorvel::Money::parse(text, format);
        const quorvel::Money back = quorvel::Money::parse(value.display(format), format);
        if (back.count() != roundedToCents(value.count())) std::abort();
    } catch (const quorvel::MoneyError&) {
        // refusing is a fine answer
    }
    return 0;
}
