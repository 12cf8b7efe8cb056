#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <string>

#include "cli/line_output.h"
#include "cli/line_output_system.h"

namespace quorvel::cli {

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

enum Writing : int { kIdle = 0, kHolding = 1, kAtomic = 2 };
volatile std::sig_atomic_t writing = kIdle;
volatile std::sig_atomic_t deferredSignal = 0;
struct sigaction fileSizeAction {};

void endBy(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);  // delivered as soon as the handler (if any) returns
}

extern "C" void onStopSignal(int signal) {
    if (writing == kHolding) {
        deferredSignal = signal;
        return;
    }
    endBy(signal);
}

}  // namespace

void prepareStandardStreams() {}

bool isRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

long readSome(int fd, char* buffer, unsigned size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR) return static_cast<long>(got);
    }
}

namespace system {

void holdStops(int) {
    for (int signal : kStopSignals) {
        struct sigaction previous {};
        ::sigaction(signal, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) continue;  // a background job keeps ignoring it
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
    // Past a file-size limit, a write fails with EFBIG as on a full disk, instead of the
    // signal ending the program in the middle of a line.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &fileSizeAction);
}

void releaseStops() {
    for (int signal : kStopSignals) {
        struct sigaction current {};
        ::sigaction(signal, nullptr, &current);
        if (current.sa_handler == onStopSignal) std::signal(signal, SIG_DFL);
    }
    ::sigaction(SIGXFSZ, &fileSizeAction, nullptr);
}

void enterWrite(bool atomic) {
    writing = atomic ? kAtomic : kHolding;
}

void leaveWrite() {
    writing = kIdle;
    if (deferredSignal != 0) endBy(deferredSignal);
}

long writeSome(int fd, const char* data, std::size_t size) {
    for (;;) {
        const ssize_t wrote = ::write(fd, data, size);
        if (wrote >= 0 || errno != EINTR) return static_cast<long>(wrote);
    }
}

long long position(int fd) {
    return static_cast<long long>(::lseek(fd, 0, SEEK_CUR));
}

bool cutTo(int fd, long long size) {
    return ::ftruncate(fd, static_cast<off_t>(size)) == 0 &&
           ::lseek(fd, static_cast<off_t>(size), SEEK_SET) >= 0;
}

std::size_t atomicWriteSize(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode) ? PIPE_BUF : 0;
}

std::string failureText(int error) {
    return error != 0 ? std::strerror(error) : std::string();
}

void clearFailure() {
    errno = 0;
}

}  // namespace system

}  // namespace quorvel::cli
