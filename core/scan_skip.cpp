// The masks of 64 bytes: one bit a byte, bit i for the byte at i. A test
// that looks at the bytes after a position takes the next block's masks;
// one that looks before takes the previous block's.
#include "core/scan_skip.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct BlockMasks {
    uint64_t digit = 0, high = 0, word = 0, upper = 0, lower = 0, separator = 0;
    uint64_t i = 0, d = 0, s = 0, f = 0, lineFeed = 0;
};

#if defined(__SSE2__)

inline uint64_t bits(__m128i lanes, int part) {
    return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(lanes)) & 0xFFFFu) << (16 * part);
}

inline __m128i inRange(__m128i bytes, char low, char count) {
    const __m128i offset = _mm_sub_epi8(bytes, _mm_set1_epi8(low));
    return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(count)), offset);
}

BlockMasks masksAt(const unsigned char* bytes) {
    BlockMasks masks;
    for (int part = 0; part < 4; ++part) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
        const __m128i folded = _mm_or_si128(x, _mm_set1_epi8(0x20));
        const __m128i digit = inRange(x, '0', 9);
        const __m128i letter = inRange(folded, 'a', 25);
        const __m128i upper = inRange(x, 'A', 25);
        masks.digit |= bits(digit, part);
        masks.high |= bits(x, part);
        masks.word |= bits(_mm_or_si128(digit, letter), part);
        masks.upper |= bits(upper, part);
        masks.lower |= bits(_mm_andnot_si128(upper, letter), part);
        masks.separator |=
            bits(_mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(x, _mm_set1_epi8('-'))), part);
        masks.i |= bits(_mm_cmpeq_epi8(folded, _mm_set1_epi8('i')), part);
        masks.d |= bits(_mm_cmpeq_epi8(folded, _mm_set1_epi8('d')), part);
        masks.s |= bits(_mm_cmpeq_epi8(folded, _mm_set1_epi8('s')), part);
        masks.f |= bits(_mm_cmpeq_epi8(folded, _mm_set1_epi8('f')), part);
        masks.lineFeed |= bits(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')), part);
    }
    return masks;
}

#else

// Each byte's classes, one bit each.
enum : uint8_t { isDigit = 1, isUpper = 2, isLower = 4, isSeparator = 8, isI = 16, isD = 32, isS = 64, isF = 128 };

struct ByteClasses {
    uint8_t of[256];
};

constexpr ByteClasses byteClasses = [] {
    ByteClasses table{};
    for (int byte = 0; byte < 256; ++byte) {
        uint8_t classes = 0;
        if (byte >= '0' && byte <= '9') classes |= isDigit;
        if (byte >= 'A' && byte <= 'Z') classes |= isUpper;
        if (byte >= 'a' && byte <= 'z') classes |= isLower;
        if (byte == ' ' || byte == '-') classes |= isSeparator;
        const int folded = byte | 0x20;
        if (byte < 0x80 && folded == 'i' && (classes & (isUpper | isLower))) classes |= isI;
        if (byte < 0x80 && folded == 'd' && (classes & (isUpper | isLower))) classes |= isD;
        if (byte < 0x80 && folded == 's' && (classes & (isUpper | isLower))) classes |= isS;
        if (byte < 0x80 && folded == 'f' && (classes & (isUpper | isLower))) classes |= isF;
        table.of[byte] = classes;
    }
    return table;
}();

BlockMasks masksAt(const unsigned char* bytes) {
    BlockMasks masks;
    for (int at = 0; at < 64; ++at) {
        const uint64_t bit = uint64_t{1} << at;
        const unsigned char byte = bytes[at];
        const uint8_t classes = byteClasses.of[byte];
        if (classes & isDigit) masks.digit |= bit;
        if (byte >= 0x80) masks.high |= bit;
        if (classes & (isDigit | isUpper | isLower)) masks.word |= bit;
        if (classes & isUpper) masks.upper |= bit;
        if (classes & isLower) masks.lower |= bit;
        if (classes & isSeparator) masks.separator |= bit;
        if (classes & isI) masks.i |= bit;
        if (classes & isD) masks.d |= bit;
        if (classes & isS) masks.s |= bit;
        if (classes & isF) masks.f |= bit;
        if (byte == '\n') masks.lineFeed |= bit;
    }
    return masks;
}

#endif

// Bit i set when the `count` bits ending at i are all set, the bits before
// bit 0 being those of `previous` (its bit 63 just before bit 0).
inline uint64_t runsOfAtLeast(uint64_t previous, uint64_t current, int count) {
    uint64_t run = current, previousRun = previous;
    for (int have = 1; have < count;) {
        const int shift = have < count - have ? have : count - have;
        run &= run << shift | previousRun >> (64 - shift);
        previousRun &= previousRun << shift;
        have += shift;
    }
    return run;
}

// The bits of positions i + 1 and i + 2.
inline uint64_t following(uint64_t current, uint64_t next) { return current >> 1 | next << 63; }
inline uint64_t secondFollowing(uint64_t current, uint64_t next) { return current >> 2 | next << 62; }
inline uint64_t preceding(uint64_t current, uint64_t previous) { return current << 1 | previous >> 63; }

}  // namespace

std::size_t findScanInterest(const unsigned char* bytes, std::size_t from, std::size_t limit, int longRun) {
    BlockMasks previous;  // the byte before `from` is no digit, letter or high byte
    BlockMasks current = masksAt(bytes + from);
    for (std::size_t block = from; block < limit; block += 64) {
        const BlockMasks next = masksAt(bytes + block + 64);
        const uint64_t longRuns = runsOfAtLeast(previous.digit, current.digit, longRun);
        const uint64_t groupEnds = runsOfAtLeast(previous.digit, current.digit, 6) &
                                   ~runsOfAtLeast(previous.digit, current.digit, 7) &
                                   following(current.separator | current.high, next.separator | next.high) &
                                   secondFollowing(current.digit | current.high, next.digit | next.high);
        const uint64_t pairs = (current.i & following(current.d, next.d)) | (current.s & following(current.f, next.f));
        const uint64_t keywordStarts = pairs & (~preceding(current.word, previous.word) |
                                                (current.upper & preceding(current.lower, previous.lower)));
        uint64_t interest = current.high | longRuns | groupEnds | keywordStarts;
        const std::size_t inBlock = limit - block;
        if (inBlock < 64) interest &= (uint64_t{1} << inBlock) - 1;
        if (interest != 0) return block + static_cast<std::size_t>(__builtin_ctzll(interest));
        previous = current;
        current = next;
    }
    return limit;
}

std::size_t countLineFeeds(const unsigned char* bytes, std::size_t from, std::size_t to, std::size_t& lastLineFeed) {
    std::size_t count = 0;
    lastLineFeed = to;
    std::size_t at = from;
#if defined(__SSE2__)
    for (; at + 16 <= to; at += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n'))));
        if (mask == 0) continue;
        count += static_cast<std::size_t>(__builtin_popcount(mask));
        lastLineFeed = at + 31 - static_cast<std::size_t>(__builtin_clz(mask));
    }
#endif
    for (; at < to; ++at) {
        if (bytes[at] != '\n') continue;
        ++count;
        lastLineFeed = at;
    }
    return count;
}
