// verify --jobs N against one reader, on files shaped around where the
// workers cut them (every parallelRangeBytes): line feeds and CRLFs just before, on and
// after a cut, lines longer than a range that start on a cut, files of line
// feeds only (whose records outgrow a chunk's output), a byte-order mark and
// nothing else, and many files of random lines. And the line-feed masks of
// the vector path against the plain one on every byte value at every place.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "programs/idtool/command_options.h"
#include "programs/idtool/line_ends.h"
#include "programs/idtool/parallel_verify.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/session.h"
#include "programs/idtool/verify_command.h"
#include "idtool_test_support.h"

namespace {

constexpr std::size_t cut = parallelRangeBytes;

struct CapturedSession {
    CapturingStream<1 << 16> out;
    CapturingStream<> err;
    ProgressDisplay progress{err.stream, false};
    Session session{out.stream, err.stream, progress, Encoding::utf8};
};

struct Outcome {
    std::string out;
    std::string err;
    int status;
};

class TemporaryFiles {
public:
    ~TemporaryFiles() {
        std::error_code ignored;
        for (const std::string& path : paths_) std::filesystem::remove(path, ignored);
    }
    std::string add(const std::string& bytes) {
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("idtool-jobs-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
                                   std::to_string(paths_.size())))
                                     .string();
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        paths_.push_back(path);
        return path;
    }

private:
    std::vector<std::string> paths_;
};

Outcome verifyWith(int workers, const std::vector<std::string>& files, const VerifyOptions& options) {
    CapturedSession run;
    const int status = workers > 1 ? runVerifyInParallel(options, files, workers, run.session)
                                   : runOnInputs(files, run.session, [&](LineReader& reader) {
                                         return runVerify(options, reader, run.session);
                                     });
    return {run.out.text(), run.err.text(), status};
}

// Both ways, with two and three workers; a difference is shown at its first byte.
void expectSameAsOneReader(const std::vector<std::string>& files, const VerifyOptions& options, const char* what) {
    const Outcome one = verifyWith(1, files, options);
    for (int workers : {2, 3}) {
        const Outcome many = verifyWith(workers, files, options);
        EXPECT_EQ(many.status, one.status) << what << ", " << workers << " workers";
        EXPECT_EQ(many.err, one.err) << what << ", " << workers << " workers";
        if (many.out == one.out) continue;
        std::size_t at = 0;
        while (at < many.out.size() && at < one.out.size() && many.out[at] == one.out[at]) ++at;
        ADD_FAILURE() << what << ", " << workers << " workers: the output differs at byte " << at << " of "
                      << one.out.size() << ": '" << one.out.substr(at > 40 ? at - 40 : 0, 80) << "' vs '"
                      << many.out.substr(at > 40 ? at - 40 : 0, 80) << "'";
    }
}

const std::string number = "11010519491231002X";

// Numbers and a line feed, up to `size` bytes.
std::string filler(std::size_t size) {
    std::string text;
    while (text.size() + number.size() + 1 <= size) text += number + "\n";
    return text + std::string(size - text.size(), '7');
}

}  // namespace

TEST(ParallelVerify, LineEndsAroundTheCuts) {
    TemporaryFiles files;
    VerifyOptions summary;
    summary.summary = true;
    for (int shift = -3; shift <= 3; ++shift) {
        // A line feed, a CRLF and a line of 65 bytes placed across the first
        // and second cuts, shifted a byte at a time.
        const std::size_t before = cut + static_cast<std::size_t>(shift) - 20;
        std::string text = filler(before) + "\n" + number + "\r\n" + std::string(65, '5') + "\n";
        text += filler(2 * cut + static_cast<std::size_t>(shift) - text.size()) + "\r\n" + number;
        expectSameAsOneReader({files.add(text)}, summary, "line ends around a cut");
        expectSameAsOneReader({files.add(text + "\r")}, summary, "a last line ending in CR");
        expectSameAsOneReader({files.add(text + "\n")}, summary, "a last line feed");
    }
}

