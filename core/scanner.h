// The scanner: every identity number in a stream of text, given in pieces
// of any size (one byte up), each number found once with its offsets from
// the start of the stream, in memory of fixed size whatever the stream
// (a gigabyte without a line feed), with no allocation.
//
// A match is a run of characters with no ASCII or full-width digit or
// letter just before or after it:
// - 17 digits and a check character (a digit, X or x), each ASCII or
//   full-width (０-９, Ｘ, ｘ), written together, or in the printed groups
//   6-8-4 with one separator between the groups, the same both times (a
//   space, U+00A0 or U+3000; a hyphen-minus, U+2010, U+2013 or U+FF0D);
// - with ScanOptions::fifteenDigits, 15 digits (together or 6-6-3) of the
//   old format, which is upgraded;
// judged by judgeFoundNumber (core/found_number.h): valid numbers are of
// medium confidence, high with a keyword (core/scan_keywords.h) ending at
// most keywordReach characters before them, and mistyped ones low. Text in
// a longer run (a 25-digit order number, a hex string, a word) gives
// nothing, and so do candidates that overlap
// (11010519491231002X11010519491231002X is one run of 36).
//
// Offsets count bytes, UTF-16 units and characters as a decoder that
// writes U+FFFD for bytes that are no character counts them
// (core/scan_characters.h); lines are line feeds plus one, columns
// characters from the line's start plus one.
//
// The reading: characters one by one wherever something may begin (a digit
// run long enough, a first group, a byte beyond ASCII, a keyword's first
// letters), and between those only counting, 64 bytes at a time
// (core/scan_skip.h). The bytes go through a buffer of the scanner's own, so
// that a piece may be of any size and nothing is kept of it afterwards.
//
// Offers ScanMatch, ScanSummary, Scanner, beginScan, givePiece, nextMatch,
// redactPiece, redactionRoom, redactNumber and scanHeldMax.
#ifndef CORE_SCANNER_H
#define CORE_SCANNER_H

#include <cstddef>
#include <cstdint>

#include "core/found_number.h"
#include "core/scan_keywords.h"
#include "core/scan_options.h"
#include "core/scan_skip.h"

struct ScanMatch {
    Confidence confidence;
    unsigned form;  // ScanForm flags
    ScanFlaw flaw;
    uint64_t byteOffset, byteLength;
    uint64_t utf16Offset, utf16Length;
    uint64_t characterOffset, characterLength;
    uint64_t line, column;
    char number[numberLength + 1];
    const ScanKeyword* keyword;  // the last keyword ending within reach before it, or null
    // For medium and high.
    NumberKind kind;
    bool male;
    BirthDate birthDate;
    int32_t regionCode;
};

// What a stream's scan found (or replaced) so far: counts, never numbers.
struct ScanSummary {
    uint64_t bytes;
    uint64_t matches;
    uint64_t byConfidence[4];  // by Confidence
    uint64_t plain;
    uint64_t byForm[4];  // fullwidth, lowercase x, separated, fifteen digits
};

// Where the reading stands: the counts of what lies before a position.
struct ScanPoint {
    uint64_t byte, utf16, characters, line, lineStart;  // lineStart: characters before the line
};

// A run of digits and letters as far as the reading has gone.
struct RunToken {
    ScanPoint start;
    uint64_t endByte, endUtf16, endCharacters;
    uint16_t length;       // characters, up to runLengthCap
    uint8_t digitCount;    // digits from its start
    bool checkAtEnd;       // its last character is X or x, after digits only
    bool lowercaseX;
    bool fullwidth;
    bool gbk;              // read as GBK
    char characters[numberLength];  // its first 18: '0'-'9', 'X', or '?' for a letter
    uint8_t characterBytes[numberLength];
};

// The printed groups before the last one: a first group, a separator, a
// second group, a separator (count says how many are there).
struct GroupPrefix {
    RunToken first;
    RunToken second;
    uint32_t separators[2];
    uint8_t separatorBytes[2];
    int count;
};

constexpr std::size_t scanBufferCapacity = 8192;
// Bytes read after a character before it is taken: its own, a keyword's,
// what follows a keyword.
constexpr std::size_t scanLookahead = 64;
// The most bytes the scanner holds between two pieces (a stretch of auto
// encoding not yet decided, a number that may go on): what a redaction may
// write of earlier pieces with a later one.
constexpr std::size_t scanHeldMax = autoStretchLength + 256;

enum class ScanMode : uint8_t { none, find, redact };

struct Scanner {
    ScanOptions options;
    ScanMode mode;
    // The buffer: bytes of the stream from bufferStart, `length` of them, read
    // up to `at`; zeros after them for the fast path's reads.
    unsigned char buffer[scanBufferCapacity + scanSkipOverread];
    uint64_t bufferStart;
    std::size_t length;
    std::size_t at;
    // The piece given and how much of it the buffer has taken.
    const unsigned char* piece;
    std::size_t pieceLength;
    std::size_t pieceTaken;
    bool finalGiven;  // the piece is the last
    bool complete;    // every byte of the stream is in the buffer
    bool finished;
    ScanPoint point;  // at `at`
    // The encoding of the bytes up to stretchEnd (all of them but in auto).
    bool gbk;
    uint64_t stretchEnd;
    // Where the fast path may search again: after the byte it last stopped at.
    uint64_t noSkipBefore;
    // The character before `at`.
    uint32_t previousCodePoint;
    bool previousWord;
    bool previousAscii;
    bool runActive;
    RunToken run;
    GroupPrefix prefix;
    // The keyword that ends last so far.
    const ScanKeyword* keyword;
    uint64_t keywordEnd;  // characters before its end
    // Find: the match found, not yet taken.
    bool matchReady;
    ScanMatch match;
    // Redact: where the output is, and how far the stream is written.
    char* out;
    std::size_t outLength;
    uint64_t writtenTo;
    bool cryptoFailed;
    ScanSummary summary;
};

void beginScan(Scanner& scanner, const ScanOptions& options);

// Finding: the next piece (`final` for the last, which may be empty), then
// nextMatch until it says none. The piece must stay until then.
void givePiece(Scanner& scanner, const char* piece, std::size_t length, bool final);
bool nextMatch(Scanner& scanner, ScanMatch& match);

// Redacting: writes the piece with its matches replaced as far as it is
// decided into `out`, which has room for redactionRoom(length) bytes, and
// stores the length written. False when the system's cryptography failed.
bool redactPiece(Scanner& scanner, const char* piece, std::size_t length, bool final, char* out,
                 std::size_t& written);
constexpr std::size_t redactionRoom(std::size_t length) { return 5 * (length + scanHeldMax); }

// One number held alone (`length` bytes in the scanner's encoding, the
// whole text one match with its options, min_confidence high taken as
// medium): its replacement, as redactPiece would write it, into `out`
// (maxReplacementLength bytes), its length in `written`. False when the
// text is no such match, or when the system's cryptography failed
// (`failed`). The scanner's options are taken; its stream is begun anew and
// left finished.
bool redactNumber(Scanner& scanner, const char* text, std::size_t length, char* out, std::size_t& written,
                  bool& failed);

#endif
