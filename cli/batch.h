#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "number_format.h"

namespace quorvel::cli {

// One batch line, "mode<TAB>model<TAB>back-rate<TAB>lay-rate<TAB>in1<TAB>in2<TAB>in3", answered
// with its results as "FIELD=TEXT" pairs joined by ';', or "error: KIND". Empty and '#' lines
// answer with nothing. The answer is appended to out, without a newline.
void answerBatchLine(std::string_view line, const NumberFormat& format, std::string& out);

// The longest line answered; a longer one gets "error: input" and is never held whole.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 16;

// Answers every line of in, one output line per input line; a UTF-8 byte-order mark at the
// start is skipped. Returns false on a read or write error.
bool runBatch(std::FILE* in, std::FILE* out, const NumberFormat& format);

}  // namespace quorvel::cli
