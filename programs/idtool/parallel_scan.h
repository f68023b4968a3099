// find --jobs N and redact --jobs N on a large regular file: ranges of it
// scanned by N threads at once, their records or their redacted text written
// in input order, byte for byte what one thread writes.
//
// A range runs from just after a line feed to just after a later one (no
// match holds a line feed, so none crosses a range's edge). Its worker
// starts the scanner at the start of a line at least rangeLookback bytes
// before the range, so that a keyword up to keywordReach characters before
// a match is seen as one reading from the file's start sees it, and keeps
// only the matches that start in its range; the line numbers come from the
// line feeds the ranges before it hold. A redacting worker writes its range's
// text alone: the lines before it are redacted once more on their own, and
// what they come out as (no match crosses their last line feed, so it is
// the same) is cut off the front of its output, their counts off its
// summary. Offers findInRanges, redactInRanges and parallelFindMinimum.
#ifndef PROGRAMS_IDTOOL_PARALLEL_SCAN_H
#define PROGRAMS_IDTOOL_PARALLEL_SCAN_H

#include <cstdint>
#include <cstdio>
#include <functional>

#include "core/scanner.h"
#include "records/output_stream.h"

// The nominal size of a range, and the files worth splitting.
constexpr uint64_t findRangeSize = uint64_t{4} << 20;
constexpr uint64_t parallelFindMinimum = 2 * findRangeSize;
// More than keywordReach characters of 4 bytes and a keyword's own.
constexpr uint64_t rangeLookback = 2048;

// Scans the `size` bytes of `file` with `workers` threads, ranges of
// `rangeSize` bytes. `write(out, match)` formats a kept match (its line and
// byte offset those of the whole file) into the worker's stream; the streams
// are copied to `out` in input order. Counts the matches in `found`. False
// with errno set on a read error.
bool findInRanges(FILE* file, uint64_t size, const ScanOptions& options, int workers, uint64_t rangeSize,
                  OutputStream& out, const std::function<void(OutputStream&, const ScanMatch&)>& write,
                  uint64_t& found);

// Redacts the `size` bytes of `file` with `workers` threads, ranges of
// `rangeSize` bytes, writing the text to `out` in input order and adding
// the counts of what was replaced to `summary`. False with errno set on a
// read error, or with `cryptoFailed` set when the system's cryptography
// failed.
bool redactInRanges(FILE* file, uint64_t size, const ScanOptions& options, int workers, uint64_t rangeSize,
                    OutputStream& out, ScanSummary& summary, bool& cryptoFailed);

// Adds the counts of `part` to `total`.
void addScanSummary(ScanSummary& total, const ScanSummary& part);

#endif
