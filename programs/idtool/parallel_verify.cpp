// The chunks of verify --jobs N. A chunk is claimed by a worker (under the
// claim lock, which also guards the cutting of the inputs and the reading of
// streams), counted (in chunk order, under the pipeline's mutex), verified
// into the output of its slot, and written by the writer. Slots form a fixed
// ring: chunk k waits for slot k % slots to be written out and freed. The
// lines are the line reader's: LF or CRLF ends a line, a byte-order mark
// starts an input, an input's last line needs no line end (a CR there stays),
// and a line longer than the held limit is kept as its first bytes and its
// whole length.
#include "programs/idtool/parallel_verify.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>

#include "programs/idtool/line_ends.h"
#include "programs/idtool/line_verifier.h"
#include "programs/idtool/progress.h"

namespace {

constexpr std::size_t rangeBytes = parallelRangeBytes;
// Read past a range's end, so that its last line usually ends within what was
// read: more than a held line, so that a line that does not is a long one.
constexpr std::size_t tailRoom = 256;
static_assert(tailRoom > lineHoldLimit + 2, "a line running past the tail room is longer than what is held");
// What a worker reads of a stream at once, at most.
constexpr std::size_t streamBytes = std::size_t{64} << 10;
// The room for a chunk's records, which a worker writes in place: past it
// they go to the writer before the chunk is done (a range of numbers makes
// less, whatever the format).
constexpr std::size_t outputBytes = std::size_t{2} << 20;

struct Slot {
    bool inUse = false;
    uint64_t sequence = 0;
    int input = 0;
    uint64_t inputBytesDone = 0;  // for the progress line: how far into its input the chunk ends
    std::unique_ptr<char[]> output = std::unique_ptr<char[]>(new char[outputBytes]);
    std::size_t outputSize = 0;
    bool outputReady = false;     // the output waits for the writer
    bool finished = false;
    bool failed = false;          // a read (or open) error ended the chunk
    int errorNumber = 0;
    VerdictCounts counts;
};

struct Pipeline {
    std::mutex mutex;
    std::condition_variable slotFreed;  // claimers wait for the slot of their chunk
    std::condition_variable counted;    // workers wait for the lines of the chunks before theirs
    std::condition_variable ready;      // the writer waits for output
    std::condition_variable taken;      // workers wait for the writer to take their output
    std::vector<Slot> slots;
    uint64_t claimed = 0;               // chunks claimed so far
    bool claimsEnded = false;
    uint64_t countedChunks = 0;         // chunks whose lines are counted, from the first
    uint64_t linesCounted = 0;          // the lines of those chunks
    bool cancelled = false;             // a write or read error: everyone stops

    Slot& at(uint64_t sequence) { return slots[static_cast<std::size_t>(sequence % slots.size())]; }
    void cancel() {
        cancelled = true;
        slotFreed.notify_all();
        counted.notify_all();
        ready.notify_all();
        taken.notify_all();
    }
};

// How the inputs are cut into chunks, up to where they are cut. Guarded by
// the claim lock.
struct Cursor {
    int input = -1;         // the input being cut; -1 before the first
    bool ranges = false;    // a regular file with a size: cut into ranges
    bool madeChunk = false;  // whether the input gave any chunk yet
    // A file's ranges: the next range's start, the end, where its lines
    // start (after a byte-order mark).
    uint64_t offset = 0;
    uint64_t end = 0;
    uint64_t base = 0;
    // A stream: the start of a line carried over to the next read, whether
    // the input has ended, whether its byte-order mark was looked for, the
    // bytes read.
    std::vector<char> carry = std::vector<char>(streamBytes);
    std::size_t carried = 0;
    bool atEnd = false;
    bool markChecked = false;
    uint64_t bytesRead = 0;
    bool failed = false;    // an input failed: no more chunks
};

// A worker's chunk: its slot and input, and either a range of a file or the
// bytes read from a stream into the worker's buffer (whole lines, or the
// first bytes and the length of one long line).
struct Job {
    uint64_t sequence = 0;
    Slot* slot = nullptr;
    int input = 0;
    bool range = false;
    uint64_t begin = 0, end = 0, base = 0;
    std::size_t size = 0;
    bool longLine = false;
    uint64_t longLength = 0;
    bool failed = false;
    int errorNumber = 0;
};

// When a chunk's room for records is full, the worker (the context) hands
// them to the writer and waits until they are written.
long long handToWriter(void* context, const char* bytes, std::size_t count, bool final);

class Worker {
public:
    Worker(Pipeline& pipeline, std::mutex& claimLock, Cursor& cursor, std::vector<InputFile>& inputs,
           const VerifyOptions& options, Encoding encoding, bool mask, int yearLimit)
        : pipeline_(pipeline),
          claimLock_(claimLock),
          cursor_(cursor),
          inputs_(inputs),
          out_(nullptr, 0, handToWriter, this),
          verifier_(options, out_, encoding, mask, yearLimit) {}

