// Records in JSON lines, TSV and CSV, and the escaping of both kinds of
// text: runs of bytes that need no escape are copied whole, found with a
// table per kind of text.
#include "records/record_writer.h"

#include <cassert>
#include <cstring>

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

void writeHexByte(OutputStream& out, const char* prefix, unsigned char byte) {
    out.write(prefix);
    out.put(hexDigits[byte >> 4]);
    out.put(hexDigits[byte & 0xF]);
}

// Runs of bytes that need no escape are copied whole, for speed, found by
// a table per kind of text: which bytes stand for themselves. Bytes of 0x80
// and above are checked to form characters in input, and need no check in
// the program's own texts; a quote needs doubling only in a quoted CSV cell.
struct PlainBytes {
    bool plain[256];
};

constexpr PlainBytes plainBytes(bool json, bool doubleQuotes, TextOrigin origin) {
    PlainBytes table{};
    for (int byte = 0x20; byte < 256; ++byte) {
        const bool checked = byte >= 0x80 && (origin == TextOrigin::input || byte == 0xFF);
        const bool special = byte == '\\' || (byte == '"' && (json || doubleQuotes)) || (!json && byte == 0x7F);
        table.plain[byte] = !checked && !special;
    }
    return table;
}

constexpr PlainBytes plainJson[2] = {plainBytes(true, false, TextOrigin::input),
                                     plainBytes(true, false, TextOrigin::program)};
constexpr PlainBytes plainCell[2][2] = {
    {plainBytes(false, false, TextOrigin::input), plainBytes(false, false, TextOrigin::program)},
    {plainBytes(false, true, TextOrigin::input), plainBytes(false, true, TextOrigin::program)}};

// End of the run from `at` of bytes written as they are: plain bytes, and in
// input whole characters of the encoding. Runs are copied whole, for speed.
std::size_t plainRunEnd(const unsigned char* bytes, std::size_t at, std::size_t count, const PlainBytes& table,
                        Encoding encoding) {
    while (at < count) {
        if (table.plain[bytes[at]]) {
            ++at;
        } else {
            if (bytes[at] < 0x80) break;
            const std::size_t length = characterLength(bytes + at, count - at, encoding);
            if (length == 0) break;
            at += length;
        }
    }
    return at;
}

}  // namespace

void writeJsonString(OutputStream& out, const char* text, std::size_t count, Encoding encoding, TextOrigin origin) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const PlainBytes& plain = plainJson[origin == TextOrigin::program];
    out.put('"');
    std::size_t i = 0;
    for (;;) {
        const std::size_t run = plainRunEnd(bytes, i, count, plain, encoding);
        out.write(text + i, run - i);
        if (run == count) break;
        i = run;
        // A byte that starts no character, or an ASCII byte JSON escapes.
        switch (bytes[i]) {
        case '"': out.write("\\\"", 2); break;
        case '\\': out.write("\\\\", 2); break;
        case '\n': out.write("\\n", 2); break;
        case '\r': out.write("\\r", 2); break;
        case '\t': out.write("\\t", 2); break;
        case '\b': out.write("\\b", 2); break;
        case '\f': out.write("\\f", 2); break;
        default: writeHexByte(out, "\\u00", bytes[i]); break;
        }
        ++i;
    }
    out.put('"');
}

void writeEscapedCell(OutputStream& out, const char* text, std::size_t count, Encoding encoding, bool doubleQuotes,
                      TextOrigin origin) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const PlainBytes& plain = plainCell[doubleQuotes][origin == TextOrigin::program];
    std::size_t i = 0;
    for (;;) {
        const std::size_t run = plainRunEnd(bytes, i, count, plain, encoding);
        out.write(text + i, run - i);
        if (run == count) break;
        i = run;
        // A byte that starts no character, or an ASCII byte a cell escapes.
        switch (bytes[i]) {
        case '"':
            out.write("\"\"", doubleQuotes ? 2 : 1);
            break;
        case '\\': out.write("\\\\", 2); break;
        case '\n': out.write("\\n", 2); break;
        case '\r': out.write("\\r", 2); break;
        case '\t': out.write("\\t", 2); break;
        default: writeHexByte(out, "\\x", bytes[i]); break;
        }
        ++i;
    }
}

RecordWriter::RecordWriter(OutputStream& out, RecordFormat format, Encoding encoding, const char* const* keys,
                           int keyCount)
    : out_(out), format_(format), encoding_(encoding), keys_(keys), keyCount_(keyCount) {}

void RecordWriter::writeHeader() {
    if (format_ == RecordFormat::jsonl) return;
    // Keys are plain ASCII names: no cell needs quoting or escaping.
    for (int i = 0; i < keyCount_; ++i) {
        if (i > 0) out_.put(format_ == RecordFormat::tsv ? '\t' : ',');
        out_.write(keys_[i]);
    }
    out_.write(format_ == RecordFormat::csv ? "\r\n" : "\n");
}

void RecordWriter::beginRecord() {
    field_ = 0;
    if (format_ == RecordFormat::jsonl) out_.put('{');
}

void RecordWriter::beginField() {
    assert(field_ < keyCount_);
    switch (format_) {
    case RecordFormat::jsonl:
        if (field_ > 0) out_.put(',');
        out_.put('"');
        out_.write(keys_[field_]);
        out_.write("\":", 2);
        break;
    case RecordFormat::tsv:
        if (field_ > 0) out_.put('\t');
        break;
    case RecordFormat::csv:
        if (field_ > 0) out_.put(',');
        break;
    }
    ++field_;
}

