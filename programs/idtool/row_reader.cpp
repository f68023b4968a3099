// The row reader's scanner: a state machine over the buffer (field start,
// unquoted, quoted, a quote inside quotes) that hands the row's bytes to the
// output in runs, keeps the chosen column's text, matches the header's names,
// and reads on where a row crosses the end of the buffer.
#include "programs/idtool/row_reader.h"

#include <cassert>
#include <cerrno>
#include <cstring>

#include "core/gbk_table.h"
#include "core/masking.h"
#include "programs/idtool/progress.h"

namespace {

// Bytes that end a run of plain text in an unquoted field, per format.
struct StopBytes {
    bool stop[256];
};
constexpr StopBytes stopBytes(char separator) {
    StopBytes table{};
    table.stop[static_cast<unsigned char>(separator)] = true;
    table.stop[static_cast<unsigned char>('\n')] = true;
    table.stop[static_cast<unsigned char>('\r')] = true;
    table.stop[static_cast<unsigned char>('"')] = separator == ',';
    return table;
}
constexpr StopBytes csvStops = stopBytes(',');
constexpr StopBytes tsvStops = stopBytes('\t');

constexpr char hexDigits[] = "0123456789abcdef";

// Bytes of `from` written in `to`, character by character; a byte that
// starts no character of `from`, or a character `to` lacks, is written \xHH.
void writeConverted(OutputStream& out, const char* text, std::size_t count, Encoding from, Encoding to) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t at = 0; at < count;) {
        if (bytes[at] < 0x80) {
            // ASCII runs are the same in both encodings.
            std::size_t run = at;
            while (run < count && bytes[run] < 0x80) ++run;
            out.write(text + at, run - at);
            at = run;
            continue;
        }
        std::size_t length = 0;
        char character[4];
        const uint32_t codePoint = decodeCharacter(bytes + at, count - at, from, length);
        const std::size_t put = codePoint == noCharacter ? 0 : encodeCharacter(codePoint, to, character);
        if (put > 0) {
            out.write(character, put);
        } else {
            for (std::size_t k = 0; k < length; ++k) {
                out.write("\\x", 2);
                out.put(hexDigits[bytes[at + k] >> 4]);
                out.put(hexDigits[bytes[at + k] & 0xF]);
            }
        }
        at += length;
    }
}

}  // namespace

RowReader::RowReader(InputFile* inputs, int inputCount, char* storage, std::size_t storageSize,
                     const RowReaderOptions& options, OutputStream& out)
    : inputs_(inputs), inputCount_(inputCount), buffer_(storage), capacity_(storageSize), options_(options),
      out_(out) {
    assert(storageSize >= 4096);
}

Encoding detectedEncoding(const char* bytes, std::size_t count, bool cut) {
    if (cut) count = completePrefixLength(bytes, count, Encoding::utf8);
    return isValidUtf8(bytes, count) ? Encoding::utf8 : Encoding::gbk;
}

Encoding RowReader::encodingOf(const char* bytes, std::size_t count, bool cut) const {
    switch (options_.inputEncoding) {
    case InputEncoding::utf8: return Encoding::utf8;
    case InputEncoding::gbk: return Encoding::gbk;
    case InputEncoding::detect: break;
    }
    return detectedEncoding(bytes, count, cut);
}

void RowReader::emit(const char* bytes, std::size_t count) {
    if (count == 0) return;
    const Encoding encoding = encodingOf(bytes, count);
    if (encoding == options_.outputEncoding)
        out_.write(bytes, count);
    else
        writeConverted(out_, bytes, count, encoding, options_.outputEncoding);
}

// A masked cell in the encoding it was masked in, converted whole (a
// character of several bytes is one character, never a byte each), its
// quotes doubled inside a quoted CSV field.
void RowReader::emitMasked(const char* masked, std::size_t length, Encoding encoding, bool quoted) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= length; ++i) {
        if (i < length && !(quoted && masked[i] == '"')) continue;
        if (i > start) {
            if (encoding == options_.outputEncoding)
                out_.write(masked + start, i - start);
            else
                writeConverted(out_, masked + start, i - start, encoding, options_.outputEncoding);
        }
        if (i < length) out_.put('"');  // the quote doubled; the quote itself starts the next run
        start = i;
    }
}

