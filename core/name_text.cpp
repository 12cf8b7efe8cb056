#include "core/name_text.h"

#include <cstdint>

namespace quorvel {

std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t& c) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || at + length > text.size()) return 0;
    c = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(at + i) & 0x3Fu);
    }
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

NameProblem checkName(std::string_view name) noexcept {
    for (std::size_t at = 0; at < name.size();) {
        char32_t c = 0;
        const std::size_t length = utf8Sequence(name, at, c);
        if (length == 0) return NameProblem::NotUtf8;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            return NameProblem::Control;
        at += length;
    }
    return NameProblem::None;
}

}  // namespace quorvel
