// Records in JSON lines, TSV and CSV, and the escaping of both kinds of
// text: runs of bytes that need no escape are copied whole, found with a
// table per kind of text.
#include "records/record_writer.h"

#include <cassert>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/gbk_table.h"

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

// Whether a well-formed character of the encoding is still escaped: the C1
// controls and U+2028, U+2029 in UTF-8, which break lines for some readers;
// GBK pairs that are no assigned character, which other decoders refuse.
inline bool needsEscape(const unsigned char* character, std::size_t length, Encoding encoding) {
    if (encoding == Encoding::gbk) return length == 2 && !gbkPairAssigned(character[0], character[1]);
    if (length == 2) return character[0] == 0xC2 && character[1] <= 0x9F;
    return length == 3 && character[0] == 0xE2 && character[1] == 0x80 && (character[2] == 0xA8 || character[2] == 0xA9);
}

// How many bytes of an escaped character go together: a whole escaped
// character (C1, a separator, an unassigned pair), else one byte.
std::size_t escapedLength(const unsigned char* bytes, std::size_t available, Encoding encoding) {
    if (bytes[0] < 0x80) return 1;
    const std::size_t length = characterLength(bytes, available, encoding);
    return length != 0 ? length : 1;
}

// End of the run from `at` of bytes written as they are: plain bytes, and in
// input whole characters of the encoding. Runs are copied whole, for speed.
std::size_t plainRunEnd(const unsigned char* bytes, std::size_t at, std::size_t count, const PlainBytes& table,
                        Encoding encoding) {
#if defined(__SSE2__)
    // Sixteen printable ASCII bytes at a time, but the backslash and the
    // quote: plain in every kind of text. Anything else is looked up below.
    const __m128i beforeSpace = _mm_set1_epi8(0x1F), delete_ = _mm_set1_epi8(0x7F);
    const __m128i backslash = _mm_set1_epi8('\\'), quote = _mm_set1_epi8('"');
    while (at + 16 <= count) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        const __m128i printable = _mm_and_si128(_mm_cmpgt_epi8(block, beforeSpace), _mm_cmpgt_epi8(delete_, block));
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(block, backslash), _mm_cmpeq_epi8(block, quote));
        if (_mm_movemask_epi8(_mm_andnot_si128(special, printable)) != 0xFFFF) break;
        at += 16;
    }
#endif
    while (at < count) {
        if (table.plain[bytes[at]]) {
            ++at;
        } else {
            if (bytes[at] < 0x80) break;
            const std::size_t length = characterLength(bytes + at, count - at, encoding);
            if (length == 0 || needsEscape(bytes + at, length, encoding)) break;
            at += length;
        }
    }
    return at;
}

// Room for a piece of a program's text converted to GBK.
constexpr std::size_t gbkPieceCapacity = 256;

// Calls write(bytes, count) for each piece of the UTF-8 text converted to
// GBK, whole characters in each.
template <typename Write>
void forEachGbkPiece(const char* utf8, std::size_t count, Write write) {
    char piece[gbkPieceCapacity];
    for (std::size_t at = 0; at < count;) {
        std::size_t consumed = 0;
        const std::size_t length = utf8ToGbk(utf8 + at, count - at, piece, sizeof piece, &consumed);
        write(piece, length);
        at += consumed;
    }
}

}  // namespace

void writeJsonString(OutputStream& out, const char* text, std::size_t count, Encoding encoding, TextOrigin origin) {
    out.put('"');
    writeJsonStringBody(out, text, count, encoding, origin);
    out.put('"');
}

void writeProgramJsonString(OutputStream& out, const char* utf8, std::size_t count, Encoding encoding) {
    if (encoding == Encoding::utf8) {
        writeJsonString(out, utf8, count, encoding, TextOrigin::program);
        return;
    }
    out.put('"');
    forEachGbkPiece(utf8, count, [&](const char* gbk, std::size_t length) {
        writeJsonStringBody(out, gbk, length, encoding, TextOrigin::program);
    });
    out.put('"');
}

void writeJsonStringBody(OutputStream& out, const char* text, std::size_t count, Encoding encoding,
                         TextOrigin origin) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const PlainBytes& plain = plainJson[origin == TextOrigin::program];
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
        default: {
            const std::size_t length = escapedLength(bytes + i, count - i, encoding);
            if (length > 1 && encoding == Encoding::utf8) {
                // A C1 control or a separator: its code point.
                const unsigned codePoint = length == 2 ? bytes[i + 1] : 0x2000u | (bytes[i + 2] & 0x3F);
                writeHexByte(out, "\\u", static_cast<unsigned char>(codePoint >> 8));
                writeHexByte(out, "", static_cast<unsigned char>(codePoint & 0xFF));
            } else {
                for (std::size_t k = 0; k < length; ++k) writeHexByte(out, "\\u00", bytes[i + k]);
            }
            i += length - 1;
            break;
        }
        }
        ++i;
    }
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
        default: {
            const std::size_t length = escapedLength(bytes + i, count - i, encoding);
            for (std::size_t k = 0; k < length; ++k) writeHexByte(out, "\\x", bytes[i + k]);
            i += length - 1;
            break;
        }
        }
        ++i;
    }
}

