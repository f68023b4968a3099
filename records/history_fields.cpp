// The history's JSON values (timeline, successors, codes in use now) and
// the four fields a verify record writes from them.
#include "records/history_fields.h"


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
    const HistoryRecord* successors[maxSuccessorCodes];
    const int count = successorCodesOf(record, successors);
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        const HistoryRecord& continued = *successors[i];
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
