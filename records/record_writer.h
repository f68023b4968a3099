// Records in one of three formats, written field by field straight into an
// output stream, so that no record allocates.
//
//   jsonl  one JSON object per line: {"key":value,...}
//   tsv    a header line of the keys, then one line per record; fields are
//          separated by TAB, lines end in LF
//   csv    RFC 4180: a header line, fields separated by commas, a field in
//          double quotes (its quotes doubled) when it holds a comma or a
//          quote; lines end in CRLF
//
// Texts are written in the output encoding: the program's own texts, which
// are UTF-8, are converted to it where they are written (GBK from the core's
// table), and input bytes in another encoding are converted character by
// character. In JSON, bytes that do not form a valid
// character of it are written \u00XX, one escape per byte, and control
// characters as JSON escapes. In TSV and CSV cells the same bytes are written
// \xHH, and backslash, TAB, CR, LF and the other control characters \\ \t \r
// \n \xHH, so that every record is one physical line and the escapes cannot be
// confused with the text. The C1 controls (U+0080-U+009F) and the line and
// paragraph separators (U+2028, U+2029) are escaped too (\u0085, \u2028 in
// JSON; the \xHH of their bytes in cells), and so are GBK pairs that are no
// assigned character. Null is JSON null or an empty cell (or a chosen text,
// such as \N for SQL engines); booleans are true and false in every format.
//
// A TSV or CSV cell of input text that starts with =, +, -, @, TAB or CR
// would open as a formula in a spreadsheet: it gets a leading ' (as OWASP
// recommends for CSV injection).
#ifndef RECORDS_RECORD_WRITER_H
#define RECORDS_RECORD_WRITER_H

#include <cstddef>
#include <cstdint>

#include "records/output_stream.h"
#include "core/text_encoding.h"

enum class RecordFormat { jsonl, tsv, csv };

// Whether bytes of 0x80 and above must be checked to be valid characters
// (input echoed back), or are known to be (the program's own texts, from
// tables checked when they were generated, and JSON the writer built).
enum class TextOrigin { input, program };

class RecordWriter {
public:
    // `keys` (ASCII names, kept alive by the caller) fix the fields and their
    // order; every record gives exactly keyCount values, in that order.
    RecordWriter(OutputStream& out, RecordFormat format, Encoding encoding, const char* const* keys, int keyCount);

    // Only the fields whose `selected` entry is true are written (the array
    // has keyCount entries, kept alive by the caller); null selects all. The
    // record's values are still given for every key, in order.
    void select(const bool* selected) { selected_ = selected; }
    // TSV and CSV: a separator before the first field, for records that
    // follow fields written elsewhere on the same line.
    void setLeadingSeparator(bool leading) { leadingSeparator_ = leading; }
    // TSV and CSV: the text of a null cell (ASCII), instead of nothing.
    void setNullText(const char* text) { nullText_ = text; }
    // The settings above, taken from another writer.
    void copySettings(const RecordWriter& other) {
        selected_ = other.selected_;
        leadingSeparator_ = other.leadingSeparator_;
        nullText_ = other.nullText_;
    }
    bool isSelected(int field) const { return selected_ == nullptr || selected_[field]; }

    // TSV and CSV: the line of key names. JSON lines have none.
    void writeHeader();
    // The key names without the line end (for a header that goes on).
    void writeHeaderFields();
    // The line end of a record.
    void writeLineEnd();

    void beginRecord();
    void nullField();
    void nullFields(int count);
    void boolField(bool value);
    void integerField(long long value);
    // A text of the program's (UTF-8, NUL-terminated), in the output
    // encoding; null when `text` is.
    void textField(const char* text);
    // Bytes as read from an input: escaped where they are not valid text.
    void bytesField(const char* bytes, std::size_t count);
    // The same for bytes in another encoding: converted character by
    // character, and escaped where they are no character of either.
    void bytesField(const char* bytes, std::size_t count, Encoding source);
    // ASCII bytes that need no escaping, quoting or guard in any format (the
    // digits of a number, an X, '*'), copied as they are.
    void plainField(const char* bytes, std::size_t count);
    // A JSON value written elsewhere in the output encoding (see
    // JsonFragment): as it is in JSON lines, as the text of the cell in TSV
    // and CSV.
    void jsonField(const char* json, std::size_t count);
    void endRecord();

    // Fields written elsewhere, by a writer of the same format and keys that
    // resumed at this field: their bytes as they stand.
    void renderedFields(const char* bytes, std::size_t count, int fieldCount);
    // For rendering fields ahead: the next field written is `field`, as if
    // the ones before it had been written.
    void resumeAt(int field);

    RecordFormat format() const { return format_; }
    Encoding encoding() const { return encoding_; }
    const char* const* keys() const { return keys_; }
    int keyCount() const { return keyCount_; }

private:
    bool beginField();  // false when the field is not selected
    void writeSeparator();
    void writeCell(const char* bytes, std::size_t count, TextOrigin origin);
    void writeField(const char* bytes, std::size_t count, TextOrigin origin);
    void writeGbkField(const char* utf8, std::size_t count);

    OutputStream& out_;
    RecordFormat format_;
    Encoding encoding_;
    const char* const* keys_;
    int keyCount_;
    int field_ = 0;     // fields given so far in this record
    int written_ = 0;   // of them, the ones written
    const bool* selected_ = nullptr;
    bool leadingSeparator_ = false;
    const char* nullText_ = "";
};

// A JSON value (arrays, objects, strings, numbers) built in a fixed buffer
// in the output encoding, for a field that holds structure. Commas are
// placed by the builder. Overflowing the buffer marks it failed; the caller
// sizes it.
class JsonFragment {
public:
    JsonFragment(char* storage, std::size_t capacity, Encoding encoding);

    void beginArray();
    void endArray();
    void beginObject();
    void endObject();
    void key(const char* name);  // inside an object, before each value
    void stringValue(const char* bytes, std::size_t count);
    // A text of the program's (UTF-8), in the output encoding; null when
    // `text` is.
    void textValue(const char* text);
    void integerValue(long long value);
    void boolValue(bool value);
    void nullValue();

    const char* data() const { return out_.data(); }
    std::size_t size() const { return out_.size(); }
    bool failed() const { return out_.failed(); }
    void clear();

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    OutputStream out_;
    Encoding encoding_;
    // One bit per open level: whether a value was written there yet.
    uint64_t nonEmptyLevels_ = 0;
    int depth_ = 0;
    bool afterKey_ = false;
};

// The escaping of both formats, on their own for reuse and tests.
void writeJsonString(OutputStream& out, const char* bytes, std::size_t count, Encoding encoding,
                     TextOrigin origin = TextOrigin::input);
// The same without the quotes around it.
void writeJsonStringBody(OutputStream& out, const char* bytes, std::size_t count, Encoding encoding,
                         TextOrigin origin = TextOrigin::input);
// A text of the program's (UTF-8) as a JSON string in `encoding`.
void writeProgramJsonString(OutputStream& out, const char* utf8, std::size_t count, Encoding encoding);
// The cell text without CSV quoting.
void writeEscapedCell(OutputStream& out, const char* bytes, std::size_t count, Encoding encoding,
                      bool doubleQuotes, TextOrigin origin = TextOrigin::input);

// Whether a cell of these bytes would open as a formula in a spreadsheet.
inline bool startsLikeFormula(const char* bytes, std::size_t count) {
    return count > 0 && (bytes[0] == '=' || bytes[0] == '+' || bytes[0] == '-' || bytes[0] == '@' ||
                         bytes[0] == '\t' || bytes[0] == '\r');
}

#endif
