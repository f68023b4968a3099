// The line reader against a plain reference split of the same bytes, for every
// buffer size from the smallest up, so that every line end, CRLF pair and
// byte-order mark also falls across a refill; and its edges one by one.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "programs/idtool/line_reader.h"
#include "idtool_test_support.h"

namespace {

struct ReadLine {
    std::string held;
    uint64_t length;
    bool cut;
    uint64_t number;
    int input;

    bool operator==(const ReadLine& other) const {
        return held == other.held && length == other.length && cut == other.cut && number == other.number &&
               input == other.input;
    }
};

std::ostream& operator<<(std::ostream& out, const ReadLine& line) {
    return out << "{line " << line.number << " of input " << line.input << ", " << line.length << " bytes"
               << (line.cut ? " cut" : "") << ", held \"" << testing::PrintToString(line.held) << "\"}";
}

// What the reader should give: each input split at LF, a CR before the LF
// dropped, the byte-order mark at an input's start dropped, and an input's
// last bytes without LF one more line.
std::vector<ReadLine> referenceLines(const std::vector<std::string>& inputs) {
    std::vector<ReadLine> lines;
    uint64_t number = 0;
    for (int index = 0; index < static_cast<int>(inputs.size()); ++index) {
        std::string text = inputs[static_cast<std::size_t>(index)];
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            const bool hasLineFeed = end != std::string::npos;
            if (!hasLineFeed) end = text.size();
            std::string line = text.substr(start, end - start);
            if (hasLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
            const bool cut = line.size() > static_cast<std::size_t>(lineHoldLimit);
            lines.push_back({cut ? line.substr(0, lineHoldLimit) : line, line.size(), cut, ++number, index});
            start = end + 1;
        }
    }
    return lines;
}

// Reads every line of the inputs with a buffer of `storageSize` bytes.
std::vector<ReadLine> readLines(const std::vector<std::string>& inputs, std::size_t storageSize,
                                bool* failed = nullptr) {
    std::vector<std::unique_ptr<TemporaryInput>> files;
    std::vector<InputFile> opened;
    for (const std::string& bytes : inputs) {
        files.push_back(std::make_unique<TemporaryInput>(bytes));
        opened.push_back(files.back()->input);
    }
    std::vector<char> storage(storageSize);
    LineReader reader(opened.data(), static_cast<int>(opened.size()), storage.data(), storage.size());
    std::vector<ReadLine> lines;
    Line line;
    while (reader.next(line)) {
        EXPECT_EQ(line.bytes[line.held], '\0') << "no terminator after the held bytes";
        lines.push_back({std::string(line.bytes, static_cast<std::size_t>(line.held)), line.length, line.cut,
                         line.number, line.input});
    }
    if (failed != nullptr) *failed = reader.failed();
    return lines;
}

std::string repeated(char c, std::size_t count) { return std::string(count, c); }

struct ReaderCase {
    const char* what;
    std::vector<std::string> inputs;
};

const std::vector<ReaderCase>& readerCases() {
    static const std::vector<ReaderCase> cases = {
        {"LF lines", {"110105194912310021\n12345\n\n"}},
        {"CRLF lines and a CR inside a line", {"a\r\nb\rc\r\n\r\nlast"}},
        {"no final line end, and a final CR that ends no line", {"one\ntwo\r"}},
        {"empty input and an input of one line end", {"", "\n", "\r\n"}},
        {"byte-order mark at each input's start only", {"\xEF\xBB\xBFx\n\xEF\xBB\xBFy", "\xEF\xBB\xBF", "\xEF\xBBz\n"}},
        {"NUL and other bytes", {std::string("1\0" "2\n\0\n\xFF\xFE\x80\r\n", 11)}},
        {"lines of 63, 64, 65 and 66 bytes, with LF and CRLF",
         {repeated('a', 63) + "\n" + repeated('b', 64) + "\n" + repeated('c', 65) + "\n" + repeated('d', 66) +
          "\r\n" + repeated('e', 64) + "\r\n" + repeated('f', 65) + "\r\n" + repeated('g', 64) + "\r"}},
        {"long lines: with CRLF, at the end without a line end",
         {repeated('x', 1000) + "\r\n" + repeated('y', 300) + "\nshort\n" + repeated('z', 777)}},
        {"a long line of CRs", {repeated('\r', 500) + "\n" + repeated('\r', 70)}},
        {"inputs numbered as one, each last line ending at its input's end",
         {"1\n2", "3\r\n", "", "4\n5\n"}},
        {"ten-byte lines with CRLF, one pair at every buffer position",
         {[] {
             std::string text;
             for (int i = 0; i < 60; ++i) text += "0123456789\r\n";
             return text;
         }()}},
    };
    return cases;
}

}  // namespace

