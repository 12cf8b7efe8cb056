#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace toolkit {

// Text crosses the contract as UTF-8; a back end converts it to what its controls hold.

// The characters of a UTF-8 text, as selections count them.
constexpr int characterCount(std::string_view utf8) noexcept {
    int count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

// A caption without its access-key ampersands, as it reads on the screen: "Back &Price" is
// "Back Price", "&&" is one ampersand.
std::string plainText(std::string_view caption);

// The access key an ampersand marks in a caption, lower case, or 0 for none.
char accessKeyOf(std::string_view caption);

}  // namespace toolkit