    void run() {
        Job job;
        while (claim(job)) {
            job_ = &job;
            out_.redirect(job.slot->output.get(), outputBytes);
            if (job.range)
                verifyRange(job);
            else
                verifyStreamChunk(job);
            finish(job);
        }
    }

    // The sink's work: the chunk's room is full.
    void handOver(std::size_t count) {
        std::unique_lock<std::mutex> lock(pipeline_.mutex);
        job_->slot->outputSize = count;
        job_->slot->outputReady = true;
        pipeline_.ready.notify_all();
        // (Cancelled, nobody writes it: it is dropped.)
        pipeline_.taken.wait(lock, [&] { return !job_->slot->outputReady || pipeline_.cancelled; });
    }

private:
    // --- Claiming a chunk (under the claim lock) ---------------------------------

    bool claim(Job& job) {
        std::lock_guard<std::mutex> claimLock(claimLock_);
        job = Job{};
        for (;;) {
            if (cursor_.input < 0 || inputDone()) {
                if (cursor_.input >= 0 && !cursor_.madeChunk) closeInputAt(input(cursor_.input));
                if (cursor_.failed || cursor_.input + 1 >= static_cast<int>(inputs_.size())) return endClaims();
                if (!startInput(cursor_.input + 1, job)) return takeSlot(job);  // it could not be opened
                continue;
            }
            if (cursor_.ranges) {
                job.range = true;
                job.input = cursor_.input;
                job.base = cursor_.base;
                job.begin = cursor_.offset;
                job.end = std::min(cursor_.end, cursor_.offset + rangeBytes);
                cursor_.offset = job.end;
                return takeSlot(job);
            }
            if (!readStreamChunk(job)) return takeSlot(job);  // a read error
            if (job.size > 0 || job.longLine) return takeSlot(job);
        }
    }

    InputFile& input(int index) { return inputs_[static_cast<std::size_t>(index)]; }

    bool inputDone() const {
        return cursor_.ranges ? cursor_.offset >= cursor_.end : cursor_.atEnd && cursor_.carried == 0;
    }

    // Opens the input and sees how to cut it; false (with the job failed)
    // when it cannot be opened or read.
    bool startInput(int index, Job& job) {
        cursor_.input = index;
        cursor_.madeChunk = false;
        cursor_.carried = 0;
        cursor_.atEnd = false;
        cursor_.markChecked = false;
        cursor_.bytesRead = 0;
        InputFile& file = input(index);
        if (!openInputAt(file)) return failClaim(job);
        cursor_.end = !file.standardInput && file.regularFile ? currentFileSize(file.file) : 0;
        cursor_.ranges = cursor_.end > 0;
        if (!cursor_.ranges) return true;
        char mark[byteOrderMarkLength];
        const long long got = readAt(file.file, 0, mark, sizeof mark);
        if (got < 0) return failClaim(job);
        cursor_.base = startsWithByteOrderMark(mark, static_cast<std::size_t>(got)) ? byteOrderMarkLength : 0;
        cursor_.offset = cursor_.base;
        return true;
    }

    bool failClaim(Job& job) {
        job.failed = true;
        job.errorNumber = errno;
        job.input = cursor_.input;
        cursor_.failed = true;
        cursor_.ranges = false;
        cursor_.atEnd = true;
        cursor_.carried = 0;
        return false;
    }