RecordWriter::RecordWriter(OutputStream& out, RecordFormat format, Encoding encoding, const char* const* keys,
                           int keyCount)
    : out_(out), format_(format), encoding_(encoding), keys_(keys), keyCount_(keyCount) {}

void RecordWriter::writeHeaderFields() {
    // Keys are plain ASCII names: no cell needs quoting or escaping.
    bool first = !leadingSeparator_;
    for (int i = 0; i < keyCount_; ++i) {
        if (!isSelected(i)) continue;
        if (!first) out_.put(format_ == RecordFormat::tsv ? '\t' : ',');
        first = false;
        out_.write(keys_[i]);
    }
}

void RecordWriter::writeHeader() {
    if (format_ == RecordFormat::jsonl) return;
    writeHeaderFields();
    writeLineEnd();
}

void RecordWriter::writeLineEnd() {
    switch (format_) {
    case RecordFormat::jsonl:
    case RecordFormat::tsv: out_.put('\n'); break;
    case RecordFormat::csv: out_.write("\r\n", 2); break;
    }
}

void RecordWriter::beginRecord() {
    field_ = 0;
    written_ = leadingSeparator_ ? 1 : 0;
    if (format_ == RecordFormat::jsonl) out_.put('{');
}

void RecordWriter::resumeAt(int field) {
    field_ = field;
    written_ = leadingSeparator_ ? 1 : 0;
    for (int i = 0; i < field; ++i) written_ += isSelected(i) ? 1 : 0;
}

void RecordWriter::writeSeparator() {
    if (written_ > 0) {
        switch (format_) {
        case RecordFormat::jsonl: out_.put(','); break;
        case RecordFormat::tsv: out_.put('\t'); break;
        case RecordFormat::csv: out_.put(','); break;
        }
    }
    ++written_;
}

bool RecordWriter::beginField() {
    assert(field_ < keyCount_);
    const int field = field_++;
    if (!isSelected(field)) return false;
    writeSeparator();
    if (format_ == RecordFormat::jsonl) {
        out_.put('"');
        out_.write(keys_[field]);
        out_.write("\":", 2);
    }
    return true;
}

void RecordWriter::endRecord() {
    assert(field_ == keyCount_);
    if (format_ == RecordFormat::jsonl) out_.put('}');
    writeLineEnd();
}

void RecordWriter::nullField() {
    if (!beginField()) return;
    if (format_ == RecordFormat::jsonl)
        out_.write("null", 4);
    else
        out_.write(nullText_);
}

void RecordWriter::nullFields(int count) {
    if (format_ == RecordFormat::jsonl || selected_ != nullptr || nullText_[0] != '\0') {
        for (int i = 0; i < count; ++i) nullField();
        return;
    }
    // Empty cells: only their separators, written in one piece.
    assert(field_ + count <= keyCount_);
    static constexpr char tabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    static constexpr char commas[] = ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,";
    const char* separators = format_ == RecordFormat::tsv ? tabs : commas;
    int left = count;
    if (written_ == 0 && left > 0) {  // no separator before the first cell
        ++written_;
        --left;
    }
    while (left > 0) {
        const int piece = left < 32 ? left : 32;
        out_.write(separators, static_cast<std::size_t>(piece));
        written_ += piece;
        left -= piece;
    }
    field_ += count;
}

void RecordWriter::renderedFields(const char* bytes, std::size_t count, int fieldCount) {
    assert(field_ + fieldCount <= keyCount_);
    out_.write(bytes, count);
    if (selected_ == nullptr)
        written_ += fieldCount;
    else
        for (int i = 0; i < fieldCount; ++i) written_ += isSelected(field_ + i) ? 1 : 0;
    field_ += fieldCount;
}

void RecordWriter::plainField(const char* bytes, std::size_t count) {
    if (!beginField()) return;
    if (format_ == RecordFormat::jsonl) {
        out_.put('"');
        out_.write(bytes, count);
        out_.put('"');
    } else {
        out_.write(bytes, count);
    }
}

void RecordWriter::boolField(bool value) {
    if (!beginField()) return;
    out_.write(value ? "true" : "false");
}

void RecordWriter::integerField(long long value) {
    if (!beginField()) return;
    out_.writeSigned(value);
}

void RecordWriter::textField(const char* text) {
    if (text == nullptr) {
        nullField();
        return;
    }
    if (encoding_ == Encoding::gbk)
        writeGbkField(text, std::strlen(text));
    else
        writeField(text, std::strlen(text), TextOrigin::program);
}

