// The batch's cache of rendered verify fields: each region code's fields,
// and the verdict fields that differ only by the check character or the
// refusal, rendered once as the record writer would write them.
#ifndef RECORDS_REGION_VALUE_CACHE_H
#define RECORDS_REGION_VALUE_CACHE_H

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/number_hints.h"
#include "core/region_history.h"
#include "core/verification.h"
#include "records/history_fields.h"
#include "records/record_writer.h"

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

    // Bytes of `rendered_`.
    struct Piece {
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    struct Slot {
        int32_t code = -1;
        Piece kind;     // kind, nationality
        Piece region;   // province, city, county, and code_status to now with the history
        // The core's answers to "in use at birth" asked so far, each with
        // the birth years it holds for: a code changed in 1981-2024 has an
        // answer for the years before the change and one after (rarely
        // more), and a batch's birth years come in no order, so keeping one
        // span would ask the core again on most lines of such a code.
        static constexpr int spanCount = 4;
        InUseAtBirthSpan inUse[spanCount];
        uint8_t spansKept = 0;
        uint8_t nextReplaced = 0;  // when all are kept, the oldest goes
    };

    // Renders the fields from `field` on that `write` writes; false when the
    // storage is full.
    template <typename Write>
    bool render(Piece& piece, int field, Write write);
    void renderVerdicts();
    bool renderSlot(Slot& slot);
    Slot& slotOf(int32_t code);
    void clear();
    static bool inUseAtBirth(Slot& slot, int birthYear);
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