TEST(ParallelVerify, LongLinesEmptyLinesAndMarks) {
    TemporaryFiles files;
    const VerifyOptions every;
    VerifyOptions onlyInvalid;
    onlyInvalid.onlyInvalid = true;
    // Lines longer than a range, starting on a cut, one byte after it, and
    // running to the end of the file without a line feed.
    const std::string longLines = filler(cut) + std::string(3 * cut, '9') + "\r\n" + "\n" + filler(cut + 1) +
                                  std::string(cut + 7, '8') + "\n" + number + "\n" + std::string(2 * cut, '6');
    expectSameAsOneReader({files.add(longLines)}, every, "long lines");
    // Only line feeds: more records than a chunk keeps before it hands them
    // to the writer.
    expectSameAsOneReader({files.add(std::string(3 * cut + 5, '\n'))}, every, "line feeds only");
    // Several inputs in one run: empty, a mark alone, a mark and a line, one
    // line without a line feed, a mark then a long line.
    const std::vector<std::string> inputs = {
        files.add(""),        files.add("\xEF\xBB\xBF"), files.add("\xEF\xBB\xBF" + number + "\n"),
        files.add(number),    files.add("\xEF\xBB"),     files.add("\xEF\xBB\xBF" + std::string(cut, '4')),
        files.add(longLines), files.add("\r\n\r\n"),
    };
    expectSameAsOneReader(inputs, every, "several inputs");
    expectSameAsOneReader(inputs, onlyInvalid, "several inputs, only the invalid");
}

TEST(ParallelVerify, RandomLinesOfEveryLength) {
    TemporaryFiles files;
    std::mt19937 random(2026);
    VerifyOptions options;
    options.summary = true;
    options.format = RecordFormat::jsonl;
    std::vector<std::string> inputs;
    for (int file = 0; file < 12; ++file) {
        std::string text;
        const std::size_t size = cut / 2 + random() % (3 * cut);
        while (text.size() < size) {
            const auto kind = static_cast<unsigned>(random() % 100);
            if (kind < 70)
                text += number;
            else if (kind < 90)
                text += std::string(random() % 80, static_cast<char>('0' + random() % 10));
            else if (kind < 92)
                text += std::string(random() % (cut + cut / 2), 'x');
            else
                text += std::string(1, static_cast<char>(random() % 256));
            text += random() % 5 == 0 ? "\r\n" : "\n";
        }
        inputs.push_back(files.add(text.substr(0, size)));
    }
    expectSameAsOneReader(inputs, options, "random lines");
}

TEST(LineFeedMasks, TheVectorPathFindsWhatThePlainOneFinds) {
    std::mt19937 random(7);
    char block[lineFeedBlock];
    for (int round = 0; round < 2000; ++round) {
        for (char& byte : block) byte = static_cast<char>(random() % 4 == 0 ? '\n' : random() % 256);
        ASSERT_EQ(lineFeedMask(block), lineFeedMaskPlain(block, lineFeedBlock)) << round;
    }
    for (std::size_t place = 0; place < lineFeedBlock; ++place)
        for (int value = 0; value < 256; ++value) {
            for (char& byte : block) byte = '1';
            block[place] = static_cast<char>(value);
            const uint64_t expected = value == '\n' ? uint64_t{1} << place : 0;
            ASSERT_EQ(lineFeedMask(block), expected) << place << " " << value;
            ASSERT_EQ(lineFeedMaskPlain(block, lineFeedBlock), expected) << place << " " << value;
        }
}

TEST(LineFeedMasks, TheScannerGivesEveryLineFeedInOrder) {
    std::mt19937 random(11);
    for (std::size_t size : {0u, 1u, 63u, 64u, 65u, 200u, 1000u}) {
        std::string bytes(size, 'a');
        std::vector<std::size_t> expected;
        for (std::size_t i = 0; i < size; ++i)
            if (random() % 7 == 0) bytes[i] = '\n';
        for (std::size_t from : {std::size_t{0}, std::size_t{3}, size / 2}) {
            if (from > size) continue;
            expected.clear();
            for (std::size_t i = from; i < size; ++i)
                if (bytes[i] == '\n') expected.push_back(i);
            LineFeedScanner scanner(bytes.data(), size, from);
            for (std::size_t at : expected) ASSERT_EQ(scanner.next(), at) << size << " from " << from;
            EXPECT_EQ(scanner.next(), size);
            EXPECT_EQ(countLineFeeds(bytes.data() + from, size - from), expected.size());
        }
    }
}
