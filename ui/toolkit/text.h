#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/caption_text.h"

namespace toolkit {

// Text crosses the contract as UTF-8; a back end converts it to what its controls hold.

// The characters of a UTF-8 text, as selections count them.
constexpr int characterCount(std::string_view utf8) noexcept {
    int count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

// Captions mark their access keys as the calculator's own tables do.
using quorvel::accessKeyOf;
using quorvel::plainText;

}  // namespace toolkit
