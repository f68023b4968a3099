// A buffered byte stream over one fixed buffer, handed to a sink when full and
// when flushed. Writing never allocates.
#ifndef RECORDS_OUTPUT_STREAM_H
#define RECORDS_OUTPUT_STREAM_H

#include <cstddef>
#include <cstdint>
#include <cstring>

// Takes bytes from the stream's buffer. Returns how many it took from the
// front (it may leave an incomplete character for the next call, unless
// `final`), or -1 on a write error with errno set.
using SinkFunction = long long (*)(void* context, const char* bytes, std::size_t count, bool final);

class OutputStream {
public:
    // `sink` null makes a memory-only stream: what does not fit in the storage
    // is dropped and the stream marked failed.
    OutputStream(char* storage, std::size_t capacity, SinkFunction sink, void* sinkContext);
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    void put(char byte) {
        if (used_ == capacity_ && !makeRoom()) return;
        buffer_[used_++] = byte;
    }
    void write(const char* bytes, std::size_t count) {
        if (count <= capacity_ - used_) {
            std::memcpy(buffer_ + used_, bytes, count);
            used_ += count;
        } else {
            writeInPieces(bytes, count);
        }
    }
    void write(const char* text) { write(text, std::strlen(text)); }
    // A large block handed to the sink as it stands, after what is buffered,
    // instead of being copied through the buffer; a small one is written.
    void writeThrough(const char* bytes, std::size_t count);
    void writeDecimal(uint64_t value);
    void writeSigned(long long value);

    // Hands everything buffered to the sink. Returns false once any write
    // has failed.
    bool flush();
    bool failed() const { return failed_; }
    int errorNumber() const { return errorNumber_; }

    // Positions in everything ever written to the stream, for taking back
    // what was written since a mark while it is still in the buffer.
    uint64_t position() const { return drained_ + used_; }
    // Drops what was written after `mark`; false when some of it has gone to
    // the sink already (nothing is dropped then).
    bool rollBack(uint64_t mark) {
        if (mark < drained_ || mark > position()) return false;
        used_ = static_cast<std::size_t>(mark - drained_);
        return true;
    }
    // Hands what was written before `mark` to the sink, keeping the rest.
    bool flushUpTo(uint64_t mark);

    // For a stream that writes into storage handed round (a worker's room
    // for a chunk's records): from now on it writes into `storage`. Call it
    // when nothing is buffered.
    void redirect(char* storage, std::size_t capacity) {
        buffer_ = storage;
        capacity_ = capacity;
        used_ = 0;
    }
    // Hands what is buffered to the caller, who reads it from the storage,
    // instead of to the sink: returns its size and empties the buffer.
    std::size_t takeBuffered() {
        const std::size_t taken = used_;
        drained_ += used_;
        used_ = 0;
        return taken;
    }

    // What is buffered (for memory-only streams and tests).
    const char* data() const { return buffer_; }
    std::size_t size() const { return used_; }
    std::size_t capacity() const { return capacity_; }
    void clear() {
        used_ = 0;
        failed_ = false;
    }

private:
    bool makeRoom();  // drains to the sink; false when nothing could be freed
    void writeInPieces(const char* bytes, std::size_t count);
    bool drain(bool final, std::size_t count);

    char* buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    uint64_t drained_ = 0;  // bytes handed to the sink (or dropped) so far
    SinkFunction sink_;
    void* sinkContext_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
