// What the history of region codes says of a code, as JSON values for
// records (in the JSON fragment's encoding): its timeline, its successors and
// the codes its area is in now.
#ifndef RECORDS_HISTORY_FIELDS_H
#define RECORDS_HISTORY_FIELDS_H

#include <cstdint>
#include <memory>

#include "core/number_hints.h"
#include "core/region_history.h"
#include "core/verification.h"
#include "records/record_writer.h"

// Room for any of the values below (a code has at most three records and a
// handful of successors).
constexpr std::size_t historyFieldCapacity = 4096;

// [{"name","province","prefecture","from","until"}, ...]: the code's records
// in time order, until null while in use; [] for a code no record has.
void writeHistory(JsonFragment& json, int32_t code);

// [{"code","name","status"}, ...]: the codes that took over the area of
// `record` (each once), each with the name it went on under (see
// continuedRecord) and "in_use" or "abolished" for that record.
void writeSuccessors(JsonFragment& json, const HistoryRecord& record);

// The same for a code: the successors of its last record once that has
// ended; [] while the code is in use, or when no record has it.
void writeSuccessorsOfCode(JsonFragment& json, int32_t code);

// [{"code","name"}, ...]: the codes in use now that the area went to,
// following successors to their end; [] while in use or when they lead
// nowhere.
void writeNow(JsonFragment& json, const HistoryRecord* record);

// Writes code_status, history, successors and now of a code as fields of a
// verify record, with `scratch` (historyFieldCapacity bytes) as room for the
// JSON values.
void writeCodeHistoryFields(RecordWriter& writer, int32_t code, char* scratch);

// What verify writes for a valid number after its line and input: every
// field from valid to in_use_at_birth. A batch meets the same codes again
// and again, so each code's fields (kind and nationality; the three region
// fields and, when asked for, code_status to now) are rendered once as the
// record writer would write them, and so are the verdict's fields, which
// differ only by the check character, and the two sexes. After that a valid
// line costs a lookup and a few copies. The storage is set aside when the
// cache is made; nothing allocates per line.
class RegionValueCache {
public:
    // For records of `writer`'s format, encoding, keys and settings (the
    // writer outlives the cache), with the history's fields when
    // `withHistory`.
    RegionValueCache(const RecordWriter& writer, bool withHistory);

    // Fields valid to in_use_at_birth of the valid number at `number`.
    void writeValidFields(RecordWriter& writer, const char* number, const VerifyOutcome& outcome);
    // Fields valid, reason and message of a refused line of `length` bytes;
    // false, writing nothing, for a length the cache does not keep (longer
    // than a held line).
    bool writeRefusalFields(RecordWriter& writer, VerifyRefusal refusal, uint64_t length) const;
    // Fields expected_check to the last of a refused line whose hint is not
    // fifteen_digits (whose upgraded number differs from line to line):
    // every one after upgraded is null. `expectedCheck` is '\0' for none.
    void writeRefusalTail(RecordWriter& writer, char expectedCheck, NumberHint hint) const;

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

    // Bytes of `rendered_`.
    struct Piece {
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    struct Slot {
        int32_t code = -1;
        Piece kind;     // kind, nationality
        Piece region;   // province, city, county, and code_status to now with the history
        int8_t recordCount;
        int16_t firstYear[maxRecords];
        int16_t untilYear[maxRecords];  // 0 while in use
    };

    // Renders the fields from `field` on that `write` writes; false when the
    // storage is full.
    template <typename Write>
    bool render(Piece& piece, int field, Write write);
    void renderVerdicts();
    bool renderSlot(Slot& slot);
    const Slot& slotOf(int32_t code);
    void clear();
    bool inUseAtBirth(const Slot& slot, int birthYear) const;
    // The fields of the records of the run: with the history's, or without.
    int recordFieldCount() const;
    void copy(RecordWriter& writer, const Piece& piece, int fieldCount) const {
        writer.renderedFields(rendered_.get() + piece.offset, piece.length, fieldCount);
    }

    const RecordWriter& prototype_;  // format, encoding, keys and settings
    bool withHistory_;
    std::unique_ptr<Slot[]> slots_;
    int slotsUsed_ = 0;
    std::unique_ptr<char[]> rendered_;
    std::size_t renderedUsed_ = 0;
    std::size_t verdictsEnd_ = 0;  // the verdicts and sexes, kept when the codes are cleared
    static constexpr int checkCount = 11;  // the check characters '0'-'9', 'X'
    Piece validVerdict_[checkCount];      // valid to upgraded, by the check character
    Piece sex_[2];                 // female, male
    // valid, reason and message of a refusal: length by the line's length
    // (0 to the held limit), then characters, check, date.
    static constexpr int keptLengths = 65;
    Piece refusal_[keptLengths + 3];
    // expected_check to the last field of a refusal, by the check character
    // (then none, at checkCount) and the hint.
    static constexpr int hintCount = static_cast<int>(NumberHint::spaces) + 1;
    Piece refusalTail_[checkCount + 1][hintCount];
    char json_[historyFieldCapacity];
};

#endif
