#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/line_output.h"
#include "cli/line_output_system.h"
#include "platform/text.h"

namespace quorvel::cli {

namespace {

// Windows has no SIGTERM to defer: Ctrl+C, Ctrl+Break, closing the console and logging off
// reach the program as calls of the console handler, on a thread of their own. The handler
// takes the lock the writes hold, so it ends the program only between two blocks of whole
// lines, never inside one; but a pipe write of whole lines that waits for a reader who has
// stopped reading has let nothing out, and ends at once.
CRITICAL_SECTION writing;
volatile LONG atomicWrite = 0;

BOOL WINAPI onStop(DWORD) {
    if (atomicWrite == 0) EnterCriticalSection(&writing);
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

long readSome(int fd, char* buffer, unsigned size) {
    _setmode(fd, _O_BINARY);  // CR is the batch's to strip, and Ctrl+Z no end
    return _read(fd, buffer, size);
}

namespace system {

void holdStops(int fd) {
    // The bytes as written, LF endings included: the same output as on Linux.
    _setmode(fd, _O_BINARY);
    InitializeCriticalSection(&writing);
    SetConsoleCtrlHandler(onStop, TRUE);
}

void releaseStops() {
    SetConsoleCtrlHandler(onStop, FALSE);
}

void enterWrite(bool atomic) {
    EnterCriticalSection(&writing);
    atomicWrite = atomic ? 1 : 0;
}

void leaveWrite() {
    atomicWrite = 0;
    LeaveCriticalSection(&writing);
}

long writeSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 20)));
}

long long position(int fd) {
    return _lseeki64(fd, 0, SEEK_CUR);
}

bool cutTo(int fd, long long size) {
    return _chsize_s(fd, size) == 0 && _lseeki64(fd, size, SEEK_SET) >= 0;
}

std::size_t atomicWriteSize(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return handle != INVALID_HANDLE_VALUE && GetFileType(handle) == FILE_TYPE_PIPE ? 4096 : 0;
}

std::string failureText(int error) {
    const unsigned long code = _doserrno;
    if (code == 0) return error != 0 ? std::strerror(error) : std::string();
    return platform::systemMessage(code);
}

void clearFailure() {
    errno = 0;
    _doserrno = 0;
}

}  // namespace system

}  // namespace quorvel::cli
