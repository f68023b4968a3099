// The CSV and TSV row reader against a plain reference parser, at buffer
// sizes that split rows, quotes and CRLF everywhere: the same fields written
// back, the same cells and lines; and the record writer's new duties: the
// choice of fields, leading separators, null texts, formula cells, C1
// controls, unassigned GBK pairs and converted input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs/idtool/row_reader.h"
#include "records/record_writer.h"
#include "idtool_test_support.h"

namespace {

struct ReadRows {
    std::string out;                // what the reader wrote, rows ended with '|'
    std::vector<std::string> cells;  // the column's cell of each row, "-" without it
    std::vector<uint64_t> lines;
    bool unterminated = false;
};

ReadRows readRows(const std::string& bytes, const RowReaderOptions& options, std::size_t storageSize) {
    TemporaryInput file(bytes);
    ReadRows result;
    CapturingStream<1 << 16> out;
    std::vector<char> storage(storageSize);
    RowReader reader(&file.input, 1, storage.data(), storage.size(), options, out.stream);
    Row row;
    while (reader.next(row)) {
        out.stream.put('|');
        if (row.header) continue;
        result.cells.push_back(row.hasColumn ? std::string(row.cell, static_cast<std::size_t>(row.held)) : "-");
        result.lines.push_back(row.line);
    }
    result.unterminated = reader.unterminated();
    result.out = out.text();
    return result;
}

// RFC 4180 the plain way, for comparison: the rows' raw text (without row
// ends) and the unquoted cells of one column.
ReadRows reference(const std::string& text, int column, bool csv) {
    ReadRows result;
    std::size_t at = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    uint64_t line = 1;
    bool header = true;
    while (at < text.size()) {
        const uint64_t rowLine = line;
        std::string raw, cell;
        int field = 0;
        bool quoted = false, hasColumn = false, inQuotes = false, fieldStart = true;
        for (; at < text.size(); ++at) {
            const char c = text[at];
            if (inQuotes) {
                raw += c;
                if (c == '\n') ++line;
                if (c == '"') {
                    if (at + 1 < text.size() && text[at + 1] == '"') {
                        raw += '"';
                        ++at;
                        if (field == column) cell += '"';
                    } else {
                        inQuotes = false;
                    }
                } else if (field == column) {
                    cell += c;
                }
                continue;
            }
            if (c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
                at += c == '\r' ? 2 : 1;
                ++line;
                break;
            }
            raw += c;
            if (c == (csv ? ',' : '\t')) {
                if (field == column) hasColumn = true;
                ++field;
                fieldStart = true;
                continue;
            }
            if (csv && c == '"' && fieldStart) {
                inQuotes = quoted = true;
                fieldStart = false;
                continue;
            }
            fieldStart = false;
            if (field == column) cell += c;
        }
        (void)quoted;
        if (field == column) hasColumn = true;
        result.out += raw + "|";
        if (header) {
            header = false;
            continue;
        }
        result.cells.push_back(hasColumn ? cell.substr(0, 64) : "-");
        result.lines.push_back(rowLine);
    }
    return result;
}

}  // namespace

TEST(RowReader, GivesTheReferenceRowsForEveryBufferSize) {
    const std::string csv =
        "\xEF\xBB\xBF" "name,number,note\r\n"
        "a,11010519491231002X,plain\r\n"
        "\"b, c\",\"1101\"\"05\",\"two\r\nlines\"\r\n"
        "d\n"
        ",,\r\n"
        "e,\"" + std::string(100, '9') + "\",x\"y\n"
        "f,\"\",\"\"\"\"\n"
        "g,\xE4\xB8\xAD\xE6\x96\x87\r,last";
    RowReaderOptions options;
    options.format = InputFormat::csv;
    options.columnName = "number";
    const ReadRows expected = reference(csv, 1, true);
    for (std::size_t size = 4096; size <= 4200; ++size) {
        const ReadRows got = readRows(csv, options, size);
        ASSERT_EQ(got.out, expected.out) << size;
        ASSERT_EQ(got.cells, expected.cells) << size;
        ASSERT_EQ(got.lines, expected.lines) << size;
    }
    const ReadRows got = readRows(csv, options, 1 << 16);
    EXPECT_EQ(got.cells, (std::vector<std::string>{"11010519491231002X", "1101\"05", "-", "", std::string(64, '9'),
                                                   "", "\xE4\xB8\xAD\xE6\x96\x87\r"}));
    EXPECT_EQ(got.lines, (std::vector<uint64_t>{2, 3, 5, 6, 7, 8, 9}));
}

TEST(RowReader, TsvByNumberWithoutHeader) {
    const std::string tsv = "1\t11010519491231002X\r\n2\t\"x\"\n3\n";
    RowReaderOptions options;
    options.columnNumber = 2;
    options.header = false;
    const ReadRows got = readRows(tsv, options, 4096);
    EXPECT_EQ(got.out, "1\t11010519491231002X|2\t\"x\"|3|");
    EXPECT_EQ(got.cells, (std::vector<std::string>{"11010519491231002X", "\"x\"", "-"}));
}

