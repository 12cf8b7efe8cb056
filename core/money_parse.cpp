// Reading a typed number. The text is scanned once; only the first significant digits are
// kept (a count has at most 19), the rest collapse into a "something non-zero follows" flag,
// and the exponent saturates, so any text is decided in linear time without big numbers.
#include <array>
#include <cstdint>
#include <optional>

#include "core/money.h"

namespace quorvel {

namespace {

constexpr int kKeptDigits = 21;  // 19 for the count, one to round on, one spare
constexpr std::int64_t kExponentCap = 1'000'000'000;

struct Scan {
    std::string_view text;
    std::size_t pos = 0;

    bool atEnd() const { return pos >= text.size(); }
    bool atDigit() const { return !atEnd() && text[pos] >= '0' && text[pos] <= '9'; }
    bool digitAt(std::size_t at) const {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    }
    bool at(std::string_view token) const {
        return !token.empty() && text.substr(pos).starts_with(token);
    }
    bool take(char c) {
        if (atEnd() || text[pos] != c) return false;
        ++pos;
        return true;
    }
    void skipSpaces() {
        while (take(' ')) {
        }
    }
};

// The significant digits of the number: value = 0.d1d2d3... * 10^pointPosition.
struct Digits {
    std::array<std::uint8_t, kKeptDigits> kept{};
    int keptCount = 0;
    bool nonZeroBeyondKept = false;
    std::int64_t significantBeforePoint = 0;  // significant digits left of the decimal separator
    std::int64_t zerosAfterPoint = 0;         // zeros between the separator and the first one
    bool any = false;

    void add(char c, bool beforePoint) {
        any = true;
        const auto d = static_cast<std::uint8_t>(c - '0');
        if (keptCount == 0 && d == 0) {
            if (!beforePoint) ++zerosAfterPoint;
            return;
        }
        if (beforePoint) ++significantBeforePoint;
        if (keptCount < kKeptDigits)
            kept[static_cast<std::size_t>(keptCount++)] = d;
        else if (d != 0)
            nonZeroBeyondKept = true;
    }
};

// The scan stops at the first failure and keeps its kind: no exceptions on the way, so that
// a refused text costs no more than an accepted one.
struct Failure {
    std::optional<MoneyErrorKind> kind;

    bool set(MoneyErrorKind k) {
        kind = k;
        return false;
    }
};

bool scanDigits(Scan& s, const NumberFormat& format, Digits& digits, Failure& failure) {
    while (s.atDigit()) {
        digits.add(s.text[s.pos++], true);
        const std::string& group = format.groupSeparator();
        if (s.at(group) && s.digitAt(s.pos + group.size())) s.pos += group.size();
    }
    if (s.at(format.decimalSeparator())) {
        s.pos += format.decimalSeparator().size();
        while (s.atDigit()) digits.add(s.text[s.pos++], false);
    }
    return digits.any || failure.set(MoneyErrorKind::Parse);
}

bool scanExponent(Scan& s, std::int64_t& exponent, Failure& failure) {
    exponent = 0;
    if (!s.take('e') && !s.take('E')) return true;
    const bool negative = s.take('-');
    if (!negative) s.take('+');
    if (!s.atDigit()) return failure.set(MoneyErrorKind::Parse);
    while (s.atDigit()) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (s.text[s.pos] - '0');
        ++s.pos;
    }
    if (negative) exponent = -exponent;
    return true;
}

// The magnitude in ten-thousandths, rounded half to even; overflow when it cannot fit.
bool scaledMagnitude(const Digits& d, std::int64_t exponent, std::uint64_t& magnitude,
                     Failure& failure) {
    magnitude = 0;
    if (d.keptCount == 0) return true;
    const std::int64_t pointPosition =
        (d.significantBeforePoint > 0 ? d.significantBeforePoint : -d.zerosAfterPoint) + exponent;
    // Digits that land left of the ten-thousandths' point.
    const std::int64_t wholeDigits = pointPosition + 4;
    if (wholeDigits > 19)  // at least 10^19 ten-thousandths
        return failure.set(MoneyErrorKind::Overflow);
    if (wholeDigits < 0) return true;  // below half a ten-thousandth

    for (std::int64_t i = 0; i < wholeDigits; ++i)
        magnitude = magnitude * 10 + (i < d.keptCount ? d.kept[static_cast<std::size_t>(i)] : 0);

    const int first = static_cast<int>(wholeDigits);
    if (first < d.keptCount) {
        const int roundingDigit = d.kept[static_cast<std::size_t>(first)];
        bool restNonZero = d.nonZeroBeyondKept;
        for (int i = first + 1; i < d.keptCount && !restNonZero; ++i)
            restNonZero = d.kept[static_cast<std::size_t>(i)] != 0;
        if (roundingDigit > 5 || (roundingDigit == 5 && (restNonZero || magnitude % 2 == 1)))
            ++magnitude;
    }
    return true;
}

}  // namespace

std::optional<Money> Money::tryParse(std::string_view text, const NumberFormat& format,
                                     MoneyErrorKind& failureKind) noexcept {
    Scan s{text};
    Failure failure;
    Digits digits;
    std::int64_t exponent = 0;
    std::uint64_t magnitude = 0;
    s.skipSpaces();
    const bool negative = s.take('-');
    if (!negative) s.take('+');
    if (scanDigits(s, format, digits, failure) && scanExponent(s, exponent, failure)) {
        s.skipSpaces();
        if (!s.atEnd()) failure.set(MoneyErrorKind::Parse);
    }
    if (!failure.kind) scaledMagnitude(digits, exponent, magnitude, failure);

    constexpr auto kMaxCount = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (!failure.kind && magnitude > kMaxCount + (negative ? 1 : 0))
        failure.set(MoneyErrorKind::Overflow);
    if (failure.kind) {
        failureKind = *failure.kind;
        return std::nullopt;
    }
    return Money(negative ? static_cast<std::int64_t>(0 - magnitude)
                          : static_cast<std::int64_t>(magnitude));
}

Money Money::parse(std::string_view text, const NumberFormat& format) {
    MoneyErrorKind failure = MoneyErrorKind::Parse;
    if (const auto money = tryParse(text, format, failure)) return *money;
    throw MoneyError(failure);
}

}  // namespace quorvel
