// What verify does with each line or row, apart from reading it: the records'
// layout and writer settings, the verdict counts and the summary, and
// LineVerifier, which verifies one line and writes its record. The same
// verifier serves the one reader of --jobs 1 and each worker of --jobs N, so
// that both write the same bytes.
#ifndef PROGRAMS_IDTOOL_LINE_VERIFIER_H
#define PROGRAMS_IDTOOL_LINE_VERIFIER_H

#include <cstdint>
#include <memory>

#include "programs/idtool/line_reader.h"
#include "programs/idtool/session.h"
#include "programs/idtool/verify_command.h"
#include "records/region_value_cache.h"
#include "records/record_writer.h"
#include "records/verify_record.h"

// Counts of the lines per verdict, for --summary and the exit status.
struct VerdictCounts {
    uint64_t lines = 0;
    uint64_t byRefusal[5] = {};  // indexed by VerifyRefusal, none first
    uint64_t noColumn = 0;       // rows without the column (--column)

    void add(const VerdictCounts& other) {
        lines += other.lines;
        for (int i = 0; i < 5; ++i) byRefusal[i] += other.byRefusal[i];
        noColumn += other.noColumn;
    }
};

// "idtool: verify: N lines (or rows), N valid, N length, ..." on standard error.
void writeSummary(Session& session, const VerdictCounts& counts, bool rows);

// 0 when every line is valid (and always under --stream), 1 otherwise.
int statusOf(const VerifyOptions& options, const VerdictCounts& counts);

// The shape, keys and selection of the records of a run.
struct RecordLayout {
    VerifyRecordShape shape;
    bool selected[verifyFieldCount];
};

RecordLayout layoutOf(const VerifyOptions& options);
// --fields and --stream's null text, for the run's writer.
void setUpWriter(RecordWriter& writer, const VerifyOptions& options, const RecordLayout& layout);

// The header line of verify's records: the writer's keys, and age after
// them under --age-on.
void writeVerifyHeader(RecordWriter& writer, const VerifyOptions& options, OutputStream& out);

// A line or cell \N under --stream: SQL's NULL in, NULL in every field out.
bool isStreamNull(const VerifyOptions& options, const char* bytes, uint64_t length);
void writeNullRecord(RecordWriter& writer);

// Verifies lines and writes their records to one output stream, keeping the
// counts. Its storage (the writer, the cache of rendered fields) is set aside
// once; nothing allocates per line.
class LineVerifier {
public:
    LineVerifier(const VerifyOptions& options, OutputStream& out, Encoding outputEncoding, bool mask, int yearLimit);
    LineVerifier(const LineVerifier&) = delete;
    LineVerifier& operator=(const LineVerifier&) = delete;

    // TSV and CSV: the line of the record's keys.
    void writeHeader();
    // Counts the line's verdict and writes its record (unless --only-invalid
    // leaves a valid one out).
    void verify(const Line& line);

    const VerdictCounts& counts() const { return counts_; }
    void clearCounts() { counts_ = VerdictCounts{}; }

private:
    // Under --age-on: the record, written to scratch_ first, goes to out_
    // with the age field before its end.
    void writeWithAge(bool hasAge, int age);

    const VerifyOptions& options_;
    OutputStream& out_;
    std::unique_ptr<char[]> scratchStorage_;
    OutputStream scratch_;
    RecordLayout layout_;
    RecordWriter writer_;
    RegionValueCache regions_;
    VerifyRecordContext context_;
    bool detect_;              // --input-encoding auto
    Encoding inputEncoding_;   // of the line being written
    VerdictCounts counts_;
};

#endif
