#include "ui/toolkit/text.h"

namespace toolkit {

std::string plainText(std::string_view caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;
        plain += caption[i];
    }
    return plain;
}

char accessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char key = caption[i + 1];
        if (key == '&') {
            ++i;
            continue;
        }
        return key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
    }
    return 0;
}

}  // namespace toolkit
