// The built-in region tables and their lookups.
//
// One constant table per province-level unit: a MunicipalTable of districts and
// counties for each of the four municipalities, a ProvinceTable of city-level
// records, each followed by its children, for the 27 provinces and autonomous
// regions. Names are UTF-8, each held once. Every lookup is a linear scan
// from the first record; the first match wins; "not found" is the table's
// record count.
#ifndef CORE_REGION_TABLES_H
#define CORE_REGION_TABLES_H

#include <cstdint>

#include "core/text_encoding.h"

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
};

struct ProvinceTable {
    const DivisionEntry* records;
    int count;
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

// --- Records, whatever the kind of table -------------------------------------
//
// Faces read the tables through these: one kind of record for both kinds of
// table, and ranges to iterate, so that no face branches on municipalities.

// One record of the 2009 tables: a unit and a position in its table.
struct RegionRecord {
    const ProvinceUnit* unit;
    int index;
};

enum class RecordLevel {
    county,  // a municipality's district or county, or a county-level record under a city
    city,    // a city-level record of a province (code ending in 00)
    group,   // a "市辖区" record, which groups a city's districts
};

int32_t codeOf(const RegionRecord& record);
const char* nameOf(const RegionRecord& record);
RecordLevel levelOf(const RegionRecord& record);

// The record with this code, by its unit's table; false when no table has it.
bool findRecord(int32_t code, RegionRecord& record);

// The first record of a unit's table whose name equals `name` byte for byte;
// false when none has it.
bool findRecordByName(const ProvinceUnit& unit, const char* name, RegionRecord& record);

// The city a record stands under, as every face but the dialog's lists sees
// it: the record whose code is the record's code / 100 * 100, when its
// unit's table has one and that is not the record itself. False, with
// `city` untouched, for a county directly under its province (419001 济源市),
// for a municipality's districts and for city-level records. (The dialog's
// lists go by table position instead, which puts 济源市 after 驻马店市's
// counties.)
bool cityOf(const RegionRecord& record, RegionRecord& city);

// The records of one unit's table from `first` to `end` that pass a filter,
// in table order; usable in a range-for.
enum class RecordFilter { all, countyLevel, cityLevel, listedChildren };

class RegionRecords {
public:
    class Iterator {
    public:
        RegionRecord operator*() const { return {unit_, index_}; }
        Iterator& operator++();
        bool operator!=(const Iterator& other) const { return index_ != other.index_; }

    private:
        friend class RegionRecords;
        Iterator(const ProvinceUnit* unit, int index, int end, RecordFilter filter);
        void skipFiltered();
        const ProvinceUnit* unit_;
        int index_;
        int end_;
        RecordFilter filter_;
    };

    RegionRecords(const ProvinceUnit& unit, int first, int end, RecordFilter filter)
        : unit_(&unit), first_(first), end_(end), filter_(filter) {}
    Iterator begin() const { return Iterator(unit_, first_, end_, filter_); }
    Iterator end() const { return Iterator(unit_, end_, end_, filter_); }

private:
    const ProvinceUnit* unit_;
    int first_;
    int end_;
    RecordFilter filter_;
};

// Every record of a unit's table.
RegionRecords recordsOf(const ProvinceUnit& unit);
// The records a number can be made for: every record of a municipality, the
// county-level records of a province.
RegionRecords countyRecordsOf(const ProvinceUnit& unit);
// A province's city-level records (none for a municipality).
RegionRecords cityRecordsOf(const ProvinceUnit& unit);
// What the dialog's county list offers under a city-level record: the
// children that follow it in its table (up to the next city-level record),
// but the "市辖区" grouping. Empty for anything but a city-level record.
RegionRecords countyListOf(const RegionRecord& city);

// Calls visit(record) for every record a number can be made for, in table
// order, unit by unit; stops early when it returns false.
template <typename Visit>
void forEachCountyRecord(Visit visit) {
    for (const ProvinceUnit& unit : provinceUnits)
        for (RegionRecord record : countyRecordsOf(unit))
            if (!visit(record)) return;
}

#endif
