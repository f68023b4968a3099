// One verify record, field by field in the schema's order. A refused line's
// fields from birth_date on are null; a valid number's region and history
// fields come from the batch's cache or are worked out on the spot; a
// refused line's hint, a valid number's kind and nationality.
#include "records/verify_record.h"

#include "core/masking.h"
#include "core/nationality.h"
#include "core/number_hints.h"
#include "core/number_kind.h"
#include "core/region_history.h"
#include "records/history_fields.h"
#include "records/region_value_cache.h"

const char* const* verifyRecordKeysOf(VerifyRecordShape shape) {
    return shape.lineNumber ? verifyRecordKeys : verifyRecordKeys + 1;
}

int verifyRecordKeyCountOf(VerifyRecordShape shape) {
    return (shape.history ? verifyFieldCount : verdictFieldCount) - (shape.lineNumber ? 0 : 1);
}

void writeInputField(RecordWriter& writer, const char* bytes, std::size_t held, bool whole, Encoding encoding,
                     bool mask) {
    // The first bytes of a longer line end at a character boundary: a
    // character cut in two would show as two wrong ones.
    if (!whole) held = completePrefixLength(bytes, held, encoding);
    if (!mask) {
        writer.bytesField(bytes, held, encoding);
        return;
    }
    char masked[inputFieldLimit * 4];
    const std::size_t length = maskText(bytes, held, encoding, whole, masked, sizeof masked);
    writer.bytesField(masked, length <= sizeof masked ? length : 0, encoding);
}

namespace {

// {"code":"840","name":"美国"}: the card's nationality digits and the
// country's name, null for a code ISO 3166-1 lacks.
void writeNationalityField(RecordWriter& writer, const char* number) {
    char storage[128];
    JsonFragment json(storage, sizeof storage, writer.encoding());
    const Country* country = findCountry(nationalityCodeOf(number));
    json.beginObject();
    json.key("code");
    json.stringValue(number + nationalityOffset, nationalityLength);
    json.key("name");
    json.textValue(country != nullptr ? country->name : nullptr);
    json.endObject();
    writer.jsonField(json.data(), json.size());
}

}  // namespace

void writeKindFields(RecordWriter& writer, const char* number) {
    const NumberKind kind = kindOf(number);
    writer.textField(kindName(kind));
    if (kind == NumberKind::foreignerCard)
        writeNationalityField(writer, number);
    else
        writer.nullField();
}

void writeVerifyRecord(RecordWriter& writer, VerifyRecordShape shape, const VerifiedLine& line,
                       const VerifyOutcome& outcome, RegionValueCache* cache, char* scratch,
                       const VerifyRecordContext& context) {
    const bool valid = outcome.refusal == VerifyRefusal::none;
    const Encoding inputEncoding = line.encoding != nullptr ? *line.encoding : writer.encoding();
    writer.beginRecord();
    if (shape.lineNumber) writer.integerField(static_cast<long long>(line.number));
    if (valid && cache != nullptr) {
        // The common case: 18 digits (or a final X) need no escaping, and
        // every field after them is copied from what the cache rendered.
        if (context.mask)
            writeInputField(writer, line.bytes, line.held, true, inputEncoding, true);
        else
            writer.plainField(line.bytes, numberLength);
        cache->writeValidFields(writer, line.bytes, outcome);
        writer.endRecord();
        return;
    }
    writeInputField(writer, line.bytes, line.held, line.length == line.held, inputEncoding, context.mask);
    if (valid || cache == nullptr || !cache->writeRefusalFields(writer, outcome.refusal, line.length)) {
        writer.boolField(valid);
        writer.textField(refusalName(outcome.refusal));
        if (valid) {
            writer.nullField();
        } else {
            // The length message names the whole length, however long the line.
            char text[160];
            formatMessage(text, sizeof text, refusalText(outcome.refusal), line.length);
            writer.textField(text);
        }
    }
    NumberHint hint = NumberHint::none;
    char upgraded[numberLength + 1];
    if (!valid) {
        hint = hintFor(line.bytes, line.held, line.length, outcome.refusal, inputEncoding, context.yearLimit,
                       upgraded);
        if (cache != nullptr && hint != NumberHint::fifteenDigits) {
            cache->writeRefusalTail(writer, outcome.expectedCheck, hint);
            writer.endRecord();
            return;
        }
    }
    if (outcome.expectedCheck != '\0')
        writer.plainField(&outcome.expectedCheck, 1);  // a digit or X
    else
        writer.nullField();
    if (!valid) {
        writer.textField(hintName(hint));
        if (hint == NumberHint::fifteenDigits)
            writeInputField(writer, upgraded, numberLength, true, Encoding::utf8, context.mask);
        else
            writer.nullField();
        const int fieldsLeft =
            (shape.history ? verifyFieldCount : verdictFieldCount) - fieldIndex(VerifyField::kind);
        writer.nullFields(fieldsLeft);
        writer.endRecord();
        return;
    }
    writer.nullFields(2);  // hint, upgraded
    writeKindFields(writer, line.bytes);
    writer.plainField(line.bytes + birthDateOffset, birthDateLength);
    writer.textField(sexText(outcome.male));
    const RegionTexts region = regionTexts(outcome.regionCode);
    writer.textField(region.province);
    writer.textField(region.city);
    writer.textField(region.county);
    if (shape.history) {
        writeCodeHistoryFields(writer, outcome.regionCode, scratch);
        writer.boolField(inUseAtBirth(outcome.regionCode, outcome.birthDate.year));
    }
    writer.endRecord();
}
