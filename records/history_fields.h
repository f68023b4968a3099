// What the history of region codes says of a code, as JSON values for
// records (in the JSON fragment's encoding): its timeline, its successors and
// the codes its area is in now.
#ifndef RECORDS_HISTORY_FIELDS_H
#define RECORDS_HISTORY_FIELDS_H

#include <cstdint>

#include "core/region_history.h"
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

#endif
