// The generated history tables (core/region_history_data.cpp), for the
// lookups in core/region_history.cpp only.
//
// Texts are kept once each, in two pools of NUL-terminated strings, GBK and
// UTF-8, in the same order; a text pool index gives each string's offset in
// both. No table holds a pointer, so nothing needs relocating at load.
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

extern const uint16_t historyGbkOffsets[];
extern const char historyGbkTexts[];
extern const uint16_t historyUtf8Offsets[];
extern const char historyUtf8Texts[];

#endif