// Before the buffer is refilled: the scanned bytes of the row go out, but for
// a CR that may start a CRLF and, when converting, an incomplete character.
void RowReader::emitPending(bool) {
    std::size_t until = pos_;
    if (pendingCr_ && until > begin_) --until;
    if (fieldIsColumn() && options_.mask && !headerRow_) {
        // The masked cell is written from its held text, never from the raw bytes.
        begin_ = until;
        return;
    }
    std::size_t count = until - begin_;
    if (count == 0) return;
    const Encoding encoding = encodingOf(buffer_ + begin_, count);
    if (encoding != options_.outputEncoding) count = completePrefixLength(buffer_ + begin_, count, encoding);
    emit(buffer_ + begin_, count);
    begin_ += count;
}

bool RowReader::refill() {
    if (messages_ != nullptr) messages_->flush();
    out_.flushUpTo(completeMark_);
    if (progress_ != nullptr) progress_->update(bytesRead_, line_ - 1);
    // Keep what is not handed out yet (the start of a row whose fields are
    // held back, at most a few bytes otherwise) at the front.
    if (begin_ > 0) {
        std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
        pos_ -= begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        // Only the bytes of an incomplete character or a CR are held back,
        // so the buffer is never full of them.
        errno = ENOBUFS;
        failed_ = true;
        errorNumber_ = errno;
        return false;
    }
    const long long got = readSome(inputs_[current_].file, buffer_ + end_, capacity_ - end_);
    if (got < 0) {
        failed_ = true;
        errorNumber_ = errno;
        return false;
    }
    if (got == 0) atEnd_ = true;
    end_ += static_cast<std::size_t>(got);
    bytesRead_ += static_cast<uint64_t>(got);
    return true;
}

bool RowReader::startInput() {
    begin_ = pos_ = end_ = 0;
    atEnd_ = false;
    bytesRead_ = 0;
    started_ = true;
    if (progress_ != nullptr) progress_->startInput(inputs_[current_]);
    if (!openInputAt(inputs_[current_])) {
        failed_ = true;
        errorNumber_ = errno;
        return false;
    }
    while (end_ < byteOrderMarkLength && !atEnd_)
        if (!refill()) return false;
    if (startsWithByteOrderMark(buffer_, end_))
        begin_ = pos_ = byteOrderMarkLength;
    headerRow_ = options_.header;
    columnIndex_ = options_.columnNumber > 0 ? options_.columnNumber - 1 : -1;
    line_ = 1;
    return true;
}

void RowReader::finishInput() {
    if (progress_ != nullptr) progress_->finishInput();
    closeInputAt(inputs_[current_]);
    lineBase_ += line_ - 1;
    started_ = false;
    ++current_;
}

void RowReader::addContent(const char* bytes, std::size_t count) {
    if (headerRow_) {
        const std::size_t room = sizeof headerField_ - headerFieldLength_;
        const std::size_t take = count < room ? count : room;
        std::memcpy(headerField_ + headerFieldLength_, bytes, take);
        headerFieldLength_ += take;
        if (take < count) headerFieldLength_ = sizeof headerField_;  // too long to be the name
        return;
    }
    if (!fieldIsColumn()) return;
    for (std::size_t i = 0; i < count; ++i) {
        if (heldCount_ < cellHoldLimit) {
            held_[heldCount_++] = bytes[i];
        } else if (options_.mask) {
            if (!maskedHeadWritten_) writeMaskedHead();
            out_.put('*');
        }
        ++cellLength_;
    }
}

