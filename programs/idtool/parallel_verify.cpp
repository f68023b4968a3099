// The chunk pipeline of verify --jobs N. A chunk moves through four states in
// a fixed ring: free (the reader may fill it), filled (a worker may take it),
// working, done (the writer may write it, then frees it). One mutex and three
// condition variables guard the states; everything else of a chunk belongs to
// whoever holds it in that state. The lines are the line reader's: LF or
// CRLF ends a line, a byte-order mark starts an input, an input's last line
// needs no line end (a CR there stays), and a line longer than the held limit
// is kept as its first bytes and its whole length.
#include "programs/idtool/parallel_verify.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "programs/idtool/line_verifier.h"
#include "programs/idtool/progress.h"

namespace {

// A chunk's bytes and lines: small enough that every chunk in flight, with
// the records of its lines, stays within a few megabytes.
constexpr std::size_t chunkBytes = std::size_t{64} << 10;
constexpr uint64_t chunkLines = 4096;

enum class ChunkState : unsigned char { free, filled, working, done };

struct Chunk {
    ChunkState state = ChunkState::free;
    uint64_t sequence = 0;
    // Whole lines, each ending in LF, but at the end of an input, where the
    // last line may have none. One byte more is kept for a terminator.
    std::vector<char> bytes = std::vector<char>(chunkBytes + 1);
    std::size_t size = 0;
    bool endsInput = false;
    // Or one line too long for a chunk: its first bytes and its length.
    bool longLine = false;
    uint64_t longLength = 0;
    uint64_t firstLine = 0;
    // For the progress line: the input, and how far into it the chunk ends.
    int input = 0;
    uint64_t inputBytesDone = 0;
    std::vector<char> output;
    VerdictCounts counts;
};

struct Pipeline {
    std::mutex mutex;
    std::condition_variable freed;    // the reader waits for a free chunk
    std::condition_variable filled;   // the workers wait for a filled one
    std::condition_variable done;     // the writer waits for the next done one
    std::vector<Chunk> chunks;
    uint64_t nextToFill = 0;
    uint64_t nextToWork = 0;
    uint64_t chunksMade = 0;          // set when the reader has finished
    bool readerFinished = false;
    bool cancelled = false;           // the writer failed: everyone stops
    // A read error: which input, and errno.
    bool readFailed = false;
    int failedInput = 0;
    int errorNumber = 0;

    Chunk& at(uint64_t sequence) { return chunks[static_cast<std::size_t>(sequence % chunks.size())]; }
};

// --- The reader ------------------------------------------------------------------

// The line feeds in `count` bytes, sixteen at a time where SSE2 is there.
uint64_t countLineFeeds(const char* bytes, std::size_t count) {
    uint64_t lines = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; at + 16 <= count; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        lines += static_cast<uint64_t>(
            __builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)))));
    }
#endif
    for (; at < count; ++at) lines += bytes[at] == '\n' ? 1 : 0;
    return lines;
}

// The last line feed of `count` bytes, or null: a chunk's last line is short,
// so the search from the end is brief.
const char* lastLineFeed(const char* bytes, std::size_t count) {
    for (std::size_t at = count; at > 0; --at)
        if (bytes[at - 1] == '\n') return bytes + at - 1;
    return nullptr;
}

class ChunkReader {
public:
    ChunkReader(Pipeline& pipeline, std::vector<InputFile>& inputs) : pipeline_(pipeline), inputs_(inputs) {}

    void run() {
        for (std::size_t i = 0; i < inputs_.size(); ++i)
            if (!readInput(static_cast<int>(i))) break;
        std::lock_guard<std::mutex> lock(pipeline_.mutex);
        pipeline_.readerFinished = true;
        pipeline_.chunksMade = pipeline_.nextToFill;
        pipeline_.filled.notify_all();
        pipeline_.done.notify_all();
    }

private:
    bool fail(int input) {
        std::lock_guard<std::mutex> lock(pipeline_.mutex);
        pipeline_.readFailed = true;
        pipeline_.failedInput = input;
        pipeline_.errorNumber = errno;
        return false;
    }

