#include "cli/line_output.h"

#include <algorithm>
#include <cerrno>

#include "cli/line_output_system.h"

namespace quorvel::cli {

LineOutput::LineOutput(int fd)
    : fd_(fd), regularFile_(isRegularFile(fd)), atomicSize_(system::atomicWriteSize(fd)) {
    system::holdStops(fd);
}

LineOutput::~LineOutput() {
    system::releaseStops();
}

bool LineOutput::write(std::string_view lines) {
    // To a pipe, in pieces of whole lines that go out whole or not at all: a stop then waits
    // for at most one line, whether or not the reader is reading.
    while (atomicSize_ > 0 && lines.size() > atomicSize_) {
        std::size_t piece = lines.substr(0, atomicSize_).rfind('\n');
        piece = piece != std::string_view::npos ? piece + 1 : lines.find('\n') + 1;
        if (piece == 0) piece = lines.size();  // no newline: lines always end with one
        if (!writeBlock(lines.substr(0, piece))) return false;
        lines.remove_prefix(piece);
    }
    return lines.empty() || writeBlock(lines);
}

bool LineOutput::writeBlock(std::string_view lines) {
    const long long start = regularFile_ ? system::position(fd_) : -1;
    system::enterWrite(lines.size() <= atomicSize_);
    std::size_t done = 0;
    bool ok = true;
    while (done < lines.size()) {
        const long wrote = system::writeSome(fd_, lines.data() + done, lines.size() - done);
        if (wrote <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (!ok && start >= 0) {
        // A full disk or a size limit took part of a line, counted or not (a failed write may
        // have let part of its bytes out): cut back to the last whole line counted, measured
        // from where the block began.
        const int error = errno;
        system::cutTo(fd_, start + static_cast<long long>(done - tornTail(lines, done)));
        errno = error;
    }
    system::leaveWrite();
    return ok;
}

}  // namespace quorvel::cli
