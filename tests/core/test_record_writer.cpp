// Escaping and record layout of the three formats, the JSON fragment builder,
// the output stream's hand-over to its sink, and character boundaries.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "records/output_stream.h"
#include "records/record_writer.h"
#include "core/text_encoding.h"
#include "tests/capturing_stream.h"

namespace {

constexpr Encoding U = Encoding::utf8;
constexpr Encoding G = Encoding::gbk;

struct EscapeCase {
    std::string input;
    Encoding encoding;
    const char* json;  // with its quotes
    const char* cell;  // TSV, and CSV without quoting
};

const EscapeCase escapeCases[] = {
    {"110105194912310021", U, "\"110105194912310021\"", "110105194912310021"},
    {"a\"b\\c/d", U, "\"a\\\"b\\\\c/d\"", "a\"b\\\\c/d"},
    {"\t\r\n\b\f", U, "\"\\t\\r\\n\\b\\f\"", "\\t\\r\\n\\x08\\x0c"},
    {std::string("\0\x01\x1F\x7F", 4), U, "\"\\u0000\\u0001\\u001f\x7F\"", "\\x00\\x01\\x1f\\x7f"},
    // Valid UTF-8 of two, three and four bytes passes unchanged.
    {"\xC3\xA9\xE7\x94\xB7\xF0\x9F\x98\x80", U, "\"\xC3\xA9\xE7\x94\xB7\xF0\x9F\x98\x80\"",
     "\xC3\xA9\xE7\x94\xB7\xF0\x9F\x98\x80"},
    // Invalid: stray bytes, a cut character, overlong, surrogate, above U+10FFFF.
    {"\xFF\x80", U, "\"\\u00ff\\u0080\"", "\\xff\\x80"},
    {"1\xE7\x94", U, "\"1\\u00e7\\u0094\"", "1\\xe7\\x94"},
    {"\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80", U, "\"\\u00c0\\u0080\\u00ed\\u00a0\\u0080\\u00f4\\u0090\\u0080\\u0080\"",
     "\\xc0\\x80\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80"},
    // GBK: pairs pass (a trail byte may be a backslash), stray bytes do not.
    {"\xC4\xD0\x95\x5C", G, "\"\xC4\xD0\x95\x5C\"", "\xC4\xD0\x95\x5C"},
    {"\x80\xFF\x81 \xB3", G, "\"\\u0080\\u00ff\\u0081 \\u00b3\"", "\\x80\\xff\\x81 \\xb3"},
    // The UTF-8 bytes of a character read as GBK: one pair, then a stray lead byte.
    {"\xE7\x94\xB7", G, "\"\xE7\x94\\u00b7\"", "\xE7\x94\\xb7"},
};

std::string jsonOf(const std::string& bytes, Encoding encoding) {
    CapturingStream<> out;
    writeJsonString(out.stream, bytes.data(), bytes.size(), encoding);
    return out.text();
}

std::string cellOf(const std::string& bytes, Encoding encoding) {
    CapturingStream<> out;
    writeEscapedCell(out.stream, bytes.data(), bytes.size(), encoding, false);
    return out.text();
}

const char* const keys[] = {"line", "input", "valid", "reason", "history"};

// One record of every kind of value, in a format.
std::string sampleRecords(RecordFormat format) {
    CapturingStream<> out;
    RecordWriter writer(out.stream, format, U, keys, 5);
    writer.writeHeader();
    char storage[256];
    JsonFragment history(storage, sizeof storage, U);
    history.beginArray();
    history.beginObject();
    history.key("code");
    history.integerValue(140302);
    history.key("name");
    history.textValue("城区");
    history.endObject();
    history.beginObject();
    history.key("until");
    history.nullValue();
    history.endObject();
    history.endArray();

    writer.beginRecord();
    writer.integerField(1);
    writer.bytesField("11,\"x\"\t\xFF", 8);
    writer.boolField(false);
    writer.textField("日期");
    writer.jsonField(history.data(), history.size());
    writer.endRecord();
    writer.beginRecord();
    writer.integerField(-2);
    writer.bytesField("", 0);
    writer.boolField(true);
    writer.textField(nullptr);
    writer.nullField();
    writer.endRecord();
    return out.text();
}

}  // namespace

TEST(Escaping, JsonAndCellsTable) {
    for (const EscapeCase& c : escapeCases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(jsonOf(c.input, c.encoding), c.json);
        EXPECT_EQ(cellOf(c.input, c.encoding), c.cell);
    }
}

TEST(RecordWriter, TheThreeFormats) {
    EXPECT_EQ(sampleRecords(RecordFormat::jsonl),
              "{\"line\":1,\"input\":\"11,\\\"x\\\"\\t\\u00ff\",\"valid\":false,\"reason\":\"日期\","
              "\"history\":[{\"code\":140302,\"name\":\"城区\"},{\"until\":null}]}\n"
              "{\"line\":-2,\"input\":\"\",\"valid\":true,\"reason\":null,\"history\":null}\n");
    EXPECT_EQ(sampleRecords(RecordFormat::tsv),
              "line\tinput\tvalid\treason\thistory\n"
              "1\t11,\"x\"\\t\\xff\tfalse\t日期\t[{\"code\":140302,\"name\":\"城区\"},{\"until\":null}]\n"
              "-2\t\ttrue\t\t\n");
    EXPECT_EQ(sampleRecords(RecordFormat::csv),
              "line,input,valid,reason,history\r\n"
              "1,\"11,\"\"x\"\"\\t\\xff\",false,日期,\"[{\"\"code\"\":140302,\"\"name\"\":\"\"城区\"\"},"
              "{\"\"until\"\":null}]\"\r\n"
              "-2,,true,,\r\n");
}

