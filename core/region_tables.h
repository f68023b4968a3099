// The built-in region tables and their lookups.
//
// One constant table per province-level unit: a MunicipalTable of districts and
// counties for each of the four municipalities, a ProvinceTable of city-level
// records, each followed by its children, for the 27 provinces and autonomous
// regions. Names are GBK byte strings. Every lookup is a linear scan from the
// first record; the first match wins; "not found" is the table's record count.
#ifndef CORE_REGION_TABLES_H
#define CORE_REGION_TABLES_H

#include <cstdint>

#include "core/gbk_text.h"

struct MunicipalEntry {
    int32_t code;
    char name[256];
};

struct DivisionEntry {
    int32_t code;
    char name[52];
};

struct MunicipalTable {
    const MunicipalEntry* records;
    int count;
    const char* const* namesUtf8;  // records[i].name in UTF-8, for i < count
};

struct ProvinceTable {
    const DivisionEntry* records;
    int count;
    const char* const* namesUtf8;  // records[i].name in UTF-8, for i < count
};

enum class UnitKind { municipality, province };

struct ProvinceUnit {
    int unitCode;
    const char* label;      // item text in the municipality or province list
    const char* fullName;   // text shown in the province field by verification
    UnitKind kind;
    const MunicipalTable* municipalTable;  // set for kind municipality, else null
    const ProvinceTable* provinceTable;    // set for kind province, else null
    int pickerIndex;        // 0-based position of label in its list
    Text labelText;         // label and fullName again, in both encodings
    Text fullNameText;
};

// A run of consecutive records [first, end) of one table.
struct RecordRange {
    int first;
    int end;
};

constexpr int municipalityCount = 4;
constexpr int provinceCount = 27;
constexpr int unitCount = municipalityCount + provinceCount;

// All 31 units in ascending unit code.
extern const ProvinceUnit provinceUnits[unitCount];

// The unit with this unit code, or null when none of the 31 has it.
const ProvinceUnit* findUnit(int unitCode);

// The unit at a position of the municipality list (0-3) or the province
// list (0-26); null for any other index.
const ProvinceUnit* municipalityAt(int pickerIndex);
const ProvinceUnit* provinceAt(int pickerIndex);

// Index of the first record with this code, or the table's count.
int findByCode(const MunicipalTable& table, int32_t code);
int findByCode(const ProvinceTable& table, int32_t code);

// The name of the record at `index` (0 <= index < count) in both encodings.
Text recordName(const MunicipalTable& table, int index);
Text recordName(const ProvinceTable& table, int index);

// Index of the first record whose name equals the text byte for byte, or the
// table's count.
int findByName(const ProvinceTable& table, const char* name);

// A city-level record is one whose code is a multiple of 100.
bool isCityLevel(const DivisionEntry& record);

// Index of the first city-level record at or after `from`, or the table's count.
// Iterating this from 0 visits the city-level records in table order.
int nextCityLevelRecord(const ProvinceTable& table, int from);

// The children of the city-level record at `cityIndex`: the records after it up
// to the next city-level record or the end of the table (possibly none).
RecordRange childRecords(const ProvinceTable& table, int cityIndex);

// Whether the county list offers this child of a city: every child except a
// "市辖区" record, which groups the city's districts and names no county.
bool isListedChild(const DivisionEntry& child);

// A county-level record of a province table: neither city-level nor a
// "市辖区" grouping. With every record of a municipal table, these are the
// records a number can be made for.
bool isCountyLevel(const DivisionEntry& record);

#endif
