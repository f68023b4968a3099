// One verify record, field by field in the schema's order. A refused line's
// fields from birth_date on are null; a valid number's region and history
// fields come from the batch's cache or are worked out on the spot.
#include "records/verify_record.h"

#include "core/region_history.h"

const char* const* verifyRecordKeysOf(VerifyRecordShape shape) {
    return shape.lineNumber ? verifyRecordKeys : verifyRecordKeys + 1;
}

int verifyRecordKeyCountOf(VerifyRecordShape shape) {
    return (shape.history ? verifyFieldCount : verdictFieldCount) - (shape.lineNumber ? 0 : 1);
}

void writeVerifyRecord(RecordWriter& writer, VerifyRecordShape shape, const VerifiedLine& line,
                       const VerifyOutcome& outcome, RegionValueCache* cache, char* scratch) {
    const bool valid = outcome.refusal == VerifyRefusal::none;
    const Encoding encoding = writer.encoding();
    writer.beginRecord();
    if (shape.lineNumber) writer.integerField(static_cast<long long>(line.number));
    writer.bytesField(line.bytes, line.held);
    writer.boolField(valid);
    writer.textField(refusalName(outcome.refusal));
    if (valid) {
        writer.nullField();
    } else {
        // The length message names the whole length, however long the line.
        char text[160];
        formatMessage(text, sizeof text, textIn(refusalText(outcome.refusal), encoding),
                      static_cast<long long>(line.length));
        writer.textField(text);
    }
    if (outcome.expectedCheck != '\0')
        writer.bytesField(&outcome.expectedCheck, 1);
    else
        writer.nullField();
    if (!valid) {
        const int fieldsLeft = (shape.history ? verifyFieldCount : verdictFieldCount) - fieldIndex(VerifyField::birthDate);
        writer.nullFields(fieldsLeft);
        writer.endRecord();
        return;
    }
    writer.bytesField(line.bytes + birthDateOffset, birthDateLength);
    writer.textField(sexText(outcome.male));
    if (cache != nullptr) {
        cache->writeRegionFields(writer, outcome.regionCode);
        if (shape.history) cache->writeHistoryFields(writer, outcome.regionCode, outcome.birthDate.year);
    } else {
        const RegionTexts region = regionTexts(outcome.regionCode);
        writer.textField(region.province);
        writer.textField(region.city);
        writer.textField(region.county);
        if (shape.history) {
            writeCodeHistoryFields(writer, outcome.regionCode, scratch);
            writer.boolField(inUseAtBirth(outcome.regionCode, outcome.birthDate.year));
        }
    }
    writer.endRecord();
}
