// No allocation per line: 10^5 lines through the reader and the record writer
// in every format, and through the upgrade and verify commands, with the
// global operator new (and, under AddressSanitizer, malloc itself) counted.
//
// Natively only, as the counting is (tests/allocation_counter.h).
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <new>
#include <string>
#include <vector>

#include "core/number_rules.h"
#include "programs/idtool/line_reader.h"
#include "programs/idtool/progress.h"
#include "records/record_writer.h"
#include "programs/idtool/session.h"
#include "programs/idtool/upgrade_command.h"
#include "programs/idtool/verify_command.h"
#include "idtool_test_support.h"
#include "tests/allocation_counter.h"


namespace {

// Takes everything and keeps nothing, so the test measures only idtool.
long long discard(void*, const char*, std::size_t count, bool) { return static_cast<long long>(count); }

// 10^5 lines of every kind: good 15- and 18-digit numbers, CRLF, an empty
// line, binary bytes, lines of 64 and 65 bytes, a long one, and a last line
// without a line end.
std::string sampleInput() {
    const std::string kinds[] = {
        "110105491231002\n",      "11010519491231002X\r\n", "\n",
        std::string("1\0\xFF\xFE\x80x\n", 7), std::string(64, '6') + "\n", std::string(65, '5') + "\r\n",
        std::string(500, '9') + "\n",  "110105491331002\n",
    };
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < 99999; ++i) text += kinds[i % 8];
    return text + "abc";
}

class NoAllocationPerLine : public ::testing::Test {
protected:
    void startCounting() { startCountingAllocations(); }
    long stopCounting() { return stopCountingAllocations(); }

    std::string input = sampleInput();
    std::vector<char> lineStorage = std::vector<char>(64 * 1024);  // many refills
    std::vector<char> outputStorage = std::vector<char>(4096);
};

TEST_F(NoAllocationPerLine, ReaderAndRecordWriterInEveryFormat) {
    const char* const keys[] = {"line", "input", "valid", "reason", "length", "history"};
    for (RecordFormat format : {RecordFormat::jsonl, RecordFormat::tsv, RecordFormat::csv}) {
        TemporaryInput file(input);
        ASSERT_NE(file.input.file, nullptr);
        OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
        LineReader reader(&file.input, 1, lineStorage.data(), lineStorage.size());
        reader.flushBeforeEachRead(&out);
        RecordWriter writer(out, format, Encoding::utf8, keys, 6);
        char fragmentStorage[256];
        JsonFragment history(fragmentStorage, sizeof fragmentStorage, Encoding::utf8);
        writer.writeHeader();

        startCounting();
        Line line;
        while (reader.next(line)) {
            writer.beginRecord();
            writer.integerField(static_cast<long long>(line.number));
            writer.bytesField(line.bytes, static_cast<std::size_t>(line.held));
            writer.boolField(!line.cut);
            writer.textField(line.cut ? "length" : nullptr);
            writer.integerField(static_cast<long long>(line.length));
            history.clear();
            history.beginArray();
            history.beginObject();
            history.key("name");
            history.textValue("城区");
            history.endObject();
            history.endArray();
            writer.jsonField(history.data(), history.size());
            writer.endRecord();
        }
        out.flush();
        EXPECT_EQ(stopCounting(), 0);
        EXPECT_EQ(reader.linesRead(), 100000u);
        EXPECT_FALSE(reader.failed());
    }
}

TEST_F(NoAllocationPerLine, UpgradeWithAMessagePerBadLine) {
    TemporaryInput file(input);
    ASSERT_NE(file.input.file, nullptr);
    OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
    char errorStorage[256];
    OutputStream err(errorStorage, sizeof errorStorage, discard, nullptr);
    ProgressDisplay progress(err, false);
    Session session{out, err, progress, Encoding::utf8};
    LineReader reader(&file.input, 1, lineStorage.data(), lineStorage.size());
    reader.flushBeforeEachRead(&out);
    reader.setProgress(&progress);

    startCounting();
    EXPECT_EQ(runUpgrade(reader, session), exitFindings);
    out.flush();
    EXPECT_EQ(stopCounting(), 0);
    EXPECT_EQ(reader.linesRead(), 100000u);
}

// 10^5 lines for verify: valid numbers of each kind of region, each reason,
// CRLF, binary and invalid UTF-8 bytes, and long lines.
std::string verifyInput(int lineCount = 100000) {
    const std::string kinds[] = {
        "11010519491231002X\n",    // a municipality's district
        "140302199003070014\r\n",  // a county under its city
        "419001199003070015\n",    // a county without its city-level record
        "160101198511300025\n",    // no such unit
        "11010519491231002x\n",    // characters
        "110105194912310021\n",    // check
        "110101299901010019\n",    // date
        "\n",
        std::string("1\0\xFF\xFE\x80x\n", 7),
        std::string(64, '6') + "\n",
        std::string(65, '5') + "\r\n",
        std::string(500, '9') + "\n",
        "1101051949123100\xE4\xB8\xAD\n",
    };
    const int kindCount = sizeof kinds / sizeof kinds[0];
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < lineCount; ++i) text += kinds[i % kindCount];
    return text;
}