    // Reads up to `count` more bytes to `into`; false on an error.
    bool readMore(int input, char* into, std::size_t count, std::size_t& got) {
        const long long read = readSome(inputs_[static_cast<std::size_t>(input)].file, into, count);
        if (read < 0) return fail(input);
        if (read == 0) atEnd_ = true;
        got = static_cast<std::size_t>(read);
        inputBytes_ += got;
        return true;
    }

    // A free chunk, or null when the run was cancelled.
    Chunk* freeChunk() {
        std::unique_lock<std::mutex> lock(pipeline_.mutex);
        Chunk& chunk = pipeline_.at(pipeline_.nextToFill);
        pipeline_.freed.wait(lock, [&] { return chunk.state == ChunkState::free || pipeline_.cancelled; });
        return pipeline_.cancelled ? nullptr : &chunk;
    }

    void hand(Chunk& chunk, int input, uint64_t lines) {
        chunk.input = input;
        chunk.inputBytesDone = inputBytes_ - carried_;
        chunk.firstLine = nextLine_;
        nextLine_ += lines;
        std::lock_guard<std::mutex> lock(pipeline_.mutex);
        chunk.sequence = pipeline_.nextToFill++;
        chunk.state = ChunkState::filled;
        pipeline_.filled.notify_one();
    }

    // The chunk's bytes after `cut` wait for the next chunk.
    void carryFrom(Chunk& chunk, std::size_t cut) {
        carried_ = chunk.size - cut;
        std::memcpy(carry_.data(), chunk.bytes.data() + cut, carried_);
        chunk.size = cut;
    }

    // A line with no line feed in a full chunk: its head is kept, the rest
    // counted as it is read (into the chunk, as scratch), up to its line feed
    // or the input's end; what follows the line feed is carried on.
    bool makeLongLine(int input, Chunk& chunk) {
        char* const bytes = chunk.bytes.data();
        uint64_t length = chunk.size;
        char lastByte = bytes[chunk.size - 1];
        for (;;) {
            std::size_t got = 0;
            if (!readMore(input, bytes + lineHoldLimit, chunkBytes - lineHoldLimit, got)) return false;
            if (got == 0) break;  // the input ends the line
            const char* const start = bytes + lineHoldLimit;
            if (const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', got))) {
                const auto before = static_cast<std::size_t>(lineFeed - start);
                length += before;
                if ((before > 0 ? lineFeed[-1] : lastByte) == '\r') --length;
                carried_ = got - before - 1;
                std::memcpy(carry_.data(), lineFeed + 1, carried_);
                break;
            }
            length += got;
            lastByte = start[got - 1];
        }
        chunk.size = lineHoldLimit;
        chunk.longLine = true;
        chunk.longLength = length;
        return true;
    }