// The masked cell of a text longer than the held bytes: its first
// characters, and (by addContent) a '*' for each byte after the held ones.
void RowReader::writeMaskedHead() {
    char masked[cellHoldLimit];
    const Encoding encoding = encodingOf(held_, static_cast<std::size_t>(heldCount_), true);
    const std::size_t length = maskText(held_, static_cast<std::size_t>(heldCount_), encoding, false, masked,
                                        sizeof masked);
    maskQuoted_ = false;
    for (std::size_t i = 0; i < length; ++i)
        maskQuoted_ = maskQuoted_ || masked[i] == ',' || masked[i] == '"' || masked[i] == '\n' || masked[i] == '\r';
    maskQuoted_ = maskQuoted_ && options_.format == InputFormat::csv;
    if (maskQuoted_) out_.put('"');
    emitMasked(masked, length, encoding, maskQuoted_);
    maskedHeadWritten_ = true;
}

void RowReader::matchHeaderField() {
    if (headerMatch_ >= 0 || options_.columnNumber > 0 || headerFieldLength_ >= sizeof headerField_) return;
    const std::string& name = options_.columnName;
    bool same = headerFieldLength_ == name.size() && std::memcmp(headerField_, name.data(), name.size()) == 0;
    const Encoding encoding = encodingOf(headerField_, headerFieldLength_);
    if (!same && encoding != options_.outputEncoding) {
        // The name as the output encoding spells it.
        char storage[4 * sizeof headerField_];
        OutputStream converted(storage, sizeof storage, nullptr, nullptr);
        writeConverted(converted, headerField_, headerFieldLength_, encoding, options_.outputEncoding);
        same = converted.size() == name.size() && std::memcmp(storage, name.data(), name.size()) == 0;
    }
    if (same) headerMatch_ = field_;
}

void RowReader::endField() {
    if (headerRow_) {
        matchHeaderField();
        headerFieldLength_ = 0;
    } else if (fieldIsColumn()) {
        hasColumn_ = true;
        if (options_.mask) {
            if (maskedHeadWritten_) {
                if (maskQuoted_) out_.put('"');
            } else {
                char masked[cellHoldLimit];
                const Encoding encoding = encodingOf(held_, static_cast<std::size_t>(heldCount_));
                const std::size_t length = maskText(held_, static_cast<std::size_t>(heldCount_), encoding, true,
                                                    masked, sizeof masked);
                bool quoted = false;
                for (std::size_t i = 0; i < length; ++i)
                    quoted = quoted || masked[i] == ',' || masked[i] == '"' || masked[i] == '\n' || masked[i] == '\r';
                quoted = quoted && options_.format == InputFormat::csv;
                if (quoted) out_.put('"');
                emitMasked(masked, length, encoding, quoted);
                if (quoted) out_.put('"');
            }
        }
    }
    ++field_;
    state_ = State::fieldStart;
}

