// One line's verdict and record, the counts, and the summary line: the part of
// verify that neither reads input nor knows how many workers there are.
#include "programs/idtool/line_verifier.h"

#include <cstring>

#include "core/calendar.h"
#include "core/text_encoding.h"
#include "core/verification.h"

void writeSummary(Session& session, const VerdictCounts& counts, bool rows) {
    OutputStream& err = beginMessage(session);
    err.write("verify: ");
    err.writeDecimal(counts.lines);
    err.write(rows ? " rows, " : " lines, ");
    err.writeDecimal(counts.byRefusal[0]);
    err.write(" valid");
    for (VerifyRefusal refusal :
         {VerifyRefusal::length, VerifyRefusal::characters, VerifyRefusal::check, VerifyRefusal::date}) {
        err.write(", ");
        err.writeDecimal(counts.byRefusal[static_cast<int>(refusal)]);
        err.put(' ');
        err.write(refusalName(refusal));
    }
    if (rows) {
        err.write(", ");
        err.writeDecimal(counts.noColumn);
        err.write(" no_column");
    }
    endMessage(session);
}

int statusOf(const VerifyOptions& options, const VerdictCounts& counts) {
    if (options.stream) return exitSuccess;
    return counts.byRefusal[0] == counts.lines ? exitSuccess : exitFindings;
}

RecordLayout layoutOf(const VerifyOptions& options) {
    RecordLayout layout{{true, options.history}, {}};
    for (int i = 0; i < verifyFieldCount; ++i)
        layout.selected[i] = options.fields.empty() || (static_cast<std::size_t>(i) < options.fields.size() &&
                                                        options.fields[static_cast<std::size_t>(i)]);
    return layout;
}

void setUpWriter(RecordWriter& writer, const VerifyOptions& options, const RecordLayout& layout) {
    if (!options.fields.empty()) writer.select(layout.selected);
    if (options.stream) writer.setNullText("\\N");
}

bool isStreamNull(const VerifyOptions& options, const char* bytes, uint64_t length) {
    return options.stream && length == 2 && bytes[0] == '\\' && bytes[1] == 'N';
}

void writeNullRecord(RecordWriter& writer) {
    writer.beginRecord();
    writer.nullFields(writer.keyCount());
    writer.endRecord();
}

namespace {

RecordWriter makeWriter(OutputStream& out, const VerifyOptions& options, Encoding encoding,
                        const RecordLayout& layout) {
    return RecordWriter(out, options.format, encoding, verifyRecordKeysOf(layout.shape),
                        verifyRecordKeyCountOf(layout.shape));
}

// The writer with the run's settings, before the cache renders with them.
RecordWriter& configured(RecordWriter& writer, const VerifyOptions& options, const RecordLayout& layout) {
    setUpWriter(writer, options, layout);
    return writer;
}

}  // namespace

// Room for one record under --age-on: more than the longest (its history's
// JSON included).
constexpr std::size_t ageScratchSize = std::size_t{1} << 16;

LineVerifier::LineVerifier(const VerifyOptions& options, OutputStream& out, Encoding outputEncoding, bool mask,
                           int yearLimit)
    : options_(options),
      out_(out),
      scratchStorage_(options.age ? new char[ageScratchSize] : nullptr),
      scratch_(scratchStorage_.get(), options.age ? ageScratchSize : 0, nullptr, nullptr),
      layout_(layoutOf(options)),
      writer_(makeWriter(options.age ? scratch_ : out, options, outputEncoding, layout_)),
      regions_(configured(writer_, options, layout_), options.history),
      context_{yearLimit, mask},
      detect_(options.inputEncodingGiven && options.inputEncoding == InputEncoding::detect),
      inputEncoding_(outputEncoding) {
    if (options.inputEncodingGiven && !detect_)
        inputEncoding_ = options.inputEncoding == InputEncoding::gbk ? Encoding::gbk : Encoding::utf8;
}

namespace {

// What ends a record of the format, after its last field.
const char* recordEnd(RecordFormat format) {
    return format == RecordFormat::jsonl ? "}\n" : format == RecordFormat::csv ? "\r\n" : "\n";
}

}  // namespace

void writeVerifyHeader(RecordWriter& writer, const VerifyOptions& options, OutputStream& out) {
    if (!options.age) {
        writer.writeHeader();
        return;
    }
    if (options.format == RecordFormat::jsonl) return;
    writer.writeHeaderFields();
    out.put(options.format == RecordFormat::csv ? ',' : '\t');
    out.write("age");
    writer.writeLineEnd();
}

void LineVerifier::writeHeader() {
    if (!options_.age) {
        writer_.writeHeader();
        return;
    }
    // The writer writes into the scratch stream: the header goes on from there.
    writeVerifyHeader(writer_, options_, scratch_);
    out_.write(scratch_.data(), scratch_.size());
    scratch_.rollBack(scratch_.position() - scratch_.size());
}

void LineVerifier::writeWithAge(bool hasAge, int age) {
    const std::size_t endLength = std::strlen(recordEnd(options_.format));
    const std::size_t size = scratch_.size();
    if (scratch_.failed() || size < endLength) {
        out_.write(scratch_.data(), size);  // never: a record always fits
    } else {
        out_.write(scratch_.data(), size - endLength);
        if (options_.format == RecordFormat::jsonl) {
            out_.write(",\"age\":");
            if (hasAge)
                out_.writeDecimal(static_cast<uint64_t>(age));
            else
                out_.write("null");
        } else {
            out_.put(options_.format == RecordFormat::csv ? ',' : '\t');
            if (hasAge)
                out_.writeDecimal(static_cast<uint64_t>(age));
            else if (options_.stream)
                out_.write("\\N");
        }
        out_.write(scratch_.data() + size - endLength, endLength);
    }
    scratch_.rollBack(scratch_.position() - size);
}

void LineVerifier::verify(const Line& line) {
    ++counts_.lines;
    if (isStreamNull(options_, line.bytes, line.length)) {
        writeNullRecord(writer_);
        if (options_.age) writeWithAge(false, 0);
        return;
    }
    // A line of more than 64 bytes is refused for its length; the core needs
    // only to know that it is not 18.
    const int wholeLength = verifiedLength(line.length);
    const VerifyOutcome outcome = verifyNumberText(line.bytes, line.held, wholeLength, context_.yearLimit);
    ++counts_.byRefusal[static_cast<int>(outcome.refusal)];
    if (options_.onlyInvalid && outcome.refusal == VerifyRefusal::none) return;
    if (detect_) inputEncoding_ = detectedEncoding(line.bytes, static_cast<std::size_t>(line.held), line.cut);
    VerifiedLine verified{line.number, line.bytes, static_cast<std::size_t>(line.held), line.length};
    verified.encoding = &inputEncoding_;
    writeVerifyRecord(writer_, layout_.shape, verified, outcome, &regions_, nullptr, context_);
    if (options_.age) {
        int age = 0;
        const bool hasAge =
            outcome.refusal == VerifyRefusal::none && ageOn(outcome.birthDate, options_.ageOn, age);
        writeWithAge(hasAge, age);
    }
}
