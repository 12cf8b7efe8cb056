#include "core/mode_layout.h"

namespace quorvel {

std::string plainCaption(std::string_view caption) {
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&x" shows as x, and "&&" as a literal ampersand.
        if (caption[i] == '&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

}  // namespace quorvel
