#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel::cli {

// The columns a terminal gives a UTF-8 text: two for an East Asian wide or fullwidth character
// or an emoji, none for a combining mark, a zero-width joiner or a variation selector, one for
// anything else (a byte that is not UTF-8 too). displayWidth("中国") is 4, "e\u0301" 1.
std::size_t displayWidth(std::string_view utf8) noexcept;

}  // namespace quorvel::cli
