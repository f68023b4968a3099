// OutputStream: copies into its fixed buffer and drains it to its sink when
// full, in pieces the sink may take in part; decimal numbers without
// formatting calls.
#include "records/output_stream.h"

#include <cerrno>

OutputStream::OutputStream(char* storage, std::size_t capacity, SinkFunction sink, void* sinkContext)
    : buffer_(storage), capacity_(capacity), sink_(sink), sinkContext_(sinkContext) {}

void OutputStream::writeDecimal(uint64_t value) {
    // Filled from the end, then written in one piece.
    char digits[20];
    int first = sizeof digits;
    do {
        digits[--first] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    write(digits + first, sizeof digits - static_cast<std::size_t>(first));
}

void OutputStream::writeSigned(long long value) {
    if (value < 0) {
        put('-');
        // Negated as unsigned, so that the lowest value has no overflow.
        writeDecimal(0 - static_cast<uint64_t>(value));
    } else {
        writeDecimal(static_cast<uint64_t>(value));
    }
}

void OutputStream::writeInPieces(const char* bytes, std::size_t count) {
    while (count > 0) {
        if (used_ == capacity_ && !makeRoom()) return;
        std::size_t piece = capacity_ - used_;
        if (piece > count) piece = count;
        std::memcpy(buffer_ + used_, bytes, piece);
        used_ += piece;
        bytes += piece;
        count -= piece;
    }
}

bool OutputStream::drain(bool final, std::size_t count) {
    if (failed_) {
        drained_ += used_;
        used_ = 0;  // a failed stream drops everything, so writers never stall
        return false;
    }
    if (sink_ == nullptr) {
        if (used_ == capacity_) failed_ = true;
        return !failed_;
    }
    const long long taken = count == 0 ? 0 : sink_(sinkContext_, buffer_, count, final);
    if (taken < 0) {
        failed_ = true;
        errorNumber_ = errno;
        drained_ += used_;
        used_ = 0;
        return false;
    }
    const auto takenBytes = static_cast<std::size_t>(taken);
    std::memmove(buffer_, buffer_ + takenBytes, used_ - takenBytes);
    used_ -= takenBytes;
    drained_ += takenBytes;
    return true;
}

bool OutputStream::makeRoom() {
    drain(false, used_);
    return used_ < capacity_;
}

bool OutputStream::flush() { return drain(true, used_) && !failed_; }

bool OutputStream::flushUpTo(uint64_t mark) {
    if (mark <= drained_) return !failed_;
    const uint64_t count = mark - drained_;
    return drain(true, count < used_ ? static_cast<std::size_t>(count) : used_) && !failed_;
}
