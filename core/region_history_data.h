// The generated history tables (core/region_history_data.cpp), for the
// lookups in core/region_history.cpp only.
//
// Texts are kept once each, in one pool of NUL-terminated UTF-8 strings; a
// text pool index gives a string's offset. No table holds a pointer, so
// nothing needs relocating at load.
#ifndef CORE_REGION_HISTORY_DATA_H
#define CORE_REGION_HISTORY_DATA_H

#include <cstdint>

#include "core/region_history.h"

// The most records one now lookup reaches, its start included: the size of
// its work list. The generated file checks that the data stays within it.
constexpr int nowSearchCapacity = 32;

extern const int historyRecordCount;
extern const HistoryRecord historyRecords[];

extern const HistorySuccessor historySuccessors[];

extern const uint16_t historyTextOffsets[];
extern const char historyTexts[];

#endif
