#pragma once

#include <string>
#include <string_view>

// Captions whose ampersand marks an access key, as the calculator's tables and the window's
// controls write them: "Back &Price" reads "Back Price" and answers Alt+P; "&&" is one
// ampersand and marks nothing.
namespace quorvel {

// The access key an ampersand marks, lower case (ASCII), or 0 for none.
//   accessKeyOf("Back &Price") == 'p'    accessKeyOf("Tom && Jerry") == 0
constexpr char accessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char key = caption[++i];
        if (key != '&') return key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    }
    return 0;
}

// The caption as it reads on the screen, without its access-key ampersands.
//   plainText("Back &Price") == "Back Price"    plainText("Tom && Jerry") == "Tom & Jerry"
inline std::string plainText(std::string_view caption) {
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

}  // namespace quorvel