    bool endClaims() {
        std::lock_guard<std::mutex> lock(pipeline_.mutex);
        pipeline_.claimsEnded = true;
        pipeline_.ready.notify_all();
        return false;
    }

    // The chunk's number and slot, once the slot is free; false when the run
    // was cancelled.
    bool takeSlot(Job& job) {
        cursor_.madeChunk = true;
        std::unique_lock<std::mutex> lock(pipeline_.mutex);
        job.sequence = pipeline_.claimed;
        Slot& slot = pipeline_.at(job.sequence);
        pipeline_.slotFreed.wait(lock, [&] { return !slot.inUse || pipeline_.cancelled; });
        if (pipeline_.cancelled) return false;
        ++pipeline_.claimed;
        slot.inUse = true;
        slot.sequence = job.sequence;
        slot.input = job.input;
        slot.inputBytesDone = job.range ? job.end : cursor_.bytesRead - cursor_.carried;
        slot.outputSize = 0;
        slot.outputReady = false;
        slot.finished = false;
        slot.failed = false;
        job.slot = &slot;
        return true;
    }

    // Reads up to `count` more bytes of the stream to `into`; false on an
    // error.
    bool readMore(Job& job, char* into, std::size_t count, std::size_t& got) {
        const long long read = readSome(input(cursor_.input).file, into, count);
        if (read < 0) return failClaim(job);
        if (read == 0) cursor_.atEnd = true;
        got = static_cast<std::size_t>(read);
        cursor_.bytesRead += got;
        return true;
    }

    // The next whole lines of a stream into the buffer (job.size bytes), or
    // the first bytes and length of a line too long for it; nothing at the
    // stream's end. False on a read error.
    bool readStreamChunk(Job& job) {
        job.input = cursor_.input;
        const bool waits = input(cursor_.input).standardInput || !input(cursor_.input).regularFile;
        char* const bytes = buffer_.data();
        for (;;) {
            std::memcpy(bytes, cursor_.carry.data(), cursor_.carried);
            std::size_t size = cursor_.carried;
            cursor_.carried = 0;
            // A chunk's worth of bytes, or the input's end; from a pipe or a
            // terminal, whatever whole lines have come, so that answers do
            // not wait for more input.
            while (size < streamBytes && !cursor_.atEnd) {
                std::size_t got = 0;
                if (!readMore(job, bytes + size, streamBytes - size, got)) return false;
                size += got;
                if (!cursor_.markChecked && (size >= byteOrderMarkLength || cursor_.atEnd)) {
                    // A pipe may hand over fewer bytes than the mark has.
                    cursor_.markChecked = true;
                    if (startsWithByteOrderMark(bytes, size)) {
                        std::memmove(bytes, bytes + byteOrderMarkLength, size - byteOrderMarkLength);
                        size -= byteOrderMarkLength;
                    }
                }
                // (What was carried holds no line feed, so a whole line has
                // come when the chunk holds one.)
                if (waits && cursor_.markChecked && got > 0 && std::memchr(bytes, '\n', size) != nullptr) break;
            }
            if (size == 0) return true;  // the stream's end
            const char* lastFeed = nullptr;
            for (std::size_t at = size; at > 0 && lastFeed == nullptr; --at)
                if (bytes[at - 1] == '\n') lastFeed = bytes + at - 1;
            if (lastFeed != nullptr) {
                job.size = static_cast<std::size_t>(lastFeed - bytes) + 1;
                cursor_.carried = size - job.size;
                std::memcpy(cursor_.carry.data(), bytes + job.size, cursor_.carried);
                return true;
            }
            if (cursor_.atEnd) {
                job.size = size;  // the input's last line, without a line end
                return true;
            }
            if (size >= streamBytes) return readLongStreamLine(job, size);
            // Part of a line from a pipe: read on behind it.
            cursor_.carried = size;
            std::memcpy(cursor_.carry.data(), bytes, size);
        }
    }

