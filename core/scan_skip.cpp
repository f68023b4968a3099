// The masks of 64 bytes: one bit a byte, bit i for the byte at i; what
// follows a byte is read at once (the loads overlap), what comes before a
// block is the previous block's digits and its last byte. Two forms with the
// same answers: SSE2, which every x86-64 processor has, and a table of byte
// classes for every other target, both built on x86 so that a test can hold
// them against each other.
#include "core/scan_skip.h"

#include <cstdint>

#include "core/check_character.h"
#include "core/number_rules.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// What the search needs of a block: its digits and bytes beyond ASCII, where
// an ASCII keyword may begin (the pair, and what is before it), and where
// a first group may end (what follows the sixth digit).
struct BlockMasks {
    uint64_t digit = 0, digitNext = 0, high = 0, keywordStart = 0, groupEnds = 0;
};

// Bit i set when the `count` bits ending at i are all set, the bits before
// bit 0 being those of `previous` (its bit 63 just before bit 0).
template <int count, int have = 1>
inline uint64_t runsOfAtLeast(uint64_t previous, uint64_t current) {
    if constexpr (have >= count) {
        return current;
    } else {
        // Doubling: bit i holds the `have` bits ending at i; now those ending `shift` earlier too.
        constexpr int shift = have < count - have ? have : count - have;
        return runsOfAtLeast<count, have + shift>(previous & previous << shift,
                                                  current & (current << shift | previous >> (64 - shift)));
    }
}

// The bits `shift` places before each bit (1 to 63), those before bit 0
// being `previous`'s.
inline uint64_t before(uint64_t previous, uint64_t current, int shift) {
    return current << shift | previous >> (64 - shift);
}

// The sixth digit of each run of exactly six.
inline uint64_t sixthDigits(uint64_t previousDigits, uint64_t digits) {
    return runsOfAtLeast<6>(previousDigits, digits) & ~before(previousDigits, digits, 6);
}

#if defined(__SSE2__)

inline uint64_t bits(__m128i lanes, int part) {
    return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(lanes)) & 0xFFFFu) << (16 * part);
}

inline __m128i inRange(__m128i bytes, char low, char count) {
    const __m128i offset = _mm_sub_epi8(bytes, _mm_set1_epi8(low));
    return _mm_cmpeq_epi8(_mm_min_epu8(offset, _mm_set1_epi8(count)), offset);
}

inline __m128i load(const unsigned char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

inline bool asciiWordByte(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z');
}

// The masks in three steps, the later ones only where they can matter:
// digits, bytes beyond ASCII and the keywords' pairs always; what is before
// a pair only where there is one; what follows a sixth digit only where a
// run of six ends. `previousByte` is the byte before `at` (0 before the
// search's start, which follows no digit or letter).
BlockMasks masksAtSse2(const unsigned char* at, unsigned char previousByte, uint64_t previousDigits) {
    BlockMasks masks;
    uint64_t pairs = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i x = load(at + 16 * part);
        const __m128i folded = _mm_or_si128(x, _mm_set1_epi8(0x20));
        const __m128i foldedNext = _mm_or_si128(load(at + 16 * part + 1), _mm_set1_epi8(0x20));
        masks.digit |= bits(inRange(x, '0', 9), part);
        masks.high |= bits(x, part);
        pairs |= bits(_mm_or_si128(_mm_and_si128(_mm_cmpeq_epi8(folded, _mm_set1_epi8('i')),
                                                 _mm_cmpeq_epi8(foldedNext, _mm_set1_epi8('d'))),
                                   _mm_and_si128(_mm_cmpeq_epi8(folded, _mm_set1_epi8('s')),
                                                 _mm_cmpeq_epi8(foldedNext, _mm_set1_epi8('f')))),
                      part);
    }
    const unsigned char after = at[64], secondAfter = at[65];
    masks.digitNext = masks.digit >> 1 | uint64_t{after >= '0' && after <= '9'} << 63;
    if (pairs != 0) {
        // No digit or letter before, or a capital after a small letter.
        uint64_t word = 0, upper = 0, lower = 0;
        for (int part = 0; part < 4; ++part) {
            const __m128i x = load(at + 16 * part);
            const __m128i letter = inRange(_mm_or_si128(x, _mm_set1_epi8(0x20)), 'a', 25);
            const __m128i capital = inRange(x, 'A', 25);
            word |= bits(letter, part);
            upper |= bits(capital, part);
            lower |= bits(_mm_andnot_si128(capital, letter), part);
        }
        word |= masks.digit;
        const uint64_t wordBefore = word << 1 | uint64_t{asciiWordByte(previousByte)};
        const uint64_t lowerBefore = lower << 1 | uint64_t{previousByte >= 'a' && previousByte <= 'z'};
        masks.keywordStart = pairs & (~wordBefore | (upper & lowerBefore));
    }
    const uint64_t sixes = sixthDigits(previousDigits, masks.digit);
    if (sixes != 0) {
        // A space, a hyphen or a byte beyond ASCII next, then a digit or such a byte.
        uint64_t separator = 0;
        for (int part = 0; part < 4; ++part) {
            const __m128i x = load(at + 16 * part);
            separator |=
                bits(_mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(x, _mm_set1_epi8('-'))), part);
        }
        const uint64_t separatorOrHigh = separator | masks.high;
        const uint64_t digitOrHigh = masks.digit | masks.high;
        const uint64_t separatorNext =
            separatorOrHigh >> 1 | uint64_t{after == ' ' || after == '-' || after >= 0x80} << 63;
        const uint64_t digitSecond = digitOrHigh >> 2 |
                                     uint64_t{(after >= '0' && after <= '9') || after >= 0x80} << 62 |
                                     uint64_t{(secondAfter >= '0' && secondAfter <= '9') || secondAfter >= 0x80} << 63;
        masks.groupEnds = sixes & separatorNext & digitSecond;
    }
    return masks;
}

