// What redaction writes in place of a number found in text: the mask, the
// label, the token or the pseudonym (core/scan_options.h), in the form the
// number was written in where the way keeps one: each character as wide as
// it was (a full-width digit stays full-width, in the text's encoding),
// the separators as they were. Offers MatchLayout, maxReplacementLength,
// writeToken and writeReplacement.
#ifndef CORE_REDACTION_H
#define CORE_REDACTION_H

#include <cstddef>
#include <cstdint>

#include "core/found_number.h"
#include "core/scan_options.h"

// How a match lies in the text: its characters one after another, each of
// 1 (ASCII), 2 (a full-width character in GBK) or 3 bytes (in UTF-8), with a
// separator after the group ends when it is separated.
struct MatchLayout {
    int count;  // 18 or 15
    uint8_t characterBytes[numberLength];
    int separatorCount;              // 0 or 2
    uint8_t separatorBytes[2];       // after characters 6 and 14 (6 and 12 of 15)
    bool gbk;                        // the label in GBK
    bool lowercaseX;                 // the check character was x or ｘ
};

// The longest replacement: a label or a token of 64 bytes; masks and
// pseudonyms are as long as the match, at most 18 characters of 3 bytes
// and two separators of 3.
constexpr std::size_t maxReplacementLength = 64;

// The token of an 18-character number: the first `length` characters of
// HMAC-SHA-256(key, number) in lower-case hex or RFC 4648 base32 (A-Z2-7).
// False when the system's cryptography fails.
bool writeToken(const HmacKey& key, TokenAlphabet alphabet, int length, const char* number, char* out);

// Writes the replacement of the match whose bytes are `original` (laid out
// as `layout` says) into `out` (maxReplacementLength bytes) and returns its
// length; 0, with `failed` set, when the system's cryptography fails.
std::size_t writeReplacement(const RedactionOptions& options, const BirthDate& asOf, const FoundNumber& found,
                             const unsigned char* original, const MatchLayout& layout, char* out, bool& failed);

#endif
