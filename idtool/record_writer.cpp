#include "idtool/record_writer.h"

#include <cassert>
#include <cstring>

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

void writeHexByte(OutputStream& out, const char* prefix, unsigned char byte) {
    out.write(prefix);
    out.put(hexDigits[byte >> 4]);
    out.put(hexDigits[byte & 0xF]);
}

bool plainJsonByte(unsigned char byte) { return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\'; }
bool plainCellByte(unsigned char byte) { return byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"'; }

// End of the run from `at` of bytes written as they are: plain ASCII bytes and
// whole characters of the encoding. Runs are copied whole, for speed.
template <bool (*plainByte)(unsigned char)>
std::size_t plainRunEnd(const unsigned char* bytes, std::size_t at, std::size_t count, Encoding encoding) {
    while (at < count) {
        if (plainByte(bytes[at])) {
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

void writeJsonString(OutputStream& out, const char* text, std::size_t count, Encoding encoding) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    out.put('"');
    std::size_t i = 0;
    for (;;) {
        const std::size_t run = plainRunEnd<plainJsonByte>(bytes, i, count, encoding);
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

void writeEscapedCell(OutputStream& out, const char* text, std::size_t count, Encoding encoding,
                      bool doubleQuotes) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    for (;;) {
        const std::size_t run = plainRunEnd<plainCellByte>(bytes, i, count, encoding);
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
    bytesField(text, std::strlen(text));
}

void RecordWriter::writeCell(const char* bytes, std::size_t count) {
    if (format_ == RecordFormat::tsv) {
        writeEscapedCell(out_, bytes, count, encoding_, false);
        return;
    }
    // Comma and quote bytes never occur inside a multi-byte character of
    // either encoding, so a byte search decides the quoting.
    bool quoted = false;
    for (std::size_t i = 0; i < count && !quoted; ++i) quoted = bytes[i] == ',' || bytes[i] == '"';
    if (quoted) out_.put('"');
    writeEscapedCell(out_, bytes, count, encoding_, quoted);
    if (quoted) out_.put('"');
}

void RecordWriter::bytesField(const char* bytes, std::size_t count) {
    beginField();
    if (format_ == RecordFormat::jsonl)
        writeJsonString(out_, bytes, count, encoding_);
    else
        writeCell(bytes, count);
}

void RecordWriter::jsonField(const char* json, std::size_t count) {
    beginField();
    if (format_ == RecordFormat::jsonl)
        out_.write(json, count);
    else
        writeCell(json, count);
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
    if (text == nullptr)
        nullValue();
    else
        stringValue(text, std::strlen(text));
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
