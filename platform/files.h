#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The user's folder for the program's settings and the few file operations the program needs,
// paths as UTF-8 ('/' between folders on every system): each system's own calls, so that no
// program pays for a file-system library it hardly uses.
namespace platform {

// $XDG_CONFIG_HOME/quorvel (~/.config/quorvel) on Linux, %APPDATA%/Quorvel on Windows; not
// created here.
std::string configFolder();

bool fileExists(const std::string& path);
// What tells that a file was written again: its size and the time it was last written, to the
// finest the system keeps. None for a file that is not there.
struct FileStamp {
    long long size = 0;
    long long written = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
std::optional<FileStamp> fileStamp(const std::string& path);
// The folder and the folders above it that are missing; false when it cannot be made.
bool makeFolders(const std::string& path);
// The folder is the user's alone: theirs, and no one else may write in it (on Windows, the
// profile's folders are the user's by their rights).
bool folderIsOwn(const std::string& path);
// Renames from over to, replacing to in one step where it exists.
bool replaceFile(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);

// A whole file into text, if it is a plain file of at most limit bytes: a pipe, a device or a
// folder in its place is not opened, and a larger file is not read.
enum class ReadResult { Read, Missing, NotAFile, TooLarge, Failed };
ReadResult readFile(const std::string& path, std::size_t limit, std::string& text);

// Replaces path with text as a careful save does: writes a new file beside it, named for this
// process and created afresh (never opened through a link planted under that name), flushes it
// and syncs it to the disk, then renames it over path in one step (on Windows MoveFileEx with
// write-through; on POSIX the folder is synced too, so that the rename outlives a crash).
// Empty on success, else the system's words for the failure; the new file is removed then.
//   if (auto failure = writeFileCarefully(folder + "/market", text); !failure.empty()) ...
std::string writeFileCarefully(const std::string& path, const std::string& text);

}  // namespace platform
