// The "Standard" display text of a money value.
#include <array>

#include "core/money.h"

namespace quorvel {

std::string Money::display(const NumberFormat& format) const {
    // Work on the magnitude as unsigned so that the most negative count needs no special case.
    const bool negative = count_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(count_) : static_cast<std::uint64_t>(count_);
    std::uint64_t cents = magnitude / 100;
    if (magnitude % 100 >= 50) ++cents;  // half away from zero, on the exact value

    // Built right to left: at most 18 whole digits, their separators and two decimals.
    std::array<char, 128> buffer{};
    std::size_t start = buffer.size();
    auto put = [&](std::string_view piece) {
        start -= piece.size();
        piece.copy(buffer.data() + start, piece.size());
    };
    const char lowDigits[2] = {static_cast<char>('0' + cents / 10 % 10),
                               static_cast<char>('0' + cents % 10)};
    put(std::string_view(lowDigits, 2));
    put(format.decimalSeparator());
    std::uint64_t whole = cents / 100;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            put(format.groupSeparator());
            inGroup = 0;
        }
        const char digit = static_cast<char>('0' + whole % 10);
        put(std::string_view(&digit, 1));
        whole /= 10;
        ++inGroup;
    } while (whole != 0);
    if (negative && cents != 0) put("-");
    return std::string(buffer.data() + start, buffer.size() - start);
}

}  // namespace quorvel

namespace quorvel {

std::string Money::displayFine(const NumberFormat& format) const {
    const bool negative = count_ < 0;
    const std::int64_t magnitude = negative ? (Money() - *this).count_ : count_;
    const std::int64_t further = magnitude % 100;
    // The cents toward zero as ever, then the two further decimals when there are any.
    std::string text = fromCount(magnitude - further).display(format);
    if (further != 0) {
        text += static_cast<char>('0' + further / 10);
        text += static_cast<char>('0' + further % 10);
    }
    return negative ? "-" + text : text;
}

}  // namespace quorvel
