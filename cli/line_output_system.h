#pragma once

#include <cstddef>
#include <string>

// What each system gives LineOutput: cli/line_output_posix.cpp and cli/line_output_win32.cpp.
namespace quorvel::cli::system {

// The stop requests (signals, the console's Ctrl+C) are held while whole lines are written
// to fd, which takes bytes as they are.
void holdStops(int fd);
void releaseStops();

// Around one write of whole lines. atomic: the system lets all of it out or none of it (a pipe
// write of at most atomicWriteSize), so a stop during it may end the program at once; any other
// stop waits until the write is done.
void enterWrite(bool atomic);
void leaveWrite();

// Bytes written, or -1 with errno set; a signal's interruption is retried.
long writeSome(int fd, const char* data, std::size_t size);
// The file position, or -1 where there is none.
long long position(int fd);
// Cuts the file to size bytes and puts the position there.
bool cutTo(int fd, long long size);
// The largest write to fd that goes out whole or not at all: PIPE_BUF for a pipe, else 0.
std::size_t atomicWriteSize(int fd);

// The system's words for the last failed read or write, whose errno was error: on Windows the
// system's own error, which the C library's errno only approximates ("There is not enough
// space on the disk", where errno may say "Permission denied"); empty for no error.
std::string failureText(int error);
// Forgets the last failure, before a write whose failure failureText will tell.
void clearFailure();

}  // namespace quorvel::cli::system