void RecordWriter::writeGbkField(const char* utf8, std::size_t count) {
    if (!beginField()) return;
    if (format_ == RecordFormat::jsonl) {
        writeProgramJsonString(out_, utf8, count, encoding_);
        return;
    }
    // Comma and quote are the same bytes in both encodings.
    bool quoted = false;
    for (std::size_t i = 0; i < count && !quoted && format_ == RecordFormat::csv; ++i)
        quoted = utf8[i] == ',' || utf8[i] == '"';
    if (quoted) out_.put('"');
    forEachGbkPiece(utf8, count, [&](const char* gbk, std::size_t length) {
        writeEscapedCell(out_, gbk, length, encoding_, quoted, TextOrigin::program);
    });
    if (quoted) out_.put('"');
}

void RecordWriter::writeCell(const char* bytes, std::size_t count, TextOrigin origin) {
    if (format_ == RecordFormat::tsv) {
        if (origin == TextOrigin::input && startsLikeFormula(bytes, count)) out_.put('\'');
        writeEscapedCell(out_, bytes, count, encoding_, false, origin);
        return;
    }
    // Comma and quote bytes never occur inside a multi-byte character of
    // either encoding, so a byte search decides the quoting.
    bool quoted = false;
    for (std::size_t i = 0; i < count && !quoted; ++i) quoted = bytes[i] == ',' || bytes[i] == '"';
    if (quoted) out_.put('"');
    if (origin == TextOrigin::input && startsLikeFormula(bytes, count)) out_.put('\'');
    writeEscapedCell(out_, bytes, count, encoding_, quoted, origin);
    if (quoted) out_.put('"');
}

void RecordWriter::writeField(const char* bytes, std::size_t count, TextOrigin origin) {
    if (!beginField()) return;
    if (format_ == RecordFormat::jsonl)
        writeJsonString(out_, bytes, count, encoding_, origin);
    else
        writeCell(bytes, count, origin);
}

void RecordWriter::bytesField(const char* bytes, std::size_t count) { writeField(bytes, count, TextOrigin::input); }

void RecordWriter::bytesField(const char* bytes, std::size_t count, Encoding source) {
    if (source == encoding_) {
        writeField(bytes, count, TextOrigin::input);
        return;
    }
    // Converted into room for the whole text (a field here is short: a held
    // line or cell of at most 64 bytes grows at most by half), then written
    // as input. A character the output encoding lacks, or bytes that form no
    // character, are written as escapes of their own bytes; these pieces are
    // marked so that they are never taken for text.
    constexpr std::size_t capacity = 256;
    if (count > capacity / 2) count = capacity / 2;
    char converted[capacity];
    std::size_t used = 0;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    bool anyEscape = false;
    for (std::size_t at = 0; at < count;) {
        std::size_t length = 0;
        const uint32_t codePoint = decodeCharacter(in + at, count - at, source, length);
        const std::size_t put = codePoint == noCharacter ? 0 : encodeCharacter(codePoint, encoding_, converted + used);
        if (put == 0) {
            anyEscape = true;
            break;
        }
        used += put;
        at += length;
    }
    if (!anyEscape) {
        writeField(converted, used, TextOrigin::input);
        return;
    }
    // Slow path, for a field with bytes that are no text: each character
    // converted and written, each stray byte escaped.
    if (!beginField()) return;
    const bool json = format_ == RecordFormat::jsonl;
    bool quoted = false;
    for (std::size_t i = 0; i < count && !quoted; ++i) quoted = format_ == RecordFormat::csv && (bytes[i] == ',' || bytes[i] == '"');
    if (json || quoted) out_.put('"');
    if (!json && startsLikeFormula(bytes, count)) out_.put('\'');
    for (std::size_t at = 0; at < count;) {
        std::size_t length = 0;
        char character[4];
        const uint32_t codePoint = decodeCharacter(in + at, count - at, source, length);
        const std::size_t put = codePoint == noCharacter ? 0 : encodeCharacter(codePoint, encoding_, character);
        if (put == 0) {
            for (std::size_t k = 0; k < length; ++k) writeHexByte(out_, json ? "\\u00" : "\\x", in[at + k]);
        } else if (json) {
            // The character alone, as a JSON string without its quotes.
            char piece[16];
            OutputStream scratch(piece, sizeof piece, nullptr, nullptr);
            writeJsonString(scratch, character, put, encoding_);
            out_.write(piece + 1, scratch.size() - 2);
        } else {
            writeEscapedCell(out_, character, put, encoding_, quoted);
        }
        at += length;
    }
    if (json || quoted) out_.put('"');
}

void RecordWriter::jsonField(const char* json, std::size_t count) {
    // JSON holds no raw control character below 0x20 (its strings escape
    // them), so without a backslash or a DEL it is a TSV cell as it stands.
    const bool cellAsItStands = format_ == RecordFormat::tsv && std::memchr(json, '\\', count) == nullptr &&
                                std::memchr(json, 0x7F, count) == nullptr;
    if (format_ == RecordFormat::jsonl || cellAsItStands) {
        if (!beginField()) return;
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
    writeProgramJsonString(out_, text, std::strlen(text), encoding_);
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
