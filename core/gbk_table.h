// GBK pairs and Unicode, both ways, from the generated table
// (core/gbk_table_data.cpp, Python's gbk codec): whether a two-byte pair is
// an assigned character, the code point of one, and the pair of a code
// point; characters converted from one encoding to the other, and UTF-8
// texts converted to GBK. The system's own texts are UTF-8: this is where
// the faces that read or write GBK (idtool's --encoding gbk, the dialog's
// byte counts) turn them into GBK and back. Offers gbkPairToUnicode,
// unicodeToGbkPair, gbkPairAssigned, decodeCharacter, encodeCharacter and
// utf8ToGbk.
#ifndef CORE_GBK_TABLE_H
#define CORE_GBK_TABLE_H

#include <cstddef>
#include <cstdint>

#include "core/text_encoding.h"

constexpr int gbkTrailCount = 190;  // 40-7E and 80-FE
constexpr int gbkPairCount = 126 * gbkTrailCount;
constexpr int gbkAssignedCount = 21791;

extern const uint16_t gbkToUnicode[gbkPairCount];
extern const uint16_t unicodeOfGbk[gbkAssignedCount];
extern const uint16_t gbkOfUnicode[gbkAssignedCount];

// The code point of the pair, or 0 when the bytes are no assigned pair.
inline uint32_t gbkPairToUnicode(unsigned char lead, unsigned char trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail == 0x7F || trail > 0xFE) return 0;
    const int position = trail < 0x7F ? trail - 0x40 : trail - 0x41;
    return gbkToUnicode[(lead - 0x81) * gbkTrailCount + position];
}

inline bool gbkPairAssigned(unsigned char lead, unsigned char trail) { return gbkPairToUnicode(lead, trail) != 0; }

// The pair of a code point (lead << 8 | trail), or 0 when GBK has none.
// ASCII is not asked here: it is one byte in both encodings.
uint16_t unicodeToGbkPair(uint32_t codePoint);

// --- Converting between the two encodings, character by character ---------

constexpr uint32_t noCharacter = 0xFFFFFFFF;

// The code point of the character at bytes[0] in `encoding` and its length in
// `length`; noCharacter when no character starts there: a stray byte, an
// incomplete or malformed sequence (length 1), an unassigned GBK pair (its
// two bytes).
uint32_t decodeCharacter(const unsigned char* bytes, std::size_t available, Encoding encoding, std::size_t& length);

// Writes the code point in `encoding` into `out` (room for 4 bytes); returns
// its length, or 0 when the encoding has no such character.
std::size_t encodeCharacter(uint32_t codePoint, Encoding encoding, char* out);

// Converts whole characters of the UTF-8 text `utf8` (`count` bytes) into
// GBK at `out` while they fit in `capacity` bytes, and returns the bytes
// written; `consumed` (when given) gets the bytes of `utf8` converted. A
// character GBK lacks, and each byte that starts no UTF-8 character, becomes
// '?' (as Windows' conversion without best-fit look-alikes makes it). The
// GBK form is never longer than the UTF-8 one: `capacity` of `count` bytes
// takes the whole text.
std::size_t utf8ToGbk(const char* utf8, std::size_t count, char* out, std::size_t capacity,
                      std::size_t* consumed = nullptr);

#endif
