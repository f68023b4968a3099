// The scanner's fast path: where in a run of bytes the next thing may be
// that the character-by-character reading must see, so that everything
// before it is only counted. 64 bytes at a time as bit masks (SSE2 on x86,
// a table of byte classes elsewhere). Offers findScanInterest and
// countLineFeeds.
#ifndef CORE_SCAN_SKIP_H
#define CORE_SCAN_SKIP_H

#include <cstddef>

// Bytes findScanInterest may read past `limit`: the masks of the block after
// the last one, for what follows a position.
constexpr std::size_t scanSkipOverread = 128;

// The first position in [from, limit) that is:
// - a byte of 0x80 or more (any character beyond ASCII: a full-width digit,
//   a keyword in Chinese, a separator such as U+3000);
// - the last digit of a run of `longRun` to 18 ASCII digits (a number
//   written together; a run of 19 or more is skipped whole: nothing in it
//   can be a number);
// - the sixth digit of a run of exactly six ASCII digits followed by a space,
//   a hyphen or a byte of 0x80 or more, and then by a digit or such a byte
//   (the first printed group);
// - an i or s (either case) followed by d or f (either case), with no ASCII
//   letter or digit before it unless it is a capital after a small letter
//   (where every ASCII keyword begins);
// or `limit` when there is none. The byte before `from` must be ASCII and no
// digit or letter (or `from` the start of the text). Bytes up to limit +
// scanSkipOverread are read; those past the text must be zeros.
std::size_t findScanInterest(const unsigned char* bytes, std::size_t from, std::size_t limit, int longRun);
// The same by the form of targets without SSE2, on every target.
std::size_t findScanInterestPortable(const unsigned char* bytes, std::size_t from, std::size_t limit, int longRun);

// The line feeds in [from, to), and the position of the last one (or `to`
// when there is none).
std::size_t countLineFeeds(const unsigned char* bytes, std::size_t from, std::size_t to, std::size_t& lastLineFeed);

#endif