    // A line with no line feed in a full buffer: its head is kept, the rest
    // counted as it is read (into the buffer, as scratch), up to its line
    // feed or the input's end; what follows the line feed is carried on.
    bool readLongStreamLine(Job& job, std::size_t size) {
        char* const bytes = buffer_.data();
        LongLineLength length(size, bytes[size - 1]);
        std::memcpy(longHead_, bytes, lineHoldLimit);
        for (;;) {
            std::size_t got = 0;
            if (!readMore(job, bytes, streamBytes, got)) return false;
            if (got == 0) break;  // the input ends the line
            if (const char* lineFeed = length.take(bytes, got)) {
                cursor_.carried = got - static_cast<std::size_t>(lineFeed - bytes) - 1;
                std::memcpy(cursor_.carry.data(), lineFeed + 1, cursor_.carried);
                break;
            }
        }
        job.longLine = true;
        job.longLength = length.length();
        return true;
    }

    // --- Counting, verifying and finishing a chunk -------------------------------

    // Publishes the chunk's line count after those of the chunks before it;
    // returns the number of its first line, or 0 when the run was cancelled.
    uint64_t countLines(const Job& job, uint64_t lines) {
        std::unique_lock<std::mutex> lock(pipeline_.mutex);
        pipeline_.counted.wait(lock,
                               [&] { return pipeline_.countedChunks == job.sequence || pipeline_.cancelled; });
        if (pipeline_.cancelled) return 0;
        const uint64_t first = pipeline_.linesCounted + 1;
        pipeline_.linesCounted += lines;
        ++pipeline_.countedChunks;
        pipeline_.counted.notify_all();
        return first;
    }

    void fail(Job& job, int errorNumber) {
        job.failed = true;
        job.errorNumber = errorNumber;
    }

    // The lines that start in the range: read with the bytes around it,
    // counted, verified; the last one read on past the range's end.
    void verifyRange(Job& job) {
        if (job.failed) {
            countLines(job, 0);
            return;
        }
        FILE* const file = input(job.input).file;
        // From the byte before the range, to see whether a line starts at its
        // first byte, unless the input's lines start there.
        const uint64_t readFrom = job.begin == job.base ? job.base : job.begin - 1;
        const std::size_t want = static_cast<std::size_t>(job.end - readFrom) + tailRoom;
        const long long got = readAt(file, readFrom, buffer_.data(), want);
        if (got < 0) {
            fail(job, errno);
            countLines(job, 0);
            return;
        }
        char* const bytes = buffer_.data();
        const auto size = static_cast<std::size_t>(got);
        const bool atEnd = size < want;
        // Where the range ends among the bytes read (sooner when the file
        // has been cut short since). A line starts at the input's first byte
        // and after every line feed before the range's last byte.
        const std::size_t rangeEnd = std::min(static_cast<std::size_t>(job.end - readFrom), size);
        const bool startsInput = job.begin == job.base && rangeEnd > 0;
        const uint64_t lines = (startsInput ? 1 : 0) + (rangeEnd > 0 ? countLineFeeds(bytes, rangeEnd - 1) : 0);
        const uint64_t firstNumber = countLines(job, lines);
        if (lines == 0 || firstNumber == 0) return;

        std::size_t firstStart = 0;
        if (!startsInput) firstStart = static_cast<std::size_t>(
            static_cast<const char*>(std::memchr(bytes, '\n', rangeEnd - 1)) - bytes) + 1;
        // The range's last line ends at the first line feed from its last
        // byte on, at the input's end, or beyond what was read.
        std::size_t wholeEnd = size;
        bool longLast = false;
        if (const void* lineFeed = std::memchr(bytes + rangeEnd - 1, '\n', size - (rangeEnd - 1)))
            wholeEnd = static_cast<std::size_t>(static_cast<const char*>(lineFeed) - bytes) + 1;
        else if (!atEnd)
            longLast = true;
        std::size_t lastStart = wholeEnd;
        if (longLast) {
            lastStart = firstStart;
            for (std::size_t at = rangeEnd - 1; at > firstStart; --at)
                if (bytes[at - 1] == '\n') {
                    lastStart = at;
                    break;
                }
        }
        const uint64_t next = verifyLines(bytes, firstStart, lastStart, firstNumber, job.input);
        if (!longLast) return;

        // The long last line: its head, then its length, read on in pieces.
        std::memcpy(longHead_, bytes + lastStart, lineHoldLimit);
        LongLineLength length(size - lastStart, bytes[size - 1]);
        for (uint64_t offset = readFrom + size;;) {
            const long long piece = readAt(file, offset, bytes, rangeBytes);
            if (piece < 0) {
                fail(job, errno);
                return;
            }
            if (piece == 0 || length.take(bytes, static_cast<std::size_t>(piece)) != nullptr) break;
            offset += static_cast<uint64_t>(piece);
        }
        verifyLongLine(length.length(), next, job.input);
    }

