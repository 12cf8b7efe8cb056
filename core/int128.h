#pragma once

// 128-bit integers, for what 64 bits cannot hold: the product of two money counts, a sum of
// such products. One place names the compiler's type, so that another compiler changes one
// line.
//   Int128 product = Int128(a.count()) * b.count();  // never overflows for two int64 counts
namespace quorvel {

__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

// How a quotient comes to a whole number of units: to the nearest, an exact half away from zero
// (as the display rounds), or down or up (toward minus or plus infinity), where a result must
// not pass a bound.
enum class Rounding { Nearest, Down, Up };

// num ÷ den, den above 0, to a whole: Nearest rounds halves away from zero, Down towards
// minus infinity, Up towards plus infinity. No intermediate value overflows.
//   divideRounded(7, 2, Rounding::Nearest) == 4    divideRounded(-7, 2, Rounding::Down) == -4
constexpr Int128 divideRounded(Int128 num, Int128 den, Rounding rounding) noexcept {
    Int128 whole = num / den;
    const Int128 rest = num % den;  // same sign as num
    const Int128 size = rest < 0 ? -rest : rest;
    switch (rounding) {
        case Rounding::Nearest:
            if (size >= den - size) whole += num < 0 ? -1 : 1;
            break;
        case Rounding::Down:
            if (rest < 0) --whole;
            break;
        case Rounding::Up:
            if (rest > 0) ++whole;
            break;
    }
    return whole;
}

}  // namespace quorvel
