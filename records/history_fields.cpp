// The history's JSON values (timeline, successors, codes in use now), the
// four fields verify writes from them, and the batch's cache that renders
// each code's fields once.
#include "records/history_fields.h"

#include "core/number_rules.h"
#include "records/verify_record.h"

void writeHistory(JsonFragment& json, int32_t code) {
    json.beginArray();
    for (const HistoryRecord& record : recordsOfCode(code)) {
        json.beginObject();
        json.key("name");
        json.textValue(nameOf(record));
        json.key("province");
        json.textValue(provinceOf(record));
        json.key("prefecture");
        json.textValue(prefectureOf(record));
        json.key("from");
        json.integerValue(firstYearOf(record));
        json.key("until");
        if (stillInUse(record))
            json.nullValue();
        else
            json.integerValue(untilYearOf(record));
        json.endObject();
    }
    json.endArray();
}

void writeSuccessors(JsonFragment& json, const HistoryRecord& record) {
    json.beginArray();
    const HistorySuccessors successors = successorsOf(record);
    for (const HistorySuccessor* successor = successors.begin(); successor != successors.end(); ++successor) {
        // A code handed over in two steps is listed once.
        bool listed = false;
        for (const HistorySuccessor* earlier = successors.begin(); earlier != successor; ++earlier)
            listed = listed || successorCode(*earlier) == successorCode(*successor);
        if (listed) continue;
        const HistoryRecord& continued = continuedRecord(successorRecord(*successor));
        json.beginObject();
        json.key("code");
        json.integerValue(codeOf(continued));
        json.key("name");
        json.textValue(nameOf(continued));
        json.key("status");
        json.textValue(stillInUse(continued) ? "in_use" : "abolished");
        json.endObject();
    }
    json.endArray();
}

void writeSuccessorsOfCode(JsonFragment& json, int32_t code) {
    const HistoryRecord* latest = latestRecord(code);
    if (latest == nullptr || stillInUse(*latest)) {
        json.beginArray();
        json.endArray();
        return;
    }
    writeSuccessors(json, *latest);
}

void writeNow(JsonFragment& json, const HistoryRecord* record) {
    int32_t codes[maxNowCodes];
    const int count = record != nullptr ? nowCodesOfRecord(*record, codes) : 0;
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        json.beginObject();
        json.key("code");
        json.integerValue(codes[i]);
        json.key("name");
        json.textValue(nameOf(*latestRecord(codes[i])));
        json.endObject();
    }
    json.endArray();
}

void writeCodeHistoryFields(RecordWriter& writer, int32_t code, char* scratch) {
    writer.textField(codeStatusName(codeStatus(code)));
    JsonFragment json(scratch, historyFieldCapacity, writer.encoding());
    writeHistory(json, code);
    writer.jsonField(json.data(), json.size());
    json.clear();
    writeSuccessorsOfCode(json, code);
    writer.jsonField(json.data(), json.size());
    json.clear();
    writeNow(json, latestRecord(code));
    writer.jsonField(json.data(), json.size());
}

namespace {

constexpr char checkOrder[] = "0123456789X";

int checkIndex(char check) { return check == 'X' ? 10 : check - '0'; }

}  // namespace

RegionValueCache::RegionValueCache(const RecordWriter& writer, bool withHistory)
    : prototype_(writer),
      withHistory_(withHistory),
      slots_(new Slot[slotCount]),
      rendered_(new char[renderedCapacity]) {
    renderVerdicts();
}

template <typename Write>
bool RegionValueCache::render(Piece& piece, int field, Write write) {
    OutputStream out(rendered_.get() + renderedUsed_, renderedCapacity - renderedUsed_, nullptr, nullptr);
    RecordWriter writer(out, prototype_.format(), prototype_.encoding(), prototype_.keys(), prototype_.keyCount());
    writer.copySettings(prototype_);
    writer.resumeAt(field);
    write(writer);
    if (out.failed()) return false;
    piece.offset = static_cast<uint32_t>(renderedUsed_);
    piece.length = static_cast<uint32_t>(out.size());
    renderedUsed_ += out.size();
    return true;
}

// The fields of every valid number that differ only by its check character,
// and the sex; their field positions are the same for every line of a run.
void RegionValueCache::renderVerdicts() {
    // The keys start at "line" or, for single records, at "input".
    const int shift = prototype_.keys() == verifyRecordKeys ? 0 : 1;
    for (int i = 0; i < checkCount; ++i) {
        render(validVerdict_[i], fieldIndex(VerifyField::valid) - shift, [&](RecordWriter& writer) {
            writer.boolField(true);
            writer.nullFields(2);  // reason, message
            writer.bytesField(&checkOrder[i], 1);
            writer.nullFields(2);  // hint, upgraded
        });
    }
    for (int i = 0; i < keptLengths + 3; ++i) {
        const VerifyRefusal refusal = i < keptLengths ? VerifyRefusal::length
                                      : i == keptLengths ? VerifyRefusal::characters
                                      : i == keptLengths + 1 ? VerifyRefusal::check
                                                             : VerifyRefusal::date;
        render(refusal_[i], fieldIndex(VerifyField::valid) - shift, [&](RecordWriter& writer) {
            char text[160];
            formatMessage(text, sizeof text, refusalText(refusal),
                          static_cast<uint64_t>(i < keptLengths ? i : 0));
            writer.boolField(false);
            writer.textField(refusalName(refusal));
            writer.textField(text);
        });
    }
    const int fieldsAfterUpgraded = recordFieldCount() - fieldIndex(VerifyField::kind);
    for (int check = 0; check <= checkCount; ++check)
        for (int hint = 0; hint < hintCount; ++hint)
            render(refusalTail_[check][hint], fieldIndex(VerifyField::expectedCheck) - shift,
                   [&](RecordWriter& writer) {
                       if (check < checkCount)
                           writer.plainField(&checkOrder[check], 1);
                       else
                           writer.nullField();
                       writer.textField(hintName(static_cast<NumberHint>(hint)));
                       writer.nullField();  // upgraded
                       writer.nullFields(fieldsAfterUpgraded);
                   });
    for (int male = 0; male < 2; ++male)
        render(sex_[male], fieldIndex(VerifyField::sex) - shift,
               [&](RecordWriter& writer) { writer.textField(sexText(male == 1)); });
    verdictsEnd_ = renderedUsed_;
}

