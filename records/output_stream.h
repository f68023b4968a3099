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
    void writeDecimal(uint64_t value);
    void writeSigned(long long value);

    // Hands everything buffered to the sink. Returns false once any write
    // has failed.
    bool flush();
    bool failed() const { return failed_; }
    int errorNumber() const { return errorNumber_; }

    // What is buffered (for memory-only streams and tests).
    const char* data() const { return buffer_; }
    std::size_t size() const { return used_; }
    void clear() {
        used_ = 0;
        failed_ = false;
    }

private:
    bool makeRoom();  // drains to the sink; false when nothing could be freed
    void writeInPieces(const char* bytes, std::size_t count);
    bool drain(bool final);

    char* buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    SinkFunction sink_;
    void* sinkContext_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

#endif