void RecordWriter::endRecord() {
    assert(field_ == keyCount_);
    switch (format_) {
    case RecordFormat::jsonl: out_.write("}\n", 2); break;
    case RecordFormat::tsv: out_.put('\n'); break;
    case RecordFormat::csv: out_.write("\r\n", 2); break;
    }
}

void RecordWriter::nullField() {
    beginField();
    if (format_ == RecordFormat::jsonl) out_.write("null", 4);
}

void RecordWriter::nullFields(int count) {
    if (format_ == RecordFormat::jsonl) {
        for (int i = 0; i < count; ++i) nullField();
        return;
    }
    // Empty cells: only their separators (none before the first field).
    assert(field_ + count <= keyCount_);
    for (int i = field_ == 0 ? 1 : 0; i < count; ++i) out_.put(format_ == RecordFormat::tsv ? '\t' : ',');
    field_ += count;
}

void RecordWriter::renderedFields(const char* bytes, std::size_t count, int fieldCount) {
    assert(field_ > 0 && field_ + fieldCount <= keyCount_);
    out_.write(bytes, count);
    field_ += fieldCount;
}

void RecordWriter::boolField(bool value) {
    beginField();
    out_.write(value ? "true" : "false");
}

void RecordWriter::integerField(long long value) {
    beginField();
    out_.writeSigned(value);
}

void RecordWriter::textField(const char* text) {
    if (text == nullptr) {
        nullField();
        return;
    }
    writeField(text, std::strlen(text), TextOrigin::program);
}

void RecordWriter::writeCell(const char* bytes, std::size_t count, TextOrigin origin) {
    if (format_ == RecordFormat::tsv) {
        writeEscapedCell(out_, bytes, count, encoding_, false, origin);
        return;
    }
    // Comma and quote bytes never occur inside a multi-byte character of
    // either encoding, so a byte search decides the quoting.
    bool quoted = false;
    for (std::size_t i = 0; i < count && !quoted; ++i) quoted = bytes[i] == ',' || bytes[i] == '"';
    if (quoted) out_.put('"');
    writeEscapedCell(out_, bytes, count, encoding_, quoted, origin);
    if (quoted) out_.put('"');
}

void RecordWriter::writeField(const char* bytes, std::size_t count, TextOrigin origin) {
    beginField();
    if (format_ == RecordFormat::jsonl)
        writeJsonString(out_, bytes, count, encoding_, origin);
    else
        writeCell(bytes, count, origin);
}

void RecordWriter::bytesField(const char* bytes, std::size_t count) { writeField(bytes, count, TextOrigin::input); }

void RecordWriter::jsonField(const char* json, std::size_t count) {
    // JSON holds no raw control character below 0x20 (its strings escape
    // them), so without a backslash or a DEL it is a TSV cell as it stands.
    const bool cellAsItStands = format_ == RecordFormat::tsv && std::memchr(json, '\\', count) == nullptr &&
                                std::memchr(json, 0x7F, count) == nullptr;
    if (format_ == RecordFormat::jsonl || cellAsItStands) {
        beginField();
        out_.write(json, count);
        return;
    }
    writeField(json, count, TextOrigin::program);  // its strings are escaped already
}

// --- JsonFragment ------------------------------------------------------------

JsonFragment::JsonFragment(char* storage, std::size_t capacity, Encoding encoding)
    : out_(storage, capacity, nullptr, nullptr), encoding_(encoding) {}

void JsonFragment::clear() {
    out_.clear();
    nonEmptyLevels_ = 0;
    depth_ = 0;
    afterKey_ = false;
}

void JsonFragment::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ == 0) return;
    const uint64_t bit = uint64_t{1} << (depth_ - 1);
    if (nonEmptyLevels_ & bit) out_.put(',');
    nonEmptyLevels_ |= bit;
}

void JsonFragment::open(char bracket) {
    beforeValue();
    out_.put(bracket);
    assert(depth_ < 64);
    ++depth_;
    nonEmptyLevels_ &= ~(uint64_t{1} << (depth_ - 1));
}

void JsonFragment::close(char bracket) {
    assert(depth_ > 0);
    --depth_;
    out_.put(bracket);
}

void JsonFragment::beginArray() { open('['); }
void JsonFragment::endArray() { close(']'); }
void JsonFragment::beginObject() { open('{'); }
void JsonFragment::endObject() { close('}'); }

void JsonFragment::key(const char* name) {
    beforeValue();
    writeJsonString(out_, name, std::strlen(name), encoding_);
    out_.put(':');
    afterKey_ = true;
}

void JsonFragment::stringValue(const char* bytes, std::size_t count) {
    beforeValue();
    writeJsonString(out_, bytes, count, encoding_);
}

void JsonFragment::textValue(const char* text) {
    if (text == nullptr) {
        nullValue();
        return;
    }
    beforeValue();
    writeJsonString(out_, text, std::strlen(text), encoding_, TextOrigin::program);
}

void JsonFragment::integerValue(long long value) {
    beforeValue();
    out_.writeSigned(value);
}

void JsonFragment::boolValue(bool value) {
    beforeValue();
    out_.write(value ? "true" : "false");
}

void JsonFragment::nullValue() {
    beforeValue();
    out_.write("null", 4);
}
