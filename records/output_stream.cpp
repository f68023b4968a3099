// OutputStream: copies into its fixed buffer and drains it to its sink when
// full, in pieces the sink may take in part; decimal numbers without
// formatting calls.
#include "records/output_stream.h"

#include <cerrno>

OutputStream::OutputStream(char* storage, std::size_t capacity, SinkFunction sink, void* sinkContext)
    : buffer_(storage), capacity_(capacity), sink_(sink), sinkContext_(sinkContext) {}

void OutputStream::writeDecimal(uint64_t value) {
    // Filled from the end two digits at a time (a line number is written for
    // every record), then written in one piece.
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char digits[20];
    int first = sizeof digits;
    while (value >= 100) {
        first -= 2;
        std::memcpy(digits + first, pairs + value % 100 * 2, 2);
        value /= 100;
    }
    if (value >= 10) {
        first -= 2;
        std::memcpy(digits + first, pairs + value * 2, 2);
    } else {
        digits[--first] = static_cast<char>('0' + value);
    }
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

void OutputStream::writeThrough(const char* bytes, std::size_t count) {
    if (sink_ == nullptr || count < capacity_ || !flush()) {
        write(bytes, count);
        return;
    }
    while (count > 0) {
        const long long taken = sink_(sinkContext_, bytes, count, false);
        if (taken < 0) {
            failed_ = true;
            errorNumber_ = errno;
            drained_ += count;
            return;
        }
        if (taken == 0) break;  // the end of a character the sink waits to complete
        drained_ += static_cast<uint64_t>(taken);
        bytes += taken;
        count -= static_cast<std::size_t>(taken);
    }
    write(bytes, count);
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
