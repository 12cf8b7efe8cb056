#pragma once

#include <filesystem>

namespace toolkit {

// The user's folder for the program's settings: $XDG_CONFIG_HOME/quorvel (~/.config/quorvel) on
// Linux, %APPDATA%\Quorvel on Windows. Not created here.
std::filesystem::path configFolder();

}  // namespace toolkit
