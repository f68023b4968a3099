// Lines of one or more inputs, read through one fixed buffer.
//
// A line ends at LF or CRLF; a UTF-8 byte-order mark at the start of each
// input is dropped; the last line of an input needs no line end; NUL and any
// other bytes are just bytes. Lines are numbered from 1 across all inputs, in
// order, as if the inputs were one. Each input is opened when the reader
// reaches it (openInputAt) and closed when it is done with it. A line longer than lineHoldLimit bytes is
// never held whole: the reader hands over its first bytes, marks it cut and
// counts its whole length while skipping the rest, so a line of any length
// costs no memory beyond the buffer.
#ifndef PROGRAMS_IDTOOL_LINE_READER_H
#define PROGRAMS_IDTOOL_LINE_READER_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "programs/idtool/line_ends.h"
#include "programs/idtool/system_io.h"
#include "records/verify_record.h"

class OutputStream;
class ProgressDisplay;

// As much as a record's input field shows.
constexpr int lineHoldLimit = inputFieldLimit;

struct Line {
    const char* bytes;  // the first `held` bytes of the line, a NUL after them
    int held;           // bytes held: the line's length, at most lineHoldLimit
    uint64_t length;    // the whole line's length in bytes, without its line end
    bool cut;           // length > lineHoldLimit: the line was not held whole
    uint64_t number;    // 1-based, across all inputs
    int input;          // index of its input
};

// Makes `line` the line of `length` bytes at `bytes`: its first bytes held
// (all of them, up to lineHoldLimit) and a NUL written after them, over the
// byte that follows, which belongs to the line, its line end or the room
// kept after the bytes read.
inline void holdLine(Line& line, char* bytes, std::size_t length) {
    line.cut = length > static_cast<std::size_t>(lineHoldLimit);
    line.held = line.cut ? lineHoldLimit : static_cast<int>(length);
    line.length = length;
    bytes[line.held] = '\0';
    line.bytes = bytes;
}

class LineReader {
public:
    // Smallest storage that leaves room for a held line and its line end.
    static constexpr std::size_t minimumStorage = 2 * (lineHoldLimit + 2);

    // The reader uses `storage` (at least minimumStorage bytes) as its only
    // buffer; the inputs stay open and owned by the caller.
    LineReader(InputFile* inputs, int inputCount, char* storage, std::size_t storageSize);

    // Streams flushed before each read, which may wait, so that a pipe or
    // terminal user sees the output and messages of the lines read so far
    // (at most two: standard output and error).
    void flushBeforeEachRead(OutputStream* stream) {
        if (streamsToFlush_[0] == nullptr)
            streamsToFlush_[0] = stream;
        else
            streamsToFlush_[1] = stream;
    }
    void setProgress(ProgressDisplay* progress) { progress_ = progress; }

    // The next line, valid until the next call. False at the end of the last
    // input or on a read error (see failed()). Inline for the common case, a
    // whole line already in the buffer.
    bool next(Line& line) { return (started_ && takeBufferedLine(line)) || nextWithReads(line); }

    bool failed() const { return failed_; }
    int failedInput() const { return current_; }  // when failed()
    int errorNumber() const { return errorNumber_; }
    uint64_t linesRead() const { return lineNumber_; }

private:
    bool startInput();
    void finishInput();
    bool refill();  // reads after end_; false on a read error
    bool readLongLine(Line& line);
    // next() in every other case: starting and finishing inputs, reading
    // more, long lines.
    bool nextWithReads(Line& line);
    // Delivers the line at begin_ when its line feed is in the buffer.
    bool takeBufferedLine(Line& line) {
        if (!feedsValid_) {
            feeds_ = LineFeedScanner(buffer_, end_, begin_);
            feedsValid_ = true;
        }
        const std::size_t feed = feeds_.next();
        if (feed >= end_) {
            feedsValid_ = false;  // the buffer changes before the next line
            return false;
        }
        char* const start = buffer_ + begin_;
        char* lineEnd = buffer_ + feed;
        begin_ = feed + 1;
        if (lineEnd > start && lineEnd[-1] == '\r') --lineEnd;
        return deliver(line, start, static_cast<std::size_t>(lineEnd - start));
    }
    bool deliver(Line& line, char* bytes, std::size_t length) {
        holdLine(line, bytes, length);
        line.number = ++lineNumber_;
        line.input = current_;
        return true;
    }

    InputFile* inputs_;
    int inputCount_;
    int current_ = 0;
    bool started_ = false;
    char* buffer_;
    std::size_t capacity_;  // one byte of the storage is kept for a terminator
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // The line feeds of the buffer from begin_, while its bytes stay put.
    LineFeedScanner feeds_{nullptr, 0, 0};
    bool feedsValid_ = false;
    bool atEnd_ = false;    // the current input has no more bytes
    uint64_t bytesRead_ = 0;
    uint64_t lineNumber_ = 0;
    char held_[lineHoldLimit + 1];
    OutputStream* streamsToFlush_[2] = {nullptr, nullptr};
    ProgressDisplay* progress_ = nullptr;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
