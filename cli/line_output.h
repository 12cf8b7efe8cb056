#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel::cli {

// Standard output in whole lines only, whatever stops the program: each block of whole lines
// goes out with write(2), short writes and EINTR retried; a stop signal (SIGTERM, SIGINT,
// SIGHUP; Ctrl+C on Windows) that arrives during a write takes effect once the block is out,
// at once between writes and while a pipe write of whole lines waits with nothing of it out;
// a block cut short by a full disk or a file-size limit is cut back to its last whole line.
// The program still ends as the signal ends it, so its exit status is the signal's.
class LineOutput {
  public:
    explicit LineOutput(int fd);
    ~LineOutput();
    LineOutput(const LineOutput&) = delete;
    LineOutput& operator=(const LineOutput&) = delete;

    // Writes lines, which ends with a newline; false, with errno set, when they could not all
    // be written.
    bool write(std::string_view lines);

  private:
    bool writeBlock(std::string_view lines);

    int fd_;
    bool regularFile_;
    std::size_t atomicSize_;  // to a pipe, the largest write that goes out whole or not at all
};

// Of lines, of which written bytes went out, how many end in a part of a line: what a full
// disk's short write leaves after the last whole line, to be taken back.
constexpr std::size_t tornTail(std::string_view lines, std::size_t written) noexcept {
    const std::size_t lastNewline = lines.substr(0, written).rfind('\n');
    return written - (lastNewline == std::string_view::npos ? 0 : lastNewline + 1);
}

// Reads what is there, up to size bytes, waiting only when nothing is: 0 at the end, -1 on an
// error. A line typed or piped in is thus answered before the program waits for the next.
long readSome(int fd, char* buffer, unsigned size);

// Standard output and error as bytes: on Windows in binary mode, so that the output is the
// same LF-ended UTF-8 as on Linux and pipes cleanly, and a console shows UTF-8. Nothing to do
// on Linux.
void prepareStandardStreams();

// True when fd is a regular file; a batch between two of them writes in large blocks.
bool isRegularFile(int fd);

}  // namespace quorvel::cli
