// The line reader's refills and the lines that cross a refill: a line
// continued from the previous buffer, a byte-order mark, CRLF, and a line too
// long to hold, counted while it is skipped.
#include "programs/idtool/line_reader.h"

#include <cassert>
#include <cerrno>
#include <cstring>

#include "records/output_stream.h"
#include "programs/idtool/progress.h"

LineReader::LineReader(InputFile* inputs, int inputCount, char* storage, std::size_t storageSize)
    : inputs_(inputs), inputCount_(inputCount), buffer_(storage), capacity_(storageSize - 1) {
    assert(storageSize >= minimumStorage);
}

bool LineReader::refill() {
    for (OutputStream* stream : streamsToFlush_)
        if (stream != nullptr) stream->flush();
    if (progress_ != nullptr) progress_->update(bytesRead_, lineNumber_);
    feedsValid_ = false;
    const long long got = readSome(inputs_[current_].file, buffer_ + end_, capacity_ - end_);
    if (got < 0) {
        failed_ = true;
        errorNumber_ = errno;
        return false;
    }
    if (got == 0) atEnd_ = true;
    end_ += static_cast<std::size_t>(got);
    bytesRead_ += static_cast<uint64_t>(got);
    return true;
}

bool LineReader::startInput() {
    begin_ = end_ = 0;
    feedsValid_ = false;
    atEnd_ = false;
    bytesRead_ = 0;
    started_ = true;
    if (progress_ != nullptr) progress_->startInput(inputs_[current_]);
    if (!openInputAt(inputs_[current_])) {
        failed_ = true;
        errorNumber_ = errno;
        return false;
    }
    // A pipe may hand over fewer bytes than the mark has.
    while (end_ < byteOrderMarkLength && !atEnd_)
        if (!refill()) return false;
    if (startsWithByteOrderMark(buffer_, end_))
        begin_ = byteOrderMarkLength;
    return true;
}

void LineReader::finishInput() {
    if (progress_ != nullptr) progress_->finishInput();
    closeInputAt(inputs_[current_]);
    started_ = false;
    ++current_;
}

bool LineReader::nextWithReads(Line& line) {
    while (current_ < inputCount_) {
        if (!started_ && !startInput()) return false;
        if (takeBufferedLine(line)) return true;
        char* const start = buffer_ + begin_;
        const std::size_t available = end_ - begin_;
        if (atEnd_) {
            if (available > 0) {
                // The input's last line, without a line end (a CR there stays).
                begin_ = end_;
                return deliver(line, start, available);
            }
            finishInput();
            continue;
        }
        if (available > static_cast<std::size_t>(lineHoldLimit) + 1) return readLongLine(line);
        // A short partial line: move it to the front and read on behind it.
        std::memmove(buffer_, start, available);
        feedsValid_ = false;
        begin_ = 0;
        end_ = available;
        if (!refill()) return false;
    }
    return false;
}

bool LineReader::readLongLine(Line& line) {
    // More than lineHoldLimit + 1 bytes without a line feed: even with a CR at
    // its end the line is longer than the limit. Keep its head and count the rest.
    std::memcpy(held_, buffer_ + begin_, lineHoldLimit);
    LongLineLength length(end_ - begin_, buffer_[end_ - 1]);
    for (;;) {
        begin_ = end_ = 0;
        if (!refill()) return false;
        if (end_ == 0) break;  // the input ends the line
        if (const char* lineFeed = length.take(buffer_, end_)) {
            begin_ = static_cast<std::size_t>(lineFeed - buffer_) + 1;
            break;
        }
    }
    deliver(line, held_, lineHoldLimit);
    line.cut = true;
    line.length = length.length();
    return true;
}
