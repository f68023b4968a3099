// What a scan of text is asked for, and the words of its answers: how the
// bytes are read, which numbers count, and how redaction writes each one.
// The checked options of one scan (the C API checks the values a caller
// gives before they reach these). Offers ScanEncoding, Confidence,
// ScanForm, ScanFlaw, Redaction, TokenAlphabet, PseudonymKeep,
// RedactionOptions and ScanOptions.
#ifndef CORE_SCAN_OPTIONS_H
#define CORE_SCAN_OPTIONS_H

#include <cstddef>
#include <cstdint>

#include "core/hmac_sha256.h"
#include "core/number_rules.h"

// UTF-8, GBK, or each line as UTF-8 when it is valid UTF-8 and as GBK
// otherwise (a line longer than autoStretchLength bytes in stretches of at
// most that many, each decided alone).
enum class ScanEncoding : uint8_t { utf8, gbk, automatic };
constexpr std::size_t autoStretchLength = 4096;

enum class Confidence : uint8_t {
    none,
    low,     // shaped like a number, with a calendar birth date, but its check character or region fails
    medium,  // a valid number
    high,    // a valid number with a keyword ending within keywordReach characters before it
};

// How a match is written: flags, none for 18 ASCII characters together.
namespace ScanForm {
constexpr unsigned plain = 0;
constexpr unsigned fullwidth = 1;      // a full-width digit or X among its characters
constexpr unsigned lowercaseX = 2;     // its check character is x or ｘ
constexpr unsigned separated = 4;      // the groups 6-8-4 (6-6-3) with one separator between them
constexpr unsigned fifteenDigits = 8;  // a 15-digit number of the old format
}  // namespace ScanForm

enum class ScanFlaw : uint8_t { none, check, region };

enum class Redaction : uint8_t { mask, label, token, pseudonym };
enum class TokenAlphabet : uint8_t { hex, base32 };

// What a pseudonym keeps of the number it stands for: flags.
namespace PseudonymKeep {
constexpr unsigned nothing = 0;
constexpr unsigned region = 1;
constexpr unsigned birthYear = 2;
constexpr unsigned sex = 4;
constexpr unsigned all = region | birthYear | sex;
}  // namespace PseudonymKeep

constexpr std::size_t maxLabelLength = 64;
constexpr int maxHexTokenLength = 64;     // the whole HMAC-SHA-256 in hex
constexpr int maxBase32TokenLength = 52;  // and in base32, its last character holding 1 bit
constexpr int minTokenLength = 8;
constexpr std::size_t minKeyLength = 16;
constexpr int maxMaskedKept = 17;  // mask_first + mask_last: at least one character masked

struct RedactionOptions {
    Redaction way = Redaction::mask;
    int maskFirst = 6;
    int maskLast = 4;
    // The label in each encoding (the GBK one written into GBK text).
    char labelUtf8[maxLabelLength];
    uint8_t labelUtf8Length = 0;
    char labelGbk[maxLabelLength];
    uint8_t labelGbkLength = 0;
    HmacKey key;
    TokenAlphabet tokenAlphabet = TokenAlphabet::hex;
    int tokenLength = 16;
    unsigned keep = PseudonymKeep::all;
};

struct ScanOptions {
    ScanEncoding encoding = ScanEncoding::utf8;
    bool fifteenDigits = false;
    Confidence minConfidence = Confidence::medium;
    BirthDate asOf{9999, 12, 31};  // no birth date after it
    RedactionOptions redaction;
    // Every character read one by one, without the fast path: the same
    // answers, slower; for the tests that hold the two against each other.
    bool characterByCharacter = false;
};

#endif