    bool readInput(int input) {
        InputFile& file = inputs_[static_cast<std::size_t>(input)];
        if (!openInputAt(file)) return fail(input);
        carried_ = 0;
        atEnd_ = false;
        inputBytes_ = 0;
        bool markChecked = false;
        const bool waits = file.standardInput || !file.regularFile;
        while (!atEnd_ || carried_ > 0) {
            Chunk* chunk = freeChunk();
            if (chunk == nullptr) return false;
            char* const bytes = chunk->bytes.data();
            std::memcpy(bytes, carry_.data(), carried_);
            chunk->size = carried_;
            carried_ = 0;
            chunk->longLine = false;
            chunk->endsInput = false;
            // A chunk's worth of bytes, or the input's end; from a pipe or a
            // terminal, whatever whole lines have come, so that answers do
            // not wait for more input.
            while (chunk->size < chunkBytes && !atEnd_) {
                std::size_t got = 0;
                if (!readMore(input, bytes + chunk->size, chunkBytes - chunk->size, got)) return false;
                chunk->size += got;
                if (!markChecked && (chunk->size >= byteOrderMarkLength || atEnd_)) {
                    // A pipe may hand over fewer bytes than the mark has.
                    markChecked = true;
                    if (startsWithByteOrderMark(bytes, chunk->size)) {
                        std::memmove(bytes, bytes + byteOrderMarkLength, chunk->size - byteOrderMarkLength);
                        chunk->size -= byteOrderMarkLength;
                    }
                }
                // (What was carried holds no line feed, so a whole line has
                // come when the chunk holds one.)
                if (waits && markChecked && got > 0 && std::memchr(bytes, '\n', chunk->size) != nullptr) break;
            }
            if (chunk->size == 0) break;  // nothing more
            // Whole lines up to the last line feed, and no more than chunkLines.
            const char* const lastFeed = lastLineFeed(bytes, chunk->size);
            if (lastFeed != nullptr) {
                std::size_t cut = static_cast<std::size_t>(lastFeed - bytes) + 1;
                uint64_t lines = countLineFeeds(bytes, cut);
                if (lines > chunkLines) {
                    const char* at = bytes;
                    for (uint64_t i = 0; i < chunkLines; ++i)
                        at = static_cast<const char*>(std::memchr(at, '\n', cut - (at - bytes))) + 1;
                    cut = static_cast<std::size_t>(at - bytes);
                    lines = chunkLines;
                }
                carryFrom(*chunk, cut);
                hand(*chunk, input, lines);
            } else if (atEnd_) {
                chunk->endsInput = true;  // the input's last line, without a line end
                hand(*chunk, input, 1);
            } else if (chunk->size >= chunkBytes) {
                if (!makeLongLine(input, *chunk)) return false;
                hand(*chunk, input, 1);
            } else {
                // Part of a line from a pipe: read on behind it.
                carryFrom(*chunk, 0);
                std::lock_guard<std::mutex> lock(pipeline_.mutex);
                chunk->state = ChunkState::free;
            }
        }
        closeInputAt(file);
        return true;
    }

    Pipeline& pipeline_;
    std::vector<InputFile>& inputs_;
    std::vector<char> carry_ = std::vector<char>(chunkBytes);
    std::size_t carried_ = 0;
    bool atEnd_ = false;
    uint64_t inputBytes_ = 0;
    uint64_t nextLine_ = 1;
};

// --- The workers ------------------------------------------------------------------

// Appends a worker's records to the output of the chunk it holds.
long long appendToChunk(void* context, const char* bytes, std::size_t count, bool) {
    auto* output = *static_cast<std::vector<char>**>(context);
    output->insert(output->end(), bytes, bytes + count);
    return static_cast<long long>(count);
}

class Worker {
public:
    Worker(Pipeline& pipeline, const VerifyOptions& options, Encoding encoding, bool mask, int yearLimit)
        : pipeline_(pipeline),
          out_(storage_, sizeof storage_, appendToChunk, &output_),
          verifier_(options, out_, encoding, mask, yearLimit) {}

    void run() {
        while (Chunk* chunk = take()) {
            verify(*chunk);
            std::lock_guard<std::mutex> lock(pipeline_.mutex);
            chunk->state = ChunkState::done;
            pipeline_.done.notify_all();
        }
    }

private:
    Chunk* take() {
        std::unique_lock<std::mutex> lock(pipeline_.mutex);
        for (;;) {
            if (pipeline_.cancelled) return nullptr;
            if (pipeline_.readerFinished && pipeline_.nextToWork == pipeline_.chunksMade) return nullptr;
            Chunk& chunk = pipeline_.at(pipeline_.nextToWork);
            if (chunk.state == ChunkState::filled && chunk.sequence == pipeline_.nextToWork) {
                chunk.state = ChunkState::working;
                ++pipeline_.nextToWork;
                return &chunk;
            }
            pipeline_.filled.wait(lock);
        }
    }

