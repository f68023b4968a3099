// The batch's cache of rendered verify fields: renders each code's fields
// and the verdicts once, then copies them into every record that needs them.
#include "records/region_value_cache.h"

#include "core/number_rules.h"
#include "records/verify_record.h"

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

RegionValueCache::Slot& RegionValueCache::slotOf(int32_t code) {
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
    slot.inUse[0] = inUseAtBirthSpan(code, firstListedYear);
    slot.spansKept = 1;
    slot.nextReplaced = 0;
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

// The kept answer whose span holds the year, or the core's, then kept.
bool RegionValueCache::inUseAtBirth(Slot& slot, int birthYear) {
    for (int i = 0; i < slot.spansKept; ++i)
        if (birthYear >= slot.inUse[i].firstYear && birthYear <= slot.inUse[i].lastYear) return slot.inUse[i].inUse;
    int index = slot.spansKept;
    if (index < Slot::spanCount) {
        ++slot.spansKept;
    } else {
        index = slot.nextReplaced;
        slot.nextReplaced = static_cast<uint8_t>((index + 1) % Slot::spanCount);
    }
    slot.inUse[index] = inUseAtBirthSpan(slot.code, birthYear);
    return slot.inUse[index].inUse;
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
    Slot& slot = slotOf(outcome.regionCode);
    copy(writer, validVerdict_[checkIndex(outcome.expectedCheck)], 6);  // valid to upgraded
    copy(writer, slot.kind, 2);
    writer.plainField(number + birthDateOffset, birthDateLength);
    copy(writer, sex_[outcome.male ? 1 : 0], 1);
    copy(writer, slot.region, withHistory_ ? 7 : 3);
    if (withHistory_) writer.boolField(inUseAtBirth(slot, outcome.birthDate.year));
}