void RegionValueCache::clear() {
    for (int i = 0; i < slotCount; ++i) slots_[i].code = -1;
    slotsUsed_ = 0;
    renderedUsed_ = verdictsEnd_;
}

bool RegionValueCache::renderSlot(Slot& slot) {
    const int shift = prototype_.keys() == verifyRecordKeys ? 0 : 1;
    const int32_t code = slot.code;
    // kind and nationality hang on the first six digits only.
    char number[numberLength + 1];
    assembleNumber(number, code, "20000101", 0);
    const bool kindDone = render(slot.kind, fieldIndex(VerifyField::kind) - shift, [&](RecordWriter& writer) {
        writeKindFields(writer, number);
    });
    return kindDone && render(slot.region, fieldIndex(VerifyField::province) - shift, [&](RecordWriter& writer) {
        const RegionTexts region = regionTexts(code);
        writer.textField(region.province);
        writer.textField(region.city);
        writer.textField(region.county);
        if (withHistory_) writeCodeHistoryFields(writer, code, json_);
    });
}

const RegionValueCache::Slot& RegionValueCache::slotOf(int32_t code) {
    // Fibonacci hashing: the top bits of the product mix every bit of the code.
    const uint32_t home = (static_cast<uint32_t>(code) * 2654435761u) >> (32 - slotBits);
    uint32_t index = home;
    for (; slots_[index].code != -1; index = (index + 1) % slotCount)
        if (slots_[index].code == code) return slots_[index];
    if (slotsUsed_ == slotLimit) {
        clear();
        index = home;
    }
    ++slotsUsed_;
    Slot& slot = slots_[index];
    slot.code = code;
    slot.recordCount = 0;
    if (withHistory_) {
        for (const HistoryRecord& record : recordsOfCode(code)) {
            if (slot.recordCount == maxRecords) break;  // the data has no more
            slot.firstYear[slot.recordCount] = static_cast<int16_t>(firstYearOf(record));
            slot.untilYear[slot.recordCount++] = static_cast<int16_t>(untilYearOf(record));
        }
    }
    if (!renderSlot(slot)) {
        // The storage is full: start again with this code alone.
        const Slot kept = slot;
        clear();
        Slot& again = slots_[home];
        again = kept;
        slotsUsed_ = 1;
        renderSlot(again);  // fits: one code's rendering is far below the capacity
        return again;
    }
    return slot;
}

// As the core's inUseAtBirth, from the records kept in the slot: a year
// before the first list is answered by the first list.
bool RegionValueCache::inUseAtBirth(const Slot& slot, int birthYear) const {
    const int year = birthYear < firstListedYear ? firstListedYear : birthYear;
    for (int i = 0; i < slot.recordCount; ++i)
        if (slot.firstYear[i] <= year && (slot.untilYear[i] == 0 || year < slot.untilYear[i])) return true;
    return false;
}

bool RegionValueCache::writeRefusalFields(RecordWriter& writer, VerifyRefusal refusal, uint64_t length) const {
    int index = 0;
    switch (refusal) {
    case VerifyRefusal::length:
        if (length >= static_cast<uint64_t>(keptLengths)) return false;
        index = static_cast<int>(length);
        break;
    case VerifyRefusal::characters: index = keptLengths; break;
    case VerifyRefusal::check: index = keptLengths + 1; break;
    case VerifyRefusal::date: index = keptLengths + 2; break;
    case VerifyRefusal::none: return false;
    }
    copy(writer, refusal_[index], 3);
    return true;
}

int RegionValueCache::recordFieldCount() const { return withHistory_ ? verifyFieldCount : verdictFieldCount; }

void RegionValueCache::writeRefusalTail(RecordWriter& writer, char expectedCheck, NumberHint hint) const {
    copy(writer, refusalTail_[expectedCheck == '\0' ? checkCount : checkIndex(expectedCheck)][static_cast<int>(hint)],
         recordFieldCount() - fieldIndex(VerifyField::expectedCheck));
}

void RegionValueCache::writeValidFields(RecordWriter& writer, const char* number, const VerifyOutcome& outcome) {
    const Slot& slot = slotOf(outcome.regionCode);
    copy(writer, validVerdict_[checkIndex(outcome.expectedCheck)], 6);  // valid to upgraded
    copy(writer, slot.kind, 2);
    writer.plainField(number + birthDateOffset, birthDateLength);
    copy(writer, sex_[outcome.male ? 1 : 0], 1);
    copy(writer, slot.region, withHistory_ ? 7 : 3);
    if (withHistory_) writer.boolField(inUseAtBirth(slot, outcome.birthDate.year));
}