// One row, from pos_: true when its end was reached (begin_ and pos_ after
// it), false at the end of the buffer.
bool RowReader::scan() {
    const bool csv = options_.format == InputFormat::csv;
    const char separator = csv ? ',' : '\t';
    const StopBytes& stops = csv ? csvStops : tsvStops;
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_);
    while (pos_ < end_) {
        if (!inRow_) {
            inRow_ = true;
            rowLine_ = lineBase_ + line_;
            field_ = 0;
            state_ = State::fieldStart;
            heldCount_ = 0;
            cellLength_ = 0;
            hasColumn_ = false;
            maskedHeadWritten_ = false;
            headerFieldLength_ = 0;
            headerMatch_ = -1;
        }
        const bool collecting = headerRow_ || fieldIsColumn();
        const bool masking = fieldIsColumn() && options_.mask && !headerRow_;
        if (masking && state_ == State::fieldStart && begin_ < pos_) {
            // Hand out what comes before the masked cell.
            emit(buffer_ + begin_, pos_ - begin_);
            begin_ = pos_;
        }
        const unsigned char c = bytes[pos_];
        if (pendingCr_) {
            pendingCr_ = false;
            if (c != '\n') {
                addContent("\r", 1);
                state_ = State::unquoted;
                continue;  // the byte is looked at again, as what follows a CR
            }
        }
        switch (state_) {
        case State::fieldStart:
            if (c == '"' && csv) {
                state_ = State::quoted;
                ++pos_;
                continue;
            }
            state_ = State::unquoted;
            [[fallthrough]];
        case State::unquoted: {
            if (!stops.stop[c]) {
                std::size_t run = pos_ + 1;
                while (run < end_ && !stops.stop[bytes[run]]) ++run;
                if (collecting) addContent(buffer_ + pos_, run - pos_);
                pos_ = run;
                continue;
            }
            if (c == '"') {  // a quote inside an unquoted field is text
                addContent(buffer_ + pos_, 1);
                ++pos_;
                continue;
            }
            if (c == '\r') {
                pendingCr_ = true;
                ++pos_;
                continue;
            }
            if (static_cast<char>(c) == separator) {
                if (masking) begin_ = pos_;  // the raw cell is not written
                endField();
                ++pos_;
                continue;
            }
            break;  // LF: the row ends below
        }
        case State::quoted: {
            if (c != '"') {
                std::size_t run = pos_;
                while (run < end_ && bytes[run] != '"') {
                    if (bytes[run] == '\n') ++line_;
                    ++run;
                }
                if (collecting) addContent(buffer_ + pos_, run - pos_);
                pos_ = run;
                continue;
            }
            state_ = State::quoteInQuoted;
            ++pos_;
            continue;
        }
        case State::quoteInQuoted:
            if (c == '"') {
                addContent(buffer_ + pos_, 1);
                state_ = State::quoted;
                ++pos_;
                continue;
            }
            if (c == '\r') {
                pendingCr_ = true;
                state_ = State::unquoted;
                ++pos_;
                continue;
            }
            if (static_cast<char>(c) == separator) {
                if (masking) begin_ = pos_;
                endField();
                ++pos_;
                continue;
            }
            if (c != '\n') {  // text after a closing quote is text
                state_ = State::unquoted;
                continue;
            }
            break;
        }
        // LF outside quotes: the row ends, without its CR.
        assert(c == '\n');
        std::size_t fieldEnd = pos_;
        if (fieldEnd > begin_ && buffer_[fieldEnd - 1] == '\r' && state_ != State::quoted) --fieldEnd;
        if (masking) begin_ = fieldEnd;
        endField();
        if (begin_ < fieldEnd) emit(buffer_ + begin_, fieldEnd - begin_);
        ++pos_;
        ++line_;
        begin_ = pos_;
        inRow_ = false;
        return true;
    }
    return false;
}

bool RowReader::next(Row& row) {
    for (;;) {
        if (current_ >= inputCount_) return false;
        if (!started_ && !startInput()) return false;
        bool ended = scan();
        if (!ended) {
            if (!atEnd_) {
                emitPending(false);
                if (!refill()) return false;
                continue;
            }
            if (inRow_) {
                if (state_ == State::quoted) {
                    unterminated_ = true;
                    return false;
                }
                // The input's last row, without a line end.
                std::size_t fieldEnd = end_;
                if (pendingCr_) {
                    pendingCr_ = false;
                    addContent("\r", 1);
                }
                const bool masking = fieldIsColumn() && options_.mask && !headerRow_;
                if (masking) begin_ = fieldEnd;
                endField();
                if (begin_ < fieldEnd) emit(buffer_ + begin_, fieldEnd - begin_);
                begin_ = pos_ = end_;
                inRow_ = false;
                ended = true;
            } else {
                finishInput();
                continue;
            }
        }
        row.line = rowLine_;
        row.input = current_;
        row.header = headerRow_;
        if (headerRow_) {
            headerRow_ = false;
            if (options_.columnNumber == 0) {
                if (headerMatch_ < 0) {
                    columnMissing_ = true;
                    return false;
                }
                columnIndex_ = headerMatch_;
            }
            row.hasColumn = true;
            row.cell = "";
            row.held = 0;
            row.length = 0;
            row.encoding = options_.outputEncoding;
            return true;
        }
        ++rowsRead_;
        row.hasColumn = hasColumn_;
        held_[heldCount_] = '\0';
        row.cell = held_;
        row.held = heldCount_;
        row.length = cellLength_;
        row.encoding = encodingOf(held_, static_cast<std::size_t>(heldCount_),
                                  cellLength_ > static_cast<uint64_t>(heldCount_));
        return true;
    }
}