TEST(RowReader, UnterminatedQuoteStopsAfterTheRowsBeforeIt) {
    RowReaderOptions options;
    options.format = InputFormat::csv;
    options.columnNumber = 1;
    const ReadRows got = readRows("n\n1\n\"2\n3\n", options, 4096);
    EXPECT_TRUE(got.unterminated);
    EXPECT_EQ(got.cells, (std::vector<std::string>{"1"}));
}

TEST(RowReader, MasksAndConvertsTheCell) {
    RowReaderOptions options;
    options.format = InputFormat::csv;
    options.columnNumber = 2;
    options.header = false;
    options.mask = true;
    options.inputEncoding = InputEncoding::gbk;
    const std::string gbk = "\xD5\xC5\xC8\xFD,11010519491231002X,\"a,b\"\n" "x,\"12,34567890123\"\n" "y," +
                            std::string(100, '7') + "\n";
    const ReadRows got = readRows(gbk, options, 4096);
    EXPECT_EQ(got.out, "张三,110105********002X,\"a,b\"|x,\"12,345****0123\"|y,777777" + std::string(94, '*') + "|");
    EXPECT_EQ(got.cells[0], "11010519491231002X");
}

TEST(RowReader, AutoTakesALongUtf8CellCutInsideACharacterAsUtf8) {
    // The 64 bytes held end inside 三: without it they are UTF-8, and so is
    // the cell (as GBK its bytes would be mojibake).
    const std::string cell = u8"张" + std::string(60, '7') + u8"三" + std::string(10, '9');
    RowReaderOptions options;
    options.format = InputFormat::csv;
    options.columnNumber = 2;
    options.header = false;
    options.inputEncoding = InputEncoding::detect;
    Row row;
    TemporaryInput file("x," + cell + "\n");
    std::vector<char> storage(4096);
    CapturingStream<1 << 16> out;
    RowReader reader(&file.input, 1, storage.data(), storage.size(), options, out.stream);
    ASSERT_TRUE(reader.next(row));
    EXPECT_EQ(row.encoding, Encoding::utf8);
    EXPECT_EQ(out.text(), "x," + cell);
}

TEST(RecordWriter, ChosenFieldsLeadingSeparatorAndNullText) {
    const char* const keys[] = {"a", "b", "c"};
    const bool selected[] = {false, true, true};
    CapturingStream<> out;
    RecordWriter writer(out.stream, RecordFormat::tsv, Encoding::utf8, keys, 3);
    writer.select(selected);
    writer.setLeadingSeparator(true);
    writer.setNullText("\\N");
    writer.writeHeaderFields();
    writer.writeLineEnd();
    writer.beginRecord();
    writer.textField("x");
    writer.nullField();
    writer.boolField(true);
    writer.endRecord();
    EXPECT_EQ(out.text(), "\tb\tc\n\t\\N\ttrue\n");
}

TEST(RecordWriter, FormulaCellsC1AndUnassignedPairsAreEscaped) {
    const char* const keys[] = {"input"};
    const auto cell = [&](RecordFormat format, const std::string& text, Encoding encoding = Encoding::utf8) {
        CapturingStream<> out;
        RecordWriter writer(out.stream, format, encoding, keys, 1);
        writer.beginRecord();
        writer.bytesField(text.data(), text.size());
        writer.endRecord();
        return out.text();
    };
    EXPECT_EQ(cell(RecordFormat::csv, "=cmd|' /C calc'!A0"), "'=cmd|' /C calc'!A0\r\n");
    EXPECT_EQ(cell(RecordFormat::csv, "=1,2"), "\"'=1,2\"\r\n");
    EXPECT_EQ(cell(RecordFormat::tsv, "-1"), "'-1\n");
    EXPECT_EQ(cell(RecordFormat::tsv, "1-"), "1-\n");
    EXPECT_EQ(cell(RecordFormat::jsonl, "=1"), "{\"input\":\"=1\"}\n");  // JSON is no spreadsheet
    EXPECT_EQ(cell(RecordFormat::tsv, "a\xC2\x85\xE2\x80\xA8\xC2\xA0"), "a\\xc2\\x85\\xe2\\x80\\xa8\xC2\xA0\n");
    EXPECT_EQ(cell(RecordFormat::jsonl, "\xC2\x9B\xE2\x80\xA9"), "{\"input\":\"\\u009b\\u2029\"}\n");
    EXPECT_EQ(cell(RecordFormat::tsv, "\xA1\x40\xD6\xD0\xFE\xFE", Encoding::gbk), "\\xa1\\x40\xD6\xD0\\xfe\\xfe\n");
}

TEST(RecordWriter, InputInTheOtherEncodingIsConverted) {
    const char* const keys[] = {"input"};
    CapturingStream<> out;
    RecordWriter writer(out.stream, RecordFormat::jsonl, Encoding::utf8, keys, 1);
    writer.beginRecord();
    writer.bytesField("\xD6\xD0\xA1\x40x", 5, Encoding::gbk);
    writer.endRecord();
    writer.beginRecord();
    writer.bytesField("\xD6\xD0", 2, Encoding::gbk);
    writer.endRecord();
    EXPECT_EQ(out.text(), "{\"input\":\"中\\u00a1\\u0040x\"}\n{\"input\":\"中\"}\n");
}
