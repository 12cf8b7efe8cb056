#include "ui/toolkit/config_folder.h"

#include <cstdlib>

namespace toolkit {

std::filesystem::path configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && *xdg == '/') return std::filesystem::path(xdg) / "quorvel";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "quorvel";
}

}  // namespace toolkit
