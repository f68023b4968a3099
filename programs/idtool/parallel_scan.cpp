// The ranges of find --jobs N and redact --jobs N: their edges, their line
// counts, and their scans, batch by batch (N ranges at a time, so memory is
// bounded by N ranges' output).
#include "programs/idtool/parallel_scan.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "programs/idtool/system_io.h"

namespace {

constexpr std::size_t chunkSize = std::size_t{1} << 18;

long long appendToVector(void* context, const char* bytes, std::size_t count, bool) {
    static_cast<std::vector<char>*>(context)->insert(static_cast<std::vector<char>*>(context)->end(), bytes,
                                                      bytes + count);
    return static_cast<long long>(count);
}

struct RangeWork {
    uint64_t start = 0, end = 0;  // after a line feed (or 0), after a later one (or the size)
    uint64_t scanStart = 0;       // a line's start at least rangeLookback before start
    uint64_t lineFeeds = 0;       // in [start, end)
    uint64_t lookbackLineFeeds = 0;  // in [scanStart, start)
    uint64_t linesBefore = 0;     // line feeds before start
    std::vector<char> records;    // or the redacted text
    uint64_t found = 0;
    ScanSummary summary{};        // of a redaction
    bool cryptoFailed = false;
    int error = 0;
};

class RangeReader {
public:
    RangeReader(FILE* file, uint64_t size) : file_(file), size_(size), chunk_(new char[chunkSize]) {}

    // Just after the first line feed at or after `at`; the size when none.
    bool edgeAt(uint64_t at, uint64_t& edge, int& error) {
        if (at == 0) {
            edge = 0;
            return true;
        }
        for (uint64_t from = at; from < size_;) {
            const long long got = read(from, error);
            if (got < 0) return false;
            if (got == 0) break;
            const void* feed = std::memchr(chunk_.get(), '\n', static_cast<std::size_t>(got));
            if (feed != nullptr) {
                edge = from + static_cast<uint64_t>(static_cast<const char*>(feed) - chunk_.get()) + 1;
                return true;
            }
            from += static_cast<uint64_t>(got);
        }
        edge = size_;
        return true;
    }

    // The start of the line holding the byte before `at` (0 at the start).
    bool lineStartBefore(uint64_t at, uint64_t& lineStart, int& error) {
        while (at > 0) {
            const uint64_t from = at > chunkSize ? at - chunkSize : 0;
            const std::size_t count = static_cast<std::size_t>(at - from);
            if (!readExactly(from, count, error)) return false;
            for (std::size_t i = count; i > 0; --i) {
                if (chunk_[i - 1] == '\n') {
                    lineStart = from + i;
                    return true;
                }
            }
            at = from;
        }
        lineStart = 0;
        return true;
    }

    bool countLineFeeds(uint64_t from, uint64_t to, uint64_t& count, int& error) {
        count = 0;
        while (from < to) {
            const std::size_t want = static_cast<std::size_t>(to - from < chunkSize ? to - from : chunkSize);
            if (!readExactly(from, want, error)) return false;
            for (const char* at = chunk_.get(); (at = static_cast<const char*>(
                                                     std::memchr(at, '\n', static_cast<std::size_t>(
                                                                               chunk_.get() + want - at)))) != nullptr;
                 ++at)
                ++count;
            from += want;
        }
        return true;
    }

    // Reads [from, to) in chunks, each handed to `piece` (the last one
    // final), until one returns false.
    template <typename Piece>
    bool scan(uint64_t from, uint64_t to, int& error, const Piece& piece) {
        if (from == to) return piece(chunk_.get(), 0, true);
        while (from < to) {
            const std::size_t want = static_cast<std::size_t>(to - from < chunkSize ? to - from : chunkSize);
            if (!readExactly(from, want, error)) return false;
            from += want;
            if (!piece(chunk_.get(), want, from == to)) return false;
        }
        return true;
    }

private:
    long long read(uint64_t from, int& error) {
        const std::size_t want = static_cast<std::size_t>(size_ - from < chunkSize ? size_ - from : chunkSize);
        const long long got = readAt(file_, from, chunk_.get(), want);
        if (got < 0) error = errno != 0 ? errno : EIO;
        return got;
    }
    bool readExactly(uint64_t from, std::size_t count, int& error) {
        const long long got = readAt(file_, from, chunk_.get(), count);
        if (got < 0) {
            error = errno != 0 ? errno : EIO;
            return false;
        }
        if (static_cast<std::size_t>(got) != count) {
            error = EIO;  // the file shrank while it was read
            return false;
        }
        return true;
    }

