#include "cli/batch.h"

#include <array>
#include <vector>

#include "cli/json_output.h"
#include "cli/json_request.h"
#include "cli/line_output.h"
#include "core/hedge.h"
#include "core/mode_layout.h"
#include "core/money.h"

namespace quorvel::cli {

namespace {

constexpr std::size_t kColumns = 7;

// Splits on tabs, in one pass; false when the count is not exactly kColumns.
bool splitColumns(std::string_view line, std::array<std::string_view, kColumns>& columns) {
    for (std::size_t i = 0; i + 1 < kColumns; ++i) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) return false;
        columns[i] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    columns[kColumns - 1] = line;
    return line.find('\t') == std::string_view::npos;
}

// The line's five numbers, after its mode and model; false, with the failure's name, for one
// that does not read.
bool readValues(const std::array<std::string_view, kColumns>& columns, const NumberFormat& format,
                std::array<Money, 5>& values, const char*& error) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        MoneyErrorKind failure = MoneyErrorKind::Parse;
        const auto value = Money::tryParse(columns[i + 2], format, failure);
        if (!value) {
            error = toString(failure);
            return false;
        }
        values[i] = *value;
    }
    return true;
}

}  // namespace

BatchAnswer answerBatchLine(std::string_view line, const NumberFormat& format) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    BatchAnswer answer;
    if (line.empty() || line.front() == '#') return answer;

    answer.kind = BatchAnswer::Kind::Error;
    std::array<std::string_view, kColumns> c;
    if (!splitColumns(line, c) || c[0].size() != 1 || !isKnownMode(c[0][0] - '0') ||
        (c[1] != "single" && c[1] != "separate")) {
        answer.error = "input";
        return answer;
    }
    // Without exceptions: a batch of untrusted lines meets failures routinely, and an error line
    // should cost about what an answer costs.
    HedgeRequest request;
    request.mode = static_cast<HedgeMode>(c[0][0] - '0');
    request.model =
        c[1] == "single" ? CommissionModel::SingleMarket : CommissionModel::SeparateMarkets;
    answer.mode = request.mode;
    std::array<Money, 5> values;
    if (!readValues(c, format, values, answer.error)) return answer;
    request.backRate = values[0];
    request.layRate = values[1];
    request.inputs = {values[2], values[3], values[4]};
    const HedgeAttempt attempt = TryComputeHedge(request);
    if (attempt.failure) {
        answer.error = toString(*attempt.failure);
        return answer;
    }
    answer.results = attempt.results;
    answer.kind = BatchAnswer::Kind::Results;
    return answer;
}

void appendText(const BatchAnswer& answer, const NumberFormat& format, std::string& out) {
    switch (answer.kind) {
        case BatchAnswer::Kind::Nothing:
            return;
        case BatchAnswer::Kind::Error:
            out += "error: ";
            out += answer.error;
            return;
        case BatchAnswer::Kind::Results:
            break;
    }
    const std::size_t start = out.size();
    for (const FieldValue& result : answer.results) {
        if (out.size() != start) out += ';';
        out += static_cast<char>('0' + result.field);
        out += '=';
        out += result.value.display(format);
    }
}

namespace {

// Cuts the input into lines as it arrives in chunks and answers each. Only the start of an
// overlong line is ever held, so memory stays flat whatever the input.
class LineAnswerer {
  public:
    LineAnswerer(const NumberFormat& format, bool json) : format_(format), json_(json) {}

    void feed(std::string_view chunk, std::string& out) {
        std::size_t newline = 0;
        while ((newline = chunk.find('\n')) != std::string_view::npos) {
            if (pending_.empty() && !overlong_) {
                answer(chunk.substr(0, newline), out);
            } else {
                carry(chunk.substr(0, newline));
                answer(pending_, out);
                pending_.clear();
            }
            chunk.remove_prefix(newline + 1);
        }
        carry(chunk);
    }
    // The last line, when the input does not end with a newline.
    void finish(std::string& out) {
        if (!pending_.empty() || overlong_) answer(pending_, out);
    }

  private:
    void answer(std::string_view line, std::string& out) {
        BatchAnswer lineAnswer;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(' ');
        if (json_ && !overlong_ && line.size() <= kMaxLineBytes &&
            first != std::string_view::npos && line[first] == '{') {
            // A JSON request (a position, a market, a dutch), for a bot that keeps one
            // co-process for all.
            appendJsonRequestAnswer(line, out);
            out += '\n';
            return;
        }
        if (overlong_ || line.size() > kMaxLineBytes) {
            lineAnswer.kind = BatchAnswer::Kind::Error;
            lineAnswer.error = "input";
        } else {
            lineAnswer = answerBatchLine(line, format_);
        }
        if (json_)
            appendJson(lineAnswer, out);
        else
            appendText(lineAnswer, format_, out);
        out += '\n';
        overlong_ = false;
    }
    void carry(std::string_view piece) {
        if (overlong_) return;
        // One byte more than the limit may be the CR of a CRLF ending.
        if (pending_.size() + piece.size() > kMaxLineBytes + 1) {
            overlong_ = true;
            std::string().swap(pending_);
            return;
        }
        pending_.append(piece);
    }

    const NumberFormat& format_;
    bool json_;
    std::string pending_;    // an unfinished line carried from one chunk to the next
    bool overlong_ = false;  // the unfinished line passed kMaxLineBytes and is being skipped
};

// Spreadsheets start their UTF-8 text with a byte-order mark, which may come in pieces: the
// first bytes are held until they cannot be one, and a whole one is dropped.
class ByteOrderMark {
  public:
    // The text of chunk to answer; nothing while the start may still be a mark's.
    std::string_view pass(std::string_view chunk) {
        if (started_) return chunk;
        start_.append(chunk);
        if (start_.size() < kMark.size() && kMark.starts_with(start_)) return {};
        started_ = true;
        std::string_view text = start_;
        if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
        return text;
    }
    // What is still held when the input ends: a start shorter than the mark.
    std::string_view held() const { return started_ ? std::string_view() : start_; }

  private:
    static constexpr std::string_view kMark = "\xEF\xBB\xBF";
    std::string start_;
    bool started_ = false;
};

}  // namespace

BatchEnd runBatch(int in, int out, const NumberFormat& format, bool json) {
    constexpr unsigned kChunk = 1 << 16;
    // Between two regular files nobody waits for an answer: write in large blocks. Otherwise
    // (a pipe, a terminal, a co-process) every line read is answered before the next read.
    const bool blocks = isRegularFile(in) && isRegularFile(out);
    std::vector<char> buffer(kChunk);
    std::string answers;
    answers.reserve(kChunk * 2);
    LineOutput output(out);
    auto flush = [&] {
        const bool ok = output.write(answers);
        answers.clear();
        return ok;
    };

    LineAnswerer lines(format, json);
    ByteOrderMark mark;
    long got = 0;
    while ((got = readSome(in, buffer.data(), kChunk)) > 0) {
        lines.feed(mark.pass({buffer.data(), static_cast<std::size_t>(got)}), answers);
        if ((!blocks || answers.size() >= kChunk) && !answers.empty() && !flush())
            return BatchEnd::WriteFailed;
    }
    const int readError = errno;
    lines.feed(mark.held(), answers);
    lines.finish(answers);
    if (!flush()) return BatchEnd::WriteFailed;
    errno = readError;
    return got == 0 ? BatchEnd::Done : BatchEnd::ReadFailed;
}

}  // namespace quorvel::cli
