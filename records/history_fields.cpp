// The history's JSON values (timeline, successors, codes in use now), the
// four fields verify writes from them, and the batch's cache that renders
// each code's fields once.
#include "records/history_fields.h"

void writeHistory(JsonFragment& json, int32_t code, Encoding encoding) {
    json.beginArray();
    for (const HistoryRecord& record : recordsOfCode(code)) {
        json.beginObject();
        json.key("name");
        json.textValue(textIn(nameOf(record), encoding));
        json.key("province");
        json.textValue(textIn(provinceOf(record), encoding));
        json.key("prefecture");
        json.textValue(textIn(prefectureOf(record), encoding));
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

void writeSuccessors(JsonFragment& json, const HistoryRecord& record, Encoding encoding) {
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
        json.textValue(textIn(nameOf(continued), encoding));
        json.key("status");
        json.textValue(stillInUse(continued) ? "in_use" : "abolished");
        json.endObject();
    }
    json.endArray();
}

void writeSuccessorsOfCode(JsonFragment& json, int32_t code, Encoding encoding) {
    const HistoryRecord* latest = latestRecord(code);
    if (latest == nullptr || stillInUse(*latest)) {
        json.beginArray();
        json.endArray();
        return;
    }
    writeSuccessors(json, *latest, encoding);
}

void writeNow(JsonFragment& json, const HistoryRecord* record, Encoding encoding) {
    int32_t codes[maxNowCodes];
    const int count = record != nullptr ? nowCodesOfRecord(*record, codes) : 0;
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        json.beginObject();
        json.key("code");
        json.integerValue(codes[i]);
        json.key("name");
        json.textValue(textIn(nameOf(*latestRecord(codes[i])), encoding));
        json.endObject();
    }
    json.endArray();
}

RegionValueCache::RegionValueCache(const RecordWriter& writer, int firstHistoryField, bool withHistory)
    : prototype_(writer),
      firstHistoryField_(firstHistoryField),
      withHistory_(withHistory),
      slots_(new Slot[slotCount]),
      rendered_(withHistory ? new char[renderedCapacity] : nullptr) {}

void RegionValueCache::clear() {
    for (int i = 0; i < slotCount; ++i) slots_[i].code = -1;
    slotsUsed_ = 0;
    renderedUsed_ = 0;
}

void writeCodeHistoryFields(RecordWriter& writer, int32_t code, char* scratch) {
    const Encoding encoding = writer.encoding();
    writer.textField(codeStatusName(codeStatus(code)));
    JsonFragment json(scratch, historyFieldCapacity, encoding);
    writeHistory(json, code, encoding);
    writer.jsonField(json.data(), json.size());
    json.clear();
    writeSuccessorsOfCode(json, code, encoding);
    writer.jsonField(json.data(), json.size());
    json.clear();
    writeNow(json, latestRecord(code), encoding);
    writer.jsonField(json.data(), json.size());
}

// code_status, history, successors and now of the slot's code, rendered by
// a writer of the same kind resumed at code_status, after what is kept.
// False when the storage is full.
bool RegionValueCache::render(Slot& slot) {
    OutputStream out(rendered_.get() + renderedUsed_, renderedCapacity - renderedUsed_, nullptr, nullptr);
    RecordWriter writer(out, prototype_.format(), prototype_.encoding(), prototype_.keys(), prototype_.keyCount());
    writer.copySettings(prototype_);
    writer.resumeAt(firstHistoryField_);
    writeCodeHistoryFields(writer, slot.code, json_);
    if (out.failed()) return false;
    slot.renderedOffset = static_cast<uint32_t>(renderedUsed_);
    slot.renderedLength = static_cast<uint32_t>(out.size());
    renderedUsed_ += out.size();
    return true;
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
    slot.region = regionTexts(code);
    if (!withHistory_) return slot;

    slot.recordCount = 0;
    for (const HistoryRecord& record : recordsOfCode(code)) {
        if (slot.recordCount == maxRecords) break;  // the data has no more
        slot.firstYear[slot.recordCount] = static_cast<int16_t>(firstYearOf(record));
        slot.untilYear[slot.recordCount++] = static_cast<int16_t>(untilYearOf(record));
    }
    if (!render(slot)) {
        // The storage is full: start again with this code alone.
        const Slot kept = slot;
        clear();
        Slot& again = slots_[home];
        again = kept;
        slotsUsed_ = 1;
        render(again);  // fits: one code's rendering is far below the capacity
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

void RegionValueCache::writeRegionFields(RecordWriter& writer, int32_t code) {
    const Slot& slot = slotOf(code);
    writer.textField(slot.region.province);
    writer.textField(slot.region.city);
    writer.textField(slot.region.county);
}

void RegionValueCache::writeHistoryFields(RecordWriter& writer, int32_t code, int birthYear) {
    const Slot& slot = slotOf(code);
    writer.renderedFields(rendered_.get() + slot.renderedOffset, slot.renderedLength, renderedFieldCount);
    writer.boolField(inUseAtBirth(slot, birthYear));
}
