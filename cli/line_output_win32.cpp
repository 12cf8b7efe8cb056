#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "cli/line_output.h"

namespace quorvel::cli {

namespace {

// Windows has no SIGTERM to defer: Ctrl+C, Ctrl+Break, closing the console and logging off
// reach the program as calls of the console handler, on a thread of their own. The handler
// takes the lock the writes hold, so it ends the program only between two blocks of whole
// lines, never inside one.
CRITICAL_SECTION writing;

BOOL WINAPI onStop(DWORD) {
    EnterCriticalSection(&writing);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace

void prepareStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

bool isRegularFile(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return handle != INVALID_HANDLE_VALUE && GetFileType(handle) == FILE_TYPE_DISK;
}

LineOutput::LineOutput(int fd) : fd_(fd), regularFile_(isRegularFile(fd)) {
    // The bytes as written, LF endings included: the same output as on Linux.
    _setmode(fd, _O_BINARY);
    InitializeCriticalSection(&writing);
    SetConsoleCtrlHandler(onStop, TRUE);
}

LineOutput::~LineOutput() {
    SetConsoleCtrlHandler(onStop, FALSE);
}

bool LineOutput::write(std::string_view lines) {
    EnterCriticalSection(&writing);
    std::size_t done = 0;
    bool ok = true;
    while (done < lines.size()) {
        const unsigned chunk =
            static_cast<unsigned>(std::min<std::size_t>(lines.size() - done, 1u << 20));
        const int wrote = _write(fd_, lines.data() + done, chunk);
        if (wrote <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (!ok && done > 0 && regularFile_) {
        // A full disk took part of a line: take it back, keeping the whole lines before it.
        const int error = errno;
        const long long end = _lseeki64(fd_, 0, SEEK_CUR);
        const long long cut = end - static_cast<long long>(tornTail(lines, done));
        if (end >= 0 && _chsize_s(fd_, cut) == 0) _lseeki64(fd_, cut, SEEK_SET);
        errno = error;
    }
    LeaveCriticalSection(&writing);
    return ok;
}

long readSome(int fd, char* buffer, unsigned size) {
    _setmode(fd, _O_BINARY);  // CR is the batch's to strip, and Ctrl+Z no end
    return _read(fd, buffer, size);
}

}  // namespace quorvel::cli