TEST_F(NoAllocationPerLine, VerifyInEveryFormatAndEncoding) {
    const std::string lines = verifyInput();
    const std::string firstLines = verifyInput(100);  // every kind of line
    // The clock's first reading may set up the time zone; that is start-up.
    localYear(time(nullptr));
    for (RecordFormat format : {RecordFormat::jsonl, RecordFormat::tsv, RecordFormat::csv}) {
        for (Encoding encoding : {Encoding::utf8, Encoding::gbk}) {
            for (bool onlyInvalid : {false, true}) {
                // A run sets its storage aside once: as many allocations for a
                // few lines as for 10^5, and none per line.
                long allocationsOfRun[2];
                for (int run = 0; run < 2; ++run) {
                    TemporaryInput file(run == 0 ? firstLines : lines);
                    ASSERT_NE(file.input.file, nullptr);
                    OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
                    char errorStorage[256];
                    OutputStream err(errorStorage, sizeof errorStorage, discard, nullptr);
                    ProgressDisplay progress(err, false);
                    Session session{out, err, progress, encoding};
                    LineReader reader(&file.input, 1, lineStorage.data(), lineStorage.size());
                    reader.flushBeforeEachRead(&out);
                    VerifyOptions options;
                    options.format = format;
                    options.onlyInvalid = onlyInvalid;
                    options.summary = true;

                    startCounting();
                    runVerify(options, reader, session);
                    out.flush();
                    err.flush();
                    allocationsOfRun[run] = stopCounting();
                    EXPECT_FALSE(out.failed());
                    EXPECT_EQ(reader.linesRead(), run == 0 ? 100u : 100000u);
                }
                EXPECT_EQ(allocationsOfRun[1], allocationsOfRun[0])
                    << static_cast<int>(format) << " " << static_cast<int>(encoding) << " " << onlyInvalid;
                // The region cache's slots and storage: two blocks, each counted by
                // operator new and, under AddressSanitizer, by malloc too.
                EXPECT_LE(allocationsOfRun[1], 4);
            }
        }
    }
}

// Rows of a CSV export: name, number (of every kind of verifyInput's lines,
// quoted where they hold a quote or comma), phone, address.
std::string csvInput(int rowCount) {
    const std::string numbers[] = {"11010519491231002X", "140302199003070014", "11010519491231002x",
                                   "110105194912310021", "1.10105E+17",        "110105491231002",
                                   "\"a,\"\"b\"",            std::string(70, '5'), "\\N"};
    std::string text = "\xEF\xBB\xBFname,number,phone,address\r\n";
    for (int i = 0; i < rowCount; ++i)
        text += "n" + std::to_string(i % 10) + "," + numbers[i % 9] + ",13800138000,\"addr\r\nline\"\r\n";
    return text + "last,11010519491231002X";
}

TEST_F(NoAllocationPerLine, VerifyColumnAndStream) {
    localYear(time(nullptr));
    for (bool stream : {false, true}) {
        for (bool onlyInvalid : {false, true}) {
            for (bool mask : {false, true}) {
                long allocationsOfRun[2];
                for (int run = 0; run < 2; ++run) {
                    TemporaryInput file(csvInput(run == 0 ? 100 : 100000));
                    ASSERT_NE(file.input.file, nullptr);
                    OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
                    char errorStorage[256];
                    OutputStream err(errorStorage, sizeof errorStorage, discard, nullptr);
                    ProgressDisplay progress(err, false);
                    Session session{out, err, progress, Encoding::utf8, mask};
                    VerifyOptions options;
                    options.format = RecordFormat::csv;
                    options.onlyInvalid = onlyInvalid;
                    options.stream = stream;
                    options.summary = true;
                    RowReaderOptions rows;
                    rows.format = InputFormat::csv;
                    rows.columnName = "number";
                    rows.header = !stream;
                    if (stream) rows.columnNumber = 2;
                    rows.mask = mask;
                    std::vector<InputFile> inputs{file.input};
                    startCounting();
                    const int status = runVerifyColumns(options, rows, inputs, session);
                    out.flush();
                    allocationsOfRun[run] = stopCounting();
                    // Every row read: --only-invalid drops valid rows whatever
                    // the buffer holds already.
                    EXPECT_EQ(status, stream ? exitSuccess : exitFindings) << onlyInvalid << mask;
                    EXPECT_FALSE(out.failed());
                }
                EXPECT_EQ(allocationsOfRun[1], allocationsOfRun[0]) << stream << onlyInvalid << mask;
                EXPECT_LE(allocationsOfRun[1], 4);
            }
        }
    }
    // The line mode's --stream.
    TemporaryInput file(verifyInput());
    OutputStream out(outputStorage.data(), outputStorage.size(), discard, nullptr);
    char errorStorage[256];
    OutputStream err(errorStorage, sizeof errorStorage, discard, nullptr);
    ProgressDisplay progress(err, false);
    Session session{out, err, progress, Encoding::utf8, true};
    LineReader reader(&file.input, 1, lineStorage.data(), lineStorage.size());
    VerifyOptions options;
    options.stream = true;
    startCounting();
    runVerify(options, reader, session);
    EXPECT_LE(stopCounting(), 4);
}

}  // namespace

#endif
