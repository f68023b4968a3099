// idtool verify: the core's verdict on each line, written as one record, in
// input order, without stopping at a bad line.
#include "programs/idtool/verify_command.h"

#include <climits>
#include <ctime>

#include "core/verification.h"
#include "records/history_fields.h"

const char* const verifyKeys[] = {
    // The dialog's verdict and fields.
    "line", "input", "valid", "reason", "message", "expected_check", "birth_date", "sex", "province", "city", "county",
    // The history of the region code.
    "code_status", "history", "successors", "now", "in_use_at_birth"};
const int verifyKeyCount = sizeof verifyKeys / sizeof verifyKeys[0];
const int verifyKeyCountWithoutHistory = 11;

namespace {

// Counts of the lines per verdict, for --summary.
struct VerdictCounts {
    uint64_t lines = 0;
    uint64_t byRefusal[5] = {};  // indexed by VerifyRefusal, none first
};

// The history's fields of a valid number only add to the dialog's verdict
// and region fields; they are left out unless `history`.
void writeRecord(RecordWriter& writer, const Line& line, const VerifyOutcome& outcome, RegionValueCache& regions,
                 bool history) {
    const bool valid = outcome.refusal == VerifyRefusal::none;
    const Encoding encoding = writer.encoding();
    writer.beginRecord();
    writer.integerField(static_cast<long long>(line.number));
    writer.bytesField(line.bytes, static_cast<std::size_t>(line.held));
    writer.boolField(valid);
    writer.textField(refusalName(outcome.refusal));
    if (const RefusalMessage* message = refusalMessage(outcome.refusal)) {
        // The length message names the whole length, however long the line.
        char text[160];
        formatMessage(text, sizeof text, textIn(message->text, encoding), static_cast<long long>(line.length));
        writer.textField(text);
    } else {
        writer.nullField();
    }
    if (outcome.expectedCheck != '\0')
        writer.bytesField(&outcome.expectedCheck, 1);
    else
        writer.nullField();
    if (!valid) {
        writer.nullFields((history ? verifyKeyCount : verifyKeyCountWithoutHistory) - 6);  // birth_date onwards
        writer.endRecord();
        return;
    }
    writer.bytesField(line.bytes + birthDateOffset, birthDateLength);
    writer.textField(sexText(outcome.male));
    regions.writeRegionFields(writer, outcome.regionCode);
    if (history) regions.writeHistoryFields(writer, outcome.regionCode, outcome.birthDate.year);
    writer.endRecord();
}

void writeSummary(Session& session, const VerdictCounts& counts) {
    OutputStream& err = beginMessage(session);
    err.write("verify: ");
    err.writeDecimal(counts.lines);
    err.write(" lines, ");
    err.writeDecimal(counts.byRefusal[0]);
    err.write(" valid");
    for (VerifyRefusal refusal :
         {VerifyRefusal::length, VerifyRefusal::characters, VerifyRefusal::check, VerifyRefusal::date}) {
        err.write(", ");
        err.writeDecimal(counts.byRefusal[static_cast<int>(refusal)]);
        err.put(' ');
        err.write(refusalName(refusal));
    }
    endMessage(session);
}

}  // namespace

int runVerify(const VerifyOptions& options, LineReader& reader, Session& session) {
    // The year limit is the current year on the local clock, as in the dialog.
    const int yearLimit = localYear(time(nullptr));
    RecordWriter writer(session.out, options.format, session.encoding, verifyKeys,
                        options.history ? verifyKeyCount : verifyKeyCountWithoutHistory);
    writer.writeHeader();

    RegionValueCache regions(writer, verifyKeyCountWithoutHistory, options.history);

    VerdictCounts counts;
    Line line;
    while (reader.next(line)) {
        // A line of more than 64 bytes is refused for its length; the core
        // needs only to know that it is not 18.
        const int wholeLength = line.length > INT_MAX ? INT_MAX : static_cast<int>(line.length);
        const VerifyOutcome outcome = verifyNumberText(line.bytes, line.held, wholeLength, yearLimit);
        ++counts.lines;
        ++counts.byRefusal[static_cast<int>(outcome.refusal)];
        if (options.onlyInvalid && outcome.refusal == VerifyRefusal::none) continue;
        writeRecord(writer, line, outcome, regions, options.history);
    }
    if (options.summary) writeSummary(session, counts);
    return counts.byRefusal[0] == counts.lines ? exitSuccess : exitFindings;
}
