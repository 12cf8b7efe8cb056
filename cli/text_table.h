#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// The characters of a UTF-8 text: what a terminal column counts, for the digits, signs and
// separators that numbers and captions are made of.
constexpr std::size_t characterCount(std::string_view utf8) noexcept {
    std::size_t count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

// Rows of cells two spaces apart, with widths in terminal columns: the first column aligned left
// and the others right, as numbers are, or all of them left.
enum class Align { Numbers, Left };
std::string alignedTable(const std::vector<std::vector<std::string>>& rows,
                         Align align = Align::Numbers);

}  // namespace quorvel::cli
