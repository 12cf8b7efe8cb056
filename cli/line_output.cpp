#include "cli/line_output.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace quorvel::cli {

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t writing = 0;
volatile std::sig_atomic_t deferredSignal = 0;

void endBy(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);  // delivered as soon as the handler (if any) returns
}

extern "C" void onStopSignal(int signal) {
    if (writing != 0) {
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

LineOutput::LineOutput(int fd) : fd_(fd), regularFile_(isRegularFile(fd)) {
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
}

LineOutput::~LineOutput() {
    for (int signal : kStopSignals) {
        struct sigaction current {};
        ::sigaction(signal, nullptr, &current);
        if (current.sa_handler == onStopSignal) std::signal(signal, SIG_DFL);
    }
}

bool LineOutput::write(std::string_view lines) {
    writing = 1;
    std::size_t done = 0;
    bool ok = true;
    while (done < lines.size()) {
        const ssize_t wrote = ::write(fd_, lines.data() + done, lines.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (!ok && done > 0 && regularFile_) {
        // A full disk took part of a line: take it back, keeping the whole lines before it.
        const int error = errno;
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        const off_t cut = end - static_cast<off_t>(tornTail(lines, done));
        if (end >= 0 && ::ftruncate(fd_, cut) == 0) ::lseek(fd_, cut, SEEK_SET);
        errno = error;
    }
    writing = 0;
    if (deferredSignal != 0) endBy(deferredSignal);
    return ok;
}

long readSome(int fd, char* buffer, unsigned size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR) return static_cast<long>(got);
    }
}

}  // namespace quorvel::cli
