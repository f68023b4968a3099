// Where the line feeds of a block of bytes are, found sixty-four bytes at a
// time: one bit per byte of a block, set for a line feed, by SSE2 where the
// build has it and byte by byte elsewhere. A verify loop takes each line's end
// from the mask instead of searching for it line by line, and counts a
// block's lines by the mask's bits.
#ifndef PROGRAMS_IDTOOL_LINE_ENDS_H
#define PROGRAMS_IDTOOL_LINE_ENDS_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

constexpr std::size_t lineFeedBlock = 64;

// The line feeds of the first `count` bytes (at most 64) as bits, one byte at
// a time: the path of builds without SSE2, and of a block's short tail.
inline uint64_t lineFeedMaskPlain(const char* bytes, std::size_t count) {
    uint64_t mask = 0;
    for (std::size_t i = 0; i < count; ++i) mask |= static_cast<uint64_t>(bytes[i] == '\n') << i;
    return mask;
}

// The line feeds of 64 bytes as bits.
inline uint64_t lineFeedMask(const char* bytes) {
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
        const auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)));
        mask |= static_cast<uint64_t>(bits) << (16 * part);
    }
    return mask;
#else
    return lineFeedMaskPlain(bytes, lineFeedBlock);
#endif
}

// The line feeds among `count` bytes.
inline uint64_t countLineFeeds(const char* bytes, std::size_t count) {
    uint64_t lines = 0;
    std::size_t at = 0;
    for (; at + lineFeedBlock <= count; at += lineFeedBlock)
        lines += static_cast<uint64_t>(__builtin_popcountll(lineFeedMask(bytes + at)));
    return lines + static_cast<uint64_t>(__builtin_popcountll(lineFeedMaskPlain(bytes + at, count - at)));
}

// The line feeds of `size` bytes from a starting point on, in order. The
// bytes of a block are read when the scan reaches it; a caller may change
// bytes that come before the last line feed it was given.
class LineFeedScanner {
public:
    LineFeedScanner(const char* bytes, std::size_t size, std::size_t from) : bytes_(bytes), size_(size), block_(from) {
        load();
    }

    // The position of the next line feed, or the size when there is none.
    std::size_t next() {
        while (mask_ == 0) {
            block_ += lineFeedBlock;
            if (block_ >= size_) return size_;
            load();
        }
        const std::size_t at = block_ + static_cast<std::size_t>(__builtin_ctzll(mask_));
        mask_ &= mask_ - 1;
        return at;
    }

private:
    void load() {
        if (block_ >= size_)
            mask_ = 0;
        else if (size_ - block_ >= lineFeedBlock)
            mask_ = lineFeedMask(bytes_ + block_);
        else
            mask_ = lineFeedMaskPlain(bytes_ + block_, size_ - block_);
    }

    const char* bytes_;
    std::size_t size_;
    std::size_t block_;  // where the block of mask_ starts
    uint64_t mask_ = 0;
};

// The length of a line too long to hold, counted as the pieces after its
// held head are read: up to its line feed, without a CR just before it, even
// where that CR ended the piece before.
class LongLineLength {
public:
    // `count` bytes of the line counted so far, the last of them `lastByte`.
    LongLineLength(uint64_t count, char lastByte) : length_(count), lastByte_(lastByte) {}

    // Counts the next piece read; returns its line feed, which ends the
    // line, or null when the line goes on past the piece.
    const char* take(const char* bytes, std::size_t count) {
        const auto* lineFeed = static_cast<const char*>(std::memchr(bytes, '\n', count));
        if (lineFeed == nullptr) {
            length_ += count;
            if (count > 0) lastByte_ = bytes[count - 1];
            return nullptr;
        }
        const auto before = static_cast<std::size_t>(lineFeed - bytes);
        length_ += before;
        if ((before > 0 ? lineFeed[-1] : lastByte_) == '\r') --length_;
        return lineFeed;
    }

    uint64_t length() const { return length_; }

private:
    uint64_t length_;
    char lastByte_;
};

#endif