TEST(RecordWriter, TheProgramsTextsAreConvertedWhereTheyAreWritten) {
    // A program's text is UTF-8; in GBK it is converted piece by piece, so
    // a long one comes out whole, quoted in CSV for its comma and quotes.
    std::string utf8 = "男, \"女\"";
    std::string gbk = "\xC4\xD0, \"\xC5\xAE\"";
    for (int i = 0; i < 200; ++i) {
        utf8 += "城区";
        gbk += "\xB3\xC7\xC7\xF8";
    }
    const char* const nameKey[] = {"name"};
    const auto written = [&](RecordFormat format, Encoding encoding) {
        CapturingStream<> out;
        RecordWriter writer(out.stream, format, encoding, nameKey, 1);
        writer.beginRecord();
        writer.textField(utf8.c_str());
        writer.endRecord();
        return out.text();
    };
    for (Encoding encoding : {U, G}) {
        const std::string& text = encoding == G ? gbk : utf8;
        std::string quotesEscaped = text;
        for (std::size_t at = quotesEscaped.find('"'); at != std::string::npos; at = quotesEscaped.find('"', at + 2))
            quotesEscaped.insert(at, 1, '\\');
        EXPECT_EQ(written(RecordFormat::jsonl, encoding), "{\"name\":\"" + quotesEscaped + "\"}\n");
        EXPECT_EQ(written(RecordFormat::tsv, encoding), text + "\n");
        std::string quotesDoubled = text;
        for (std::size_t at = quotesDoubled.find('"'); at != std::string::npos; at = quotesDoubled.find('"', at + 2))
            quotesDoubled.insert(at, 1, '"');
        EXPECT_EQ(written(RecordFormat::csv, encoding), "\"" + quotesDoubled + "\"\r\n");

        char storage[2048];
        JsonFragment json(storage, sizeof storage, encoding);
        json.beginArray();
        json.textValue(utf8.c_str());
        json.endArray();
        EXPECT_EQ(std::string(json.data(), json.size()), "[\"" + quotesEscaped + "\"]");
    }
    // A character GBK lacks is written '?', never a look-alike.
    CapturingStream<> out;
    RecordWriter writer(out.stream, RecordFormat::tsv, G, nameKey, 1);
    writer.beginRecord();
    writer.textField("\u00B2\u0E01x");
    writer.endRecord();
    EXPECT_EQ(out.text(), "??x\n");
}

TEST(JsonFragment, OverflowMarksItFailed) {
    char storage[8];
    JsonFragment fragment(storage, sizeof storage, U);
    fragment.beginArray();
    fragment.textValue("0123456789");
    fragment.endArray();
    EXPECT_TRUE(fragment.failed());
    fragment.clear();
    fragment.beginArray();
    fragment.integerValue(1);
    fragment.boolValue(true);
    fragment.endArray();
    EXPECT_FALSE(fragment.failed());
    EXPECT_EQ(std::string(fragment.data(), fragment.size()), "[1,true]");
}

TEST(OutputStream, HandsOverInOrderThroughASmallBufferAndAPartialSink) {
    std::string expected;
    for (int i = 0; i < 500; ++i) expected += std::to_string(i * 7919) + (i % 3 == 0 ? "\n" : ",");
    expected += std::to_string(LLONG_MIN) + std::to_string(LLONG_MAX);
    for (std::size_t takeAtMost : {std::size_t(1), std::size_t(5), std::size_t(-1)}) {
        CapturingStream<16> out;
        out.captured.takeAtMost = takeAtMost;
        for (int i = 0; i < 500; ++i) {
            out.stream.writeDecimal(static_cast<uint64_t>(i) * 7919);
            if (i % 3 == 0)
                out.stream.write("\n");
            else
                out.stream.put(',');
        }
        out.stream.writeSigned(LLONG_MIN);
        out.stream.writeSigned(LLONG_MAX);
        EXPECT_EQ(out.text(), expected) << takeAtMost;
        EXPECT_FALSE(out.stream.failed());
    }
    // A write larger than the whole buffer.
    CapturingStream<16> out;
    const std::string big(1000, 'q');
    out.stream.write(big.data(), big.size());
    EXPECT_EQ(out.text(), big);
}

TEST(OutputStream, AFailingSinkFailsTheStream) {
    char storage[8];
    OutputStream out(storage, sizeof storage,
                     [](void*, const char*, std::size_t, bool) -> long long {
                         errno = ENOSPC;
                         return -1;
                     },
                     nullptr);
    out.write("more than eight bytes");
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
    EXPECT_EQ(out.errorNumber(), ENOSPC);
}

TEST(TextEncoding, CompletePrefixLeavesOnlyACharacterThatMoreBytesCouldComplete) {
    struct Case {
        const char* bytes;
        Encoding encoding;
        std::size_t expected;
    };
    const Case cases[] = {
        {"ab", U, 2},
        {"a\xE7", U, 1},
        {"a\xE7\x94", U, 1},
        {"a\xE7\x94\xB7", U, 4},
        {"a\xF0\x9F\x98", U, 1},
        {"a\x94\x94\x94\x94", U, 5},  // stray continuation bytes: nothing to wait for
        {"a\xC4", G, 1},
        {"a\xC4\xD0", G, 3},
        {"\xC4\xD0\xC4", G, 2},
        {"\xC4\xC4\xC4", G, 2},  // a pair, then a lead byte
        {"a\x80", G, 2},         // 0x80 opens no pair
    };
    for (const Case& c : cases) {
        const std::size_t length = std::char_traits<char>::length(c.bytes);
        EXPECT_EQ(completePrefixLength(c.bytes, length, c.encoding), c.expected) << testing::PrintToString(c.bytes);
    }
}
