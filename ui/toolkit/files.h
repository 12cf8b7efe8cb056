#pragma once

#include <cstdio>
#include <string>

// The user's folder for the program's settings and the few file operations the program needs,
// paths as UTF-8 ('/' between folders on every system): each system's own calls, so that no
// program pays for a file-system library it hardly uses.
namespace toolkit {

// $XDG_CONFIG_HOME/quorvel (~/.config/quorvel) on Linux, %APPDATA%/Quorvel on Windows; not
// created here.
std::string configFolder();

// std::fopen for a path in any script.
std::FILE* openFile(const std::string& path, const char* mode);
bool fileExists(const std::string& path);
// The folder and the folders above it that are missing; false when it cannot be made.
bool makeFolders(const std::string& path);
// Renames from over to, replacing to in one step where it exists.
bool replaceFile(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);

}  // namespace toolkit