    void verifyStreamChunk(Job& job) {
        if (job.failed && job.size == 0 && !job.longLine) {
            countLines(job, 0);
            return;
        }
        char* const bytes = buffer_.data();
        const bool endsWithFeed = job.size > 0 && bytes[job.size - 1] == '\n';
        const uint64_t lines = job.longLine ? 1 : countLineFeeds(bytes, job.size) + (endsWithFeed ? 0 : 1);
        const uint64_t firstNumber = countLines(job, lines);
        if (firstNumber == 0) return;
        if (job.longLine)
            verifyLongLine(job.longLength, firstNumber, job.input);
        else
            verifyLines(bytes, 0, job.size, firstNumber, job.input);
    }

    // Verifies the lines of bytes [from, to): each ends in a line feed, but
    // the last may end at `to` without one (the input's last line, whose CR
    // stays). Returns the number of the line after them.
    uint64_t verifyLines(char* bytes, std::size_t from, std::size_t to, uint64_t number, int inputIndex) {
        Line line{};
        line.input = inputIndex;
        line.number = number;
        LineFeedScanner lineFeeds(bytes, to, from);
        for (std::size_t at = from; at < to; ++line.number) {
            char* const start = bytes + at;
            char* lineEnd = bytes + lineFeeds.next();
            if (lineEnd < bytes + to) {
                at = static_cast<std::size_t>(lineEnd - bytes) + 1;
                if (lineEnd > start && lineEnd[-1] == '\r') --lineEnd;
            } else {
                at = to;
            }
            holdLine(line, start, static_cast<std::size_t>(lineEnd - start));
            verifier_.verify(line);
        }
        return line.number;
    }

    void verifyLongLine(uint64_t length, uint64_t number, int inputIndex) {
        longHead_[lineHoldLimit] = '\0';
        Line line{};
        line.bytes = longHead_;
        line.held = lineHoldLimit;
        line.length = length;
        line.cut = true;
        line.number = number;
        line.input = inputIndex;
        verifier_.verify(line);
    }

    void finish(Job& job) {
        const std::size_t written = out_.takeBuffered();
        std::lock_guard<std::mutex> lock(pipeline_.mutex);
        Slot& slot = *job.slot;
        slot.outputSize = written;
        slot.counts = verifier_.counts();
        verifier_.clearCounts();
        slot.failed = job.failed;
        slot.errorNumber = job.errorNumber;
        slot.finished = true;
        slot.outputReady = true;
        pipeline_.ready.notify_all();
    }

    Pipeline& pipeline_;
    std::mutex& claimLock_;
    Cursor& cursor_;
    std::vector<InputFile>& inputs_;
    Job* job_ = nullptr;
    // A range with the byte before it and the room read past it, or a
    // stream's bytes; one more byte for the terminator after the last line.
    std::vector<char> buffer_ = std::vector<char>(std::max(1 + rangeBytes + tailRoom, streamBytes) + 1);
    char longHead_[lineHoldLimit + 1] = {};
    OutputStream out_;  // writes into the room of the chunk's slot
    LineVerifier verifier_;
};

long long handToWriter(void* context, const char*, std::size_t count, bool) {
    static_cast<Worker*>(context)->handOver(count);
    return static_cast<long long>(count);
}

}  // namespace

int workerCount(int jobs) {
    if (jobs <= 0) jobs = static_cast<int>(std::thread::hardware_concurrency());
    return std::max(1, std::min(jobs, maxWorkers));
}