    FILE* file_;
    uint64_t size_;
    std::unique_ptr<char[]> chunk_;
};

// Edges, scan start and (when `countLines`) line feeds of the range from the line start
// `batchStart` (`index` 0) or from the first line feed at or after
// batchStart + index * rangeSize, to the first one at or after the next
// such point.
void measureRange(FILE* file, uint64_t size, uint64_t rangeSize, uint64_t batchStart, uint64_t index,
                  bool countLines, RangeWork& work) {
    RangeReader reader(file, size);
    const uint64_t nominal = batchStart + index * rangeSize;
    const uint64_t next = nominal + rangeSize;
    if (index == 0)
        work.start = batchStart;
    else if (nominal >= size)
        work.start = size;
    else if (!reader.edgeAt(nominal, work.start, work.error))
        return;
    if (next >= size)
        work.end = size;
    else if (!reader.edgeAt(next, work.end, work.error))
        return;
    if (work.end < work.start) work.end = work.start;
    if (work.start > rangeLookback) {
        if (!reader.lineStartBefore(work.start - rangeLookback, work.scanStart, work.error)) return;
    } else {
        work.scanStart = 0;
    }
    if (!countLines) return;
    if (!reader.countLineFeeds(work.start, work.end, work.lineFeeds, work.error)) return;
    reader.countLineFeeds(work.scanStart, work.start, work.lookbackLineFeeds, work.error);
}

void scanRange(FILE* file, uint64_t size, const ScanOptions& options,
               const std::function<void(OutputStream&, const ScanMatch&)>& write, RangeWork& work) {
    if (work.start == work.end) return;
    RangeReader reader(file, size);
    std::unique_ptr<Scanner> scanner(new Scanner);
    beginScan(*scanner, options);
    char storage[4096];
    OutputStream out(storage, sizeof storage, appendToVector, &work.records);
    const uint64_t linesBeforeScan = work.linesBefore - work.lookbackLineFeeds;
    reader.scan(work.scanStart, work.end, work.error, [&](const char* bytes, std::size_t count, bool final) {
        givePiece(*scanner, bytes, count, final);
        ScanMatch match;
        while (nextMatch(*scanner, match)) {
            match.byteOffset += work.scanStart;
            if (match.byteOffset < work.start) continue;
            match.line += linesBeforeScan;
            ++work.found;
            write(out, match);
        }
        return true;
    });
    out.flush();
}

// A range longer than this (a line longer than a range) is redacted by the
// thread that writes, straight to the output, after the ranges before it:
// a worker's text is held whole until then, so this bounds what a batch
// holds whatever the lines.
constexpr uint64_t heldRangeLimit = 2 * findRangeSize;

// Redacts [scanStart, end) and keeps the text and counts of [start, end),
// in the work's text or, with `direct`, written to it as it comes. The
// lines before start are redacted alone first: they end with a line feed,
// which no match crosses, so what they come out as is what the whole
// reading writes first, and its length is cut off.
void redactRange(FILE* file, uint64_t size, const ScanOptions& options, RangeWork& work, OutputStream* direct) {
    if (work.start == work.end) return;
    RangeReader reader(file, size);
    std::unique_ptr<Scanner> scanner(new Scanner);
    std::unique_ptr<char[]> redacted(new char[redactionRoom(chunkSize)]);
    auto redactFrom = [&](uint64_t to, uint64_t skip, bool keep, uint64_t& writtenLength) {
        beginScan(*scanner, options);
        writtenLength = 0;
        return reader.scan(work.scanStart, to, work.error, [&](const char* bytes, std::size_t count, bool final) {
            std::size_t written = 0;
            if (!redactPiece(*scanner, bytes, count, final, redacted.get(), written)) {
                work.cryptoFailed = true;
                return false;
            }
            writtenLength += written;
            if (!keep) return true;
            const std::size_t skipped = static_cast<std::size_t>(skip < written ? skip : written);
            skip -= skipped;
            if (direct == nullptr) {
                work.records.insert(work.records.end(), redacted.get() + skipped, redacted.get() + written);
                return true;
            }
            direct->write(redacted.get() + skipped, written - skipped);
            return !direct->failed();
        });
    };
    uint64_t lookbackLength = 0, wholeLength = 0;
    ScanSummary lookback{};
    if (work.scanStart < work.start) {
        if (!redactFrom(work.start, 0, false, lookbackLength)) return;
        lookback = scanner->summary;
    }
    if (direct == nullptr) work.records.reserve(static_cast<std::size_t>(work.end - work.start) + 4096);
    if (!redactFrom(work.end, lookbackLength, true, wholeLength)) return;
    ScanSummary& range = scanner->summary;
    range.bytes -= lookback.bytes;
    range.matches -= lookback.matches;
    for (int i = 0; i < 4; ++i) range.byConfidence[i] -= lookback.byConfidence[i];
    range.plain -= lookback.plain;
    for (int i = 0; i < 4; ++i) range.byForm[i] -= lookback.byForm[i];
    work.summary = range;
}

// Cuts the file into batches of `workers` ranges, measures each batch's
// ranges (their lines counted when `countLines`: records give line numbers,
// a redaction none) and runs `scan` on each at once, then hands them to `take` in
// input order, until it returns false. False with errno set on a read
// error.
bool inBatches(FILE* file, uint64_t size, int workers, uint64_t rangeSize, bool countLines,
               const std::function<void(RangeWork&)>& scan, const std::function<bool(RangeWork&)>& take) {
    uint64_t linesBefore = 0;
    std::vector<RangeWork> batch(static_cast<std::size_t>(workers));
    // Each batch starts where the one before ended, so that a line longer
    // than a range is looked through for its end by one batch only.
    for (uint64_t batchStart = 0; batchStart < size;) {
        const std::size_t count = static_cast<std::size_t>(workers);
        for (std::size_t i = 0; i < count; ++i) {
            // A range's text keeps its storage for the next batch's range:
            // fresh storage of megabytes is fresh pages, a fault each.
            std::vector<char> kept = std::move(batch[i].records);
            kept.clear();
            batch[i] = RangeWork{};
            batch[i].records = std::move(kept);
        }
        auto inParallel = [&](const std::function<void(std::size_t)>& job) {
            std::vector<std::thread> threads;
            for (std::size_t i = 1; i < count; ++i) threads.emplace_back(job, i);
            job(0);
            for (std::thread& thread : threads) thread.join();
        };
        inParallel([&](std::size_t i) { measureRange(file, size, rangeSize, batchStart, i, countLines, batch[i]); });
        for (std::size_t i = 0; i < count; ++i) {
            if (batch[i].error != 0) {
                errno = batch[i].error;
                return false;
            }
            batch[i].linesBefore = linesBefore;
            linesBefore += batch[i].lineFeeds;
        }
        inParallel([&](std::size_t i) { scan(batch[i]); });
        for (std::size_t i = 0; i < count; ++i) {
            if (batch[i].error != 0) {
                errno = batch[i].error;
                return false;
            }
            // take may read too (a range redacted by this thread).
            const bool goOn = take(batch[i]);
            if (batch[i].error != 0) {
                errno = batch[i].error;
                return false;
            }
            if (!goOn) return true;
        }
        const uint64_t batchEnd = batch[count - 1].end;
        if (batchEnd <= batchStart) return true;
        batchStart = batchEnd;
    }
    return true;
}

}  // namespace

