// Rows of CSV (RFC 4180) or TSV inputs, read through one fixed buffer, for
// verify --column: every field of a row is written to the output as it is
// read, byte for byte (or converted, when the input is in another encoding
// than the output), and the chosen column's text is kept for verification.
//
// CSV: fields separated by commas, rows ending in LF or CRLF; a field in
// double quotes may hold commas, CR, LF and doubled quotes. A quote inside an
// unquoted field, or text after a closing quote, is taken as text. TSV:
// fields separated by TAB, rows ending in LF or CRLF, no quoting. A UTF-8
// byte-order mark at the start of each input is dropped. A row is numbered
// by the line it starts on, counted across all inputs as verify counts lines.
//
// Memory stays bounded for any row: fields are copied out as they are read,
// and of the chosen column only the first 64 bytes of its text are held and
// its whole length counted, as the line reader does with a long line.
#ifndef PROGRAMS_IDTOOL_ROW_READER_H
#define PROGRAMS_IDTOOL_ROW_READER_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "programs/idtool/system_io.h"
#include "records/output_stream.h"
#include "records/verify_record.h"

class ProgressDisplay;

enum class InputFormat { csv, tsv };

// How the input's bytes are taken: in one encoding, or (detect) each field
// as UTF-8 when it is valid UTF-8 and as GBK otherwise.
enum class InputEncoding { utf8, gbk, detect };

// The encoding detect takes a line or cell in, from its first `count` bytes:
// UTF-8 when they are UTF-8, else GBK. When the text goes on after them
// (`cut`), a character their end cuts in two is left out, so that a long
// UTF-8 line is not taken for GBK.
Encoding detectedEncoding(const char* bytes, std::size_t count, bool cut);

struct RowReaderOptions {
    InputFormat format = InputFormat::tsv;
    // The column: a header name, or (when `columnNumber` > 0) its number
    // from 1.
    std::string columnName;
    int columnNumber = 0;
    bool header = true;  // each input's first row names its columns
    InputEncoding inputEncoding = InputEncoding::utf8;
    Encoding outputEncoding = Encoding::utf8;
    bool mask = false;  // the column's cell is written masked (core/masking.h)
};

struct Row {
    uint64_t line;       // the line the row starts on, from 1 across all inputs
    int input;           // index of its input
    bool header;         // an input's header row
    bool hasColumn;      // the row reaches the chosen column
    const char* cell;    // the column's text (unquoted): its first `held` bytes
    int held;
    uint64_t length;     // the whole text's length in bytes
    Encoding encoding;   // the encoding the cell's bytes are in
};

class RowReader {
public:
    static constexpr int cellHoldLimit = inputFieldLimit;

    // `storage` (at least 4 KiB) is the only buffer; the inputs stay owned
    // by the caller. Each row's fields are written to `out`, separated as in
    // the input format, without the row's end.
    RowReader(InputFile* inputs, int inputCount, char* storage, std::size_t storageSize,
              const RowReaderOptions& options, OutputStream& out);

    // Written before each read, which may wait: everything up to `mark`
    // (complete records), so that a pipe or an engine sees the answers to
    // what it sent; and the messages on standard error.
    void setFlushBeforeRead(OutputStream* messages) { messages_ = messages; }
    void setCompleteUpTo(uint64_t mark) { completeMark_ = mark; }
    void setProgress(ProgressDisplay* progress) { progress_ = progress; }

    // The next row, its fields already written. False at the end of the
    // last input, on a read error (failed()) or on an input that ends inside
    // a quoted field (unterminated()).
    bool next(Row& row);

    bool failed() const { return failed_; }
    int failedInput() const { return current_; }
    int errorNumber() const { return errorNumber_; }
    bool unterminated() const { return unterminated_; }
    uint64_t unterminatedLine() const { return rowLine_; }
    // The header named no such column (exit 2): which input.
    bool columnMissing() const { return columnMissing_; }
    int missingInput() const { return current_; }
    uint64_t rowsRead() const { return rowsRead_; }

private:
    enum class State : unsigned char { fieldStart, unquoted, quoted, quoteInQuoted };

    bool startInput();
    void finishInput();
    bool refill();
    // Scans from pos_ until the row ends (true) or the buffer does (false).
    bool scan();
    void endField();
    void addContent(const char* bytes, std::size_t count);
    void emit(const char* bytes, std::size_t count);
    void emitMasked(const char* masked, std::size_t length, Encoding encoding, bool quoted);
    void emitPending(bool fieldEnd);
    void writeMaskedHead();
    // `cut`: the text goes on after the bytes (the held ones of a long cell).
    Encoding encodingOf(const char* bytes, std::size_t count, bool cut = false) const;
    bool fieldIsColumn() const { return columnIndex_ >= 0 && field_ == columnIndex_; }
    void matchHeaderField();

    InputFile* inputs_;
    int inputCount_;
    int current_ = 0;
    bool started_ = false;
    char* buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0;  // start of the bytes not yet handed out
    std::size_t pos_ = 0;    // next byte to scan
    std::size_t end_ = 0;
    bool atEnd_ = false;
    uint64_t bytesRead_ = 0;
    RowReaderOptions options_;
    OutputStream& out_;
    OutputStream* messages_ = nullptr;
    uint64_t completeMark_ = 0;
    ProgressDisplay* progress_ = nullptr;

    // The row being read.
    State state_ = State::fieldStart;
    bool inRow_ = false;
    bool pendingCr_ = false;  // a CR outside quotes, not yet known to end the row
    int field_ = 0;
    int columnIndex_ = -1;   // 0-based; -1 while a header is to be read
    bool headerRow_ = false;
    uint64_t line_ = 1;      // the line pos_ is on
    uint64_t rowLine_ = 0;
    uint64_t lineBase_ = 0;  // lines of the inputs before this one
    uint64_t rowsRead_ = 0;
    char held_[cellHoldLimit + 1];
    int heldCount_ = 0;
    uint64_t cellLength_ = 0;
    bool hasColumn_ = false;
    bool maskedHeadWritten_ = false;
    bool maskQuoted_ = false;
    // A header field's text, to compare with the column's name.
    char headerField_[256];
    std::size_t headerFieldLength_ = 0;
    int headerMatch_ = -1;

    bool failed_ = false;
    int errorNumber_ = 0;
    bool unterminated_ = false;
    bool columnMissing_ = false;
};

#endif
