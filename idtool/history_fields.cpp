#include "idtool/history_fields.h"

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
        json.integerValue(record.firstYear);
        json.key("until");
        if (stillInUse(record))
            json.nullValue();
        else
            json.integerValue(record.untilYear);
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
        json.integerValue(continued.code);
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
