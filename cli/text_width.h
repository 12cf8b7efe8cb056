#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel::cli {

// The characters of a UTF-8 text: what a terminal column counts, for the digits, signs and
// separators that numbers and captions are made of.
constexpr std::size_t characterCount(std::string_view utf8) noexcept {
    std::size_t count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

}  // namespace quorvel::cli
