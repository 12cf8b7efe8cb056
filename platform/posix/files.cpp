#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace platform {

namespace {

// A name beside path that no one can foresee: the process and a random number.
std::string freshName(const std::string& path) {
    std::random_device random;
    return path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(random());
}

bool writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The folder's own entry synced, so that the rename outlives a crash.
void syncFolderOf(const std::string& path) {
    const std::string folder = path.substr(0, path.rfind('/'));
    const int fd =
        ::open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && *xdg == '/') return std::string(xdg) + "/quorvel";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/quorvel";
}

bool fileExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileStamp{
        static_cast<long long>(status.st_size),
        static_cast<long long>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

bool makeFolders(const std::string& path) {
    for (std::size_t slash = 1; slash != std::string::npos;) {
        slash = path.find('/', slash + 1);
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool folderIsOwn(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool removeFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

ReadResult readFile(const std::string& path, std::size_t limit, std::string& text) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    if (!S_ISREG(status.st_mode)) return ReadResult::NotAFile;
    // Without waiting: should a pipe have taken the file's place since, it is not read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadResult::Failed;
    ReadResult result = ReadResult::Read;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) result = ReadResult::NotAFile;
    text.clear();
    char buffer[65536];
    while (result == ReadResult::Read) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) result = ReadResult::Failed;
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > limit) result = ReadResult::TooLarge;
    }
    ::close(fd);
    return result;
}

std::string writeFileCarefully(const std::string& path, const std::string& text) {
    const std::string fresh = freshName(path);
    const int fd =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return std::strerror(errno);
    const bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(fresh.c_str());
        return std::strerror(written ? errno : error);
    }
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        const int failed = errno;
        ::unlink(fresh.c_str());
        return std::strerror(failed);
    }
    syncFolderOf(path);
    return {};
}

}  // namespace platform
