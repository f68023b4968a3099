// What the history of region codes says of a code, as JSON values for
// records: its timeline, its successors and the codes its area is in now.
#ifndef RECORDS_HISTORY_FIELDS_H
#define RECORDS_HISTORY_FIELDS_H

#include <cstdint>
#include <memory>

#include "core/region_history.h"
#include "core/verification.h"
#include "records/record_writer.h"

// Room for any of the values below (a code has at most three records and a
// handful of successors).
constexpr std::size_t historyFieldCapacity = 4096;

// [{"name","province","prefecture","from","until"}, ...]: the code's records
// in time order, until null while in use; [] for a code no record has.
void writeHistory(JsonFragment& json, int32_t code, Encoding encoding);

// [{"code","name","status"}, ...]: the codes that took over the area of
// `record` (each once), each with the name it went on under (see
// continuedRecord) and "in_use" or "abolished" for that record.
void writeSuccessors(JsonFragment& json, const HistoryRecord& record, Encoding encoding);

// The same for a code: the successors of its last record once that has
// ended; [] while the code is in use, or when no record has it.
void writeSuccessorsOfCode(JsonFragment& json, int32_t code, Encoding encoding);

// [{"code","name"}, ...]: the codes in use now that the area went to,
// following successors to their end; [] while in use or when they lead
// nowhere.
void writeNow(JsonFragment& json, const HistoryRecord* record, Encoding encoding);

// Writes code_status, history, successors and now of a code as fields of a
// verify record, with `scratch` (historyFieldCapacity bytes) as room for the
// JSON values.
void writeCodeHistoryFields(RecordWriter& writer, int32_t code, char* scratch);

// What verify writes for the region code of a valid number: the texts of the
// dialog's three region fields and, when asked for, the five history fields
// (code_status, history, successors, now, in_use_at_birth). A batch meets the
// same codes again and again, so each code's values are worked out once and
// kept: its region texts, and its first four history fields rendered as the
// record writer would write them. After that a line costs a lookup and a
// copy. The storage is set aside when the cache is made; nothing allocates
// per line.
class RegionValueCache {
public:
    // For records of `writer`'s format, encoding, keys and settings (the
    // writer outlives the cache), whose history fields start at
    // `firstHistoryField`; `withHistory` false leaves them out.
    RegionValueCache(const RecordWriter& writer, int firstHistoryField, bool withHistory);

    // The first of the history's fields that are rendered ahead, and how many
    // there are (code_status to now); in_use_at_birth, which depends on the
    // birth year, is written for each record.
    static constexpr int renderedFieldCount = 4;

    void writeRegionFields(RecordWriter& writer, int32_t code);
    void writeHistoryFields(RecordWriter& writer, int32_t code, int birthYear);

private:
    // Open addressing by a hash of the code. The built-in tables have 3478
    // codes, and the longest rendering is about 1 KB (a CSV cell doubles the
    // quotes of its JSON). A batch of more distinct codes than the slots or
    // the storage hold empties the cache and starts again.
    static constexpr int slotBits = 13;
    static constexpr int slotCount = 1 << slotBits;
    static constexpr int slotLimit = slotCount / 4 * 3;
    static constexpr std::size_t renderedCapacity = std::size_t{4} << 20;
    static constexpr int maxRecords = 3;  // records of one code, at most

    struct Slot {
        int32_t code = -1;
        RegionTexts region;
        uint32_t renderedOffset;  // code_status to now, in rendered_
        uint32_t renderedLength;
        int8_t recordCount;
        int16_t firstYear[maxRecords];
        int16_t untilYear[maxRecords];  // 0 while in use
    };

    const Slot& slotOf(int32_t code);
    bool render(Slot& slot);
    void clear();
    bool inUseAtBirth(const Slot& slot, int birthYear) const;

    const RecordWriter& prototype_;  // format, encoding, keys and settings
    int firstHistoryField_;
    bool withHistory_;
    std::unique_ptr<Slot[]> slots_;
    int slotsUsed_ = 0;
    std::unique_ptr<char[]> rendered_;
    std::size_t renderedUsed_ = 0;
    char json_[historyFieldCapacity];
};

#endif
