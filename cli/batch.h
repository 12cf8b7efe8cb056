#pragma once

#include <string>
#include <string_view>

#include "core/hedge.h"
#include "core/number_format.h"

namespace quorvel::cli {

// The answer to one batch line: nothing for an empty or '#' line, an error, or the results.
struct BatchAnswer {
    enum class Kind { Nothing, Error, Results };
    Kind kind = Kind::Nothing;
    const char* error = "";  // parse, overflow, division, or input for a malformed line
    HedgeMode mode = kBetBack;
    HedgeResults results;
};

// One batch line, "mode<TAB>model<TAB>back-rate<TAB>lay-rate<TAB>in1<TAB>in2<TAB>in3".
BatchAnswer answerBatchLine(std::string_view line, const NumberFormat& format);

// The answer as text, without a newline: the results as "FIELD=TEXT" pairs joined by ';',
// "error: KIND", or nothing.
void appendText(const BatchAnswer& answer, const NumberFormat& format, std::string& out);

// The longest line answered, not counting its LF or CRLF; a longer one gets "error: input"
// and is never held whole.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 16;

// Answers every line read from the file descriptor in, one whole output line per input line
// written to out; a UTF-8 byte-order mark at the start is skipped. Unless both are regular
// files, each line is answered and written out before more input is awaited, so a co-process
// gets its answer while its pipe stays open. What ended it: the input's end, or a read or write
// error, with errno set.
// json: each answer as one JSON value (see appendJson) instead of text.
enum class BatchEnd { Done, ReadFailed, WriteFailed };
BatchEnd runBatch(int in, int out, const NumberFormat& format, bool json = false);

}  // namespace quorvel::cli