    void verify(Chunk& chunk) {
        chunk.output.clear();
        output_ = &chunk.output;
        verifier_.clearCounts();
        Line line{};
        line.input = chunk.input;
        line.number = chunk.firstLine;
        char* const bytes = chunk.bytes.data();
        if (chunk.longLine) {
            bytes[lineHoldLimit] = '\0';
            line.bytes = bytes;
            line.held = lineHoldLimit;
            line.length = chunk.longLength;
            line.cut = true;
            verifier_.verify(line);
        } else {
            for (std::size_t at = 0; at < chunk.size; ++line.number) {
                char* const start = bytes + at;
                auto* lineEnd = static_cast<char*>(std::memchr(start, '\n', chunk.size - at));
                if (lineEnd != nullptr) {
                    at = static_cast<std::size_t>(lineEnd - bytes) + 1;
                    if (lineEnd > start && lineEnd[-1] == '\r') --lineEnd;
                } else {
                    lineEnd = bytes + chunk.size;  // the input's last line: a CR there stays
                    at = chunk.size;
                }
                const auto length = static_cast<std::size_t>(lineEnd - start);
                line.cut = length > static_cast<std::size_t>(lineHoldLimit);
                line.held = line.cut ? lineHoldLimit : static_cast<int>(length);
                line.length = length;
                // The byte after the held ones is the line's own, its line end
                // or the byte kept after the chunk.
                start[line.held] = '\0';
                line.bytes = start;
                verifier_.verify(line);
            }
        }
        out_.flush();
        chunk.counts = verifier_.counts();
    }

    Pipeline& pipeline_;
    std::vector<char>* output_ = nullptr;
    char storage_[std::size_t{1} << 14];
    OutputStream out_;
    LineVerifier verifier_;
};

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
    if (!options.stream) header.writeHeader();

    Pipeline pipeline;
    pipeline.chunks.resize(static_cast<std::size_t>(2 * workers + 2));
    std::vector<std::unique_ptr<Worker>> crew;
    for (int i = 0; i < workers; ++i)
        crew.push_back(std::make_unique<Worker>(pipeline, options, session.encoding, session.mask, yearLimit));
    ChunkReader reader(pipeline, inputs);
    std::vector<std::thread> threads;
    threads.emplace_back([&reader] { reader.run(); });
    for (auto& worker : crew) threads.emplace_back([&worker] { worker->run(); });

    // The writer: the chunks' output in order, the counts, the progress line.
    VerdictCounts counts;
    int progressInput = -1;
    for (uint64_t sequence = 0;; ++sequence) {
        Chunk* chunk = nullptr;
        {
            std::unique_lock<std::mutex> lock(pipeline.mutex);
            Chunk& next = pipeline.at(sequence);
            auto ready = [&] {
                return (next.state == ChunkState::done && next.sequence == sequence) ||
                       (pipeline.readerFinished && sequence == pipeline.chunksMade);
            };
            if (!ready()) {
                // Nothing to write yet: what is written so far goes out first,
                // so that a pipe or a terminal sees it.
                lock.unlock();
                session.out.flush();
                session.err.flush();
                lock.lock();
                pipeline.done.wait(lock, ready);
            }
            if (next.state == ChunkState::done && next.sequence == sequence) chunk = &next;
        }
        if (chunk == nullptr) break;
        if (!chunk->output.empty()) session.out.writeThrough(chunk->output.data(), chunk->output.size());
        counts.add(chunk->counts);
        if (chunk->input != progressInput) {
            if (progressInput >= 0) session.progress.finishInput();
            progressInput = chunk->input;
            session.progress.startInput(inputs[static_cast<std::size_t>(progressInput)]);
        }
        session.progress.update(chunk->inputBytesDone, counts.lines);
        const bool failed = session.out.failed();
        std::lock_guard<std::mutex> lock(pipeline.mutex);
        chunk->state = ChunkState::free;
        pipeline.freed.notify_all();
        if (failed) {
            // A write error ends the run; the caller reports it.
            pipeline.cancelled = true;
            pipeline.filled.notify_all();
            pipeline.freed.notify_all();
            break;
        }
    }
    for (std::thread& thread : threads) thread.join();
    if (progressInput >= 0) session.progress.finishInput();

    int status = statusOf(options, counts);
    if (options.summary && !pipeline.cancelled) writeSummary(session, counts, false);
    if (pipeline.readFailed && !pipeline.cancelled) {
        status = reportReadError(inputs[static_cast<std::size_t>(pipeline.failedInput)], pipeline.errorNumber, session);
    }
    closeInputs(inputs);
    return status;
}