void addScanSummary(ScanSummary& total, const ScanSummary& part) {
    total.bytes += part.bytes;
    total.matches += part.matches;
    for (int i = 0; i < 4; ++i) total.byConfidence[i] += part.byConfidence[i];
    total.plain += part.plain;
    for (int i = 0; i < 4; ++i) total.byForm[i] += part.byForm[i];
}

bool findInRanges(FILE* file, uint64_t size, const ScanOptions& options, int workers, uint64_t rangeSize,
                  OutputStream& out, const std::function<void(OutputStream&, const ScanMatch&)>& write,
                  uint64_t& found) {
    return inBatches(
        file, size, workers, rangeSize, true, [&](RangeWork& work) { scanRange(file, size, options, write, work); },
        [&](RangeWork& work) {
            if (!work.records.empty()) out.write(work.records.data(), work.records.size());
            found += work.found;
            return !out.failed();
        });
}

bool redactInRanges(FILE* file, uint64_t size, const ScanOptions& options, int workers, uint64_t rangeSize,
                    OutputStream& out, ScanSummary& summary, bool& cryptoFailed) {
    cryptoFailed = false;
    auto held = [](const RangeWork& work) { return work.end - work.start <= heldRangeLimit; };
    return inBatches(
        file, size, workers, rangeSize, false,
        [&](RangeWork& work) {
            if (held(work)) redactRange(file, size, options, work, nullptr);
        },
        [&](RangeWork& work) {
            if (!held(work)) redactRange(file, size, options, work, &out);
            if (work.cryptoFailed) {
                cryptoFailed = true;
                return false;
            }
            if (!work.records.empty()) out.write(work.records.data(), work.records.size());
            addScanSummary(summary, work.summary);
            return !out.failed();
        });
}
