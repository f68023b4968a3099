// One line's verdict and record, the counts, and the summary line: the part of
// verify that neither reads input nor knows how many workers there are.
#include "programs/idtool/line_verifier.h"

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

LineVerifier::LineVerifier(const VerifyOptions& options, OutputStream& out, Encoding outputEncoding, bool mask,
                           int yearLimit)
    : options_(options),
      layout_(layoutOf(options)),
      writer_(makeWriter(out, options, outputEncoding, layout_)),
      regions_(configured(writer_, options, layout_), options.history),
      context_{yearLimit, mask},
      detect_(options.inputEncodingGiven && options.inputEncoding == InputEncoding::detect),
      inputEncoding_(outputEncoding) {
    if (options.inputEncodingGiven && !detect_)
        inputEncoding_ = options.inputEncoding == InputEncoding::gbk ? Encoding::gbk : Encoding::utf8;
}

void LineVerifier::verify(const Line& line) {
    ++counts_.lines;
    if (isStreamNull(options_, line.bytes, line.length)) {
        writeNullRecord(writer_);
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
}