int runVerifyInParallel(const VerifyOptions& options, const std::vector<std::string>& files, int workers,
                        Session& session) {
    std::vector<InputFile> inputs;
    if (!openInputs(files, inputs, session)) return exitTrouble;
    const int yearLimit = localYear(time(nullptr));

    // The header, as the one reader's run writes it.
    const RecordLayout layout = layoutOf(options);
    RecordWriter header(session.out, options.format, session.encoding, verifyRecordKeysOf(layout.shape),
                        verifyRecordKeyCountOf(layout.shape));
    setUpWriter(header, options, layout);
    if (!options.stream) writeVerifyHeader(header, options, session.out);

    Pipeline pipeline;
    // Room for every worker's chunk and two done ones waiting to be written.
    pipeline.slots.resize(static_cast<std::size_t>(workers + 2));
    std::mutex claimLock;
    Cursor cursor;
    std::vector<std::unique_ptr<Worker>> crew;
    for (int i = 0; i < workers; ++i)
        crew.push_back(std::make_unique<Worker>(pipeline, claimLock, cursor, inputs, options, session.encoding,
                                                session.mask, yearLimit));
    std::vector<std::thread> threads;
    for (auto& worker : crew) threads.emplace_back([&worker] { worker->run(); });

    // The writer: the chunks' output in order, the counts, the progress line.
    VerdictCounts counts;
    int progressInput = -1;
    bool readFailed = false;
    int failedInput = 0;
    int errorNumber = 0;
    for (uint64_t sequence = 0;;) {
        Slot* slot = nullptr;
        {
            std::unique_lock<std::mutex> lock(pipeline.mutex);
            Slot& next = pipeline.at(sequence);
            auto hasOutput = [&] { return next.inUse && next.sequence == sequence && next.outputReady; };
            auto ready = [&] { return hasOutput() || (pipeline.claimsEnded && sequence == pipeline.claimed); };
            if (!ready()) {
                // Nothing to write yet: what is written so far goes out first,
                // so that a pipe or a terminal sees it.
                lock.unlock();
                session.out.flush();
                session.err.flush();
                lock.lock();
                pipeline.ready.wait(lock, ready);
            }
            if (hasOutput()) slot = &next;
        }
        if (slot == nullptr) break;
        // The worker leaves the slot alone until it is handed back.
        if (slot->outputSize > 0) session.out.writeThrough(slot->output.get(), slot->outputSize);
        if (slot->input != progressInput) {
            if (progressInput >= 0) session.progress.finishInput();
            // The inputs before it are done with.
            for (int i = std::max(progressInput, 0); i < slot->input; ++i)
                closeInputAt(inputs[static_cast<std::size_t>(i)]);
            progressInput = slot->input;
            session.progress.startInput(inputs[static_cast<std::size_t>(progressInput)]);
        }
        const bool finished = slot->finished;
        if (finished) {
            counts.add(slot->counts);
            session.progress.update(slot->inputBytesDone, counts.lines);
            if (slot->failed) {
                readFailed = true;
                failedInput = slot->input;
                errorNumber = slot->errorNumber;
            }
        }
        const bool stop = session.out.failed() || readFailed;
        std::lock_guard<std::mutex> lock(pipeline.mutex);
        if (finished) {
            slot->inUse = false;
            ++sequence;
            pipeline.slotFreed.notify_all();
        } else {
            slot->outputSize = 0;
            slot->outputReady = false;
            pipeline.taken.notify_all();
        }
        if (stop) {
            // A write error ends the run, and a read error after the lines
            // before it; the caller reports a write error.
            pipeline.cancel();
            break;
        }
    }
    for (std::thread& thread : threads) thread.join();
    if (progressInput >= 0) session.progress.finishInput();

    int status = statusOf(options, counts);
    const bool writeFailed = session.out.failed();
    if (options.summary && !writeFailed) writeSummary(session, counts, false);
    if (readFailed && !writeFailed)
        status = reportReadError(inputs[static_cast<std::size_t>(failedInput)], errorNumber, session);
    closeInputs(inputs);
    return status;
}