#endif

// Each byte's classes, one bit each.
enum : uint8_t { isDigit = 1, isUpper = 2, isLower = 4, isSeparator = 8, isHigh = 16 };

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
        if (byte >= 0x80) classes |= isHigh;
        table.of[byte] = classes;
    }
    return table;
}();

// `previousByte` is the byte before `at` (0 before the search's start).
BlockMasks masksAtPortable(const unsigned char* at, unsigned char previousByte, uint64_t previousDigits) {
    BlockMasks masks;
    unsigned char before = previousByte;
    for (int i = 0; i < 64; ++i) {
        const uint64_t bit = uint64_t{1} << i;
        const uint8_t classes = byteClasses.of[at[i]];
        const uint8_t previous = byteClasses.of[before];
        const uint8_t next = byteClasses.of[at[i + 1]];
        const uint8_t second = byteClasses.of[at[i + 2]];
        const int folded = at[i] | 0x20, foldedNext = at[i + 1] | 0x20;
        const bool letter = (classes & (isUpper | isLower)) != 0, nextLetter = (next & (isUpper | isLower)) != 0;
        const bool pair =
            letter && nextLetter && ((folded == 'i' && foldedNext == 'd') || (folded == 's' && foldedNext == 'f'));
        const bool previousWord = (previous & (isDigit | isUpper | isLower)) != 0;
        const bool camel = (classes & isUpper) && (previous & isLower);
        if (classes & isDigit) masks.digit |= bit;
        if (next & isDigit) masks.digitNext |= bit;
        if (classes & isHigh) masks.high |= bit;
        if (pair && (!previousWord || camel)) masks.keywordStart |= bit;
        if ((next & (isSeparator | isHigh)) && (second & (isDigit | isHigh))) masks.groupEnds |= bit;
        before = at[i];
    }
    masks.groupEnds &= sixthDigits(previousDigits, masks.digit);
    return masks;
}

template <int longRun, BlockMasks (*masksAt)(const unsigned char*, unsigned char, uint64_t)>
std::size_t findInterest(const unsigned char* bytes, std::size_t from, std::size_t limit) {
    uint64_t previousDigits = 0;  // the byte before `from` is no digit or letter
    for (std::size_t block = from; block < limit; block += 64) {
        const BlockMasks masks = masksAt(bytes + block, block > from ? bytes[block - 1] : 0, previousDigits);
        // The last digit of a run as long as a number's digits written
        // together; a run of 19 or more is no number, nor part of one.
        const uint64_t numberRuns = masks.digit & ~masks.digitNext &
                                    runsOfAtLeast<longRun>(previousDigits, masks.digit) &
                                    ~runsOfAtLeast<numberLength + 1>(previousDigits, masks.digit);
        uint64_t interest = masks.high | numberRuns | masks.groupEnds | masks.keywordStart;
        const std::size_t inBlock = limit - block;
        if (inBlock < 64) interest &= (uint64_t{1} << inBlock) - 1;
        if (interest != 0) return block + static_cast<std::size_t>(__builtin_ctzll(interest));
        previousDigits = masks.digit;
    }
    return limit;
}

}  // namespace

std::size_t findScanInterestPortable(const unsigned char* bytes, std::size_t from, std::size_t limit, int longRun) {
    return longRun == oldNumberLength ? findInterest<oldNumberLength, masksAtPortable>(bytes, from, limit)
                                      : findInterest<stemLength, masksAtPortable>(bytes, from, limit);
}

std::size_t findScanInterest(const unsigned char* bytes, std::size_t from, std::size_t limit, int longRun) {
#if defined(__SSE2__)
    return longRun == oldNumberLength ? findInterest<oldNumberLength, masksAtSse2>(bytes, from, limit)
                                      : findInterest<stemLength, masksAtSse2>(bytes, from, limit);
#else
    return findScanInterestPortable(bytes, from, limit, longRun);
#endif
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