TEST(LineReader, GivesTheReferenceLinesForEveryBufferSize) {
    for (const ReaderCase& c : readerCases()) {
        SCOPED_TRACE(c.what);
        const std::vector<ReadLine> expected = referenceLines(c.inputs);
        for (std::size_t size = LineReader::minimumStorage; size <= 400; ++size) {
            const std::vector<ReadLine> lines = readLines(c.inputs, size);
            ASSERT_EQ(lines, expected) << "buffer of " << size << " bytes";
        }
        ASSERT_EQ(readLines(c.inputs, 1 << 20), expected);
    }
}

TEST(LineReader, EdgesStatedPlainly) {
    // The reference split above is trusted only as far as these hold.
    const auto lines = readLines({"\xEF\xBB\xBF" "ab\r\n" + repeated('7', 64) + "\r\n" + repeated('8', 65) + "\ncd",
                                  "ef"},
                                 LineReader::minimumStorage);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], (ReadLine{"ab", 2, false, 1, 0}));
    EXPECT_EQ(lines[1], (ReadLine{repeated('7', 64), 64, false, 2, 0}));
    EXPECT_EQ(lines[2], (ReadLine{repeated('8', 64), 65, true, 3, 0}));
    EXPECT_EQ(lines[3], (ReadLine{"cd", 2, false, 4, 0}));
    EXPECT_EQ(lines[4], (ReadLine{"ef", 2, false, 5, 1}));
}

TEST(LineReader, LongLineIsCountedNotHeld) {
    const std::string line = repeated('5', 3 << 20);  // three times the buffer
    std::vector<char> storage(1 << 20);
    TemporaryInput file(line + "\r\nnext\n");
    ASSERT_NE(file.input.file, nullptr);
    LineReader reader(&file.input, 1, storage.data(), storage.size());
    Line read;
    ASSERT_TRUE(reader.next(read));
    EXPECT_TRUE(read.cut);
    EXPECT_EQ(read.length, line.size());
    EXPECT_EQ(std::string(read.bytes), repeated('5', lineHoldLimit));
    ASSERT_TRUE(reader.next(read));
    EXPECT_EQ(std::string(read.bytes), "next");
    EXPECT_EQ(read.number, 2u);
    EXPECT_FALSE(reader.next(read));
    EXPECT_FALSE(reader.failed());
}

TEST(LineReader, ReportsAReadErrorWithItsInput) {
    TemporaryInput good("1\n2\n");
    ASSERT_NE(good.input.file, nullptr);
    // A file open for writing only cannot be read.
    std::FILE* writeOnly = std::fopen("/dev/null", "wb");
#ifdef _WIN32
    if (writeOnly == nullptr) writeOnly = std::fopen("NUL", "wb");
#endif
    ASSERT_NE(writeOnly, nullptr);
    InputFile inputs[] = {good.input, InputFile{"unreadable", writeOnly, false, false, 0}};
    char storage[LineReader::minimumStorage];
    LineReader reader(inputs, 2, storage, sizeof storage);
    Line line;
    EXPECT_TRUE(reader.next(line));
    EXPECT_TRUE(reader.next(line));
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.failedInput(), 1);
    EXPECT_NE(reader.errorNumber(), 0);
    std::fclose(writeOnly);
}
