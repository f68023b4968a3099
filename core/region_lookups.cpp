// Lookups in the region tables: the first match wins, and "not found" is the
// table's record count. Names are found by a scan from the first record;
// codes, which ascend, by halving. Nothing is indexed or sorted at run time.
#include "core/region_tables.h"

#include <cstring>

#include "core/gbk_text.h"

const ProvinceUnit* findUnit(int unitCode) {
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.unitCode == unitCode) return &unit;
    }
    return nullptr;
}

static const ProvinceUnit* unitAtPickerIndex(UnitKind kind, int pickerIndex) {
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.kind == kind && unit.pickerIndex == pickerIndex) return &unit;
    }
    return nullptr;
}

const ProvinceUnit* municipalityAt(int pickerIndex) {
    return unitAtPickerIndex(UnitKind::municipality, pickerIndex);
}

const ProvinceUnit* provinceAt(int pickerIndex) {
    return unitAtPickerIndex(UnitKind::province, pickerIndex);
}

// Both kinds of table are searched alike. Codes strictly ascend in every
// table (the generator and the table tests hold it), so a binary search
// finds the one record with the code, which is the first match a scan
// from the start would find.
template <typename Table>
static int indexOfCode(const Table& table, int32_t code) {
    int low = 0, high = table.count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (table.records[middle].code < code)
            low = middle + 1;
        else
            high = middle;
    }
    return low < table.count && table.records[low].code == code ? low : table.count;
}

int findByCode(const MunicipalTable& table, int32_t code) { return indexOfCode(table, code); }

int findByCode(const ProvinceTable& table, int32_t code) { return indexOfCode(table, code); }

Text recordName(const MunicipalTable& table, int index) {
    return Text{table.records[index].name, table.namesUtf8[index]};
}

Text recordName(const ProvinceTable& table, int index) {
    return Text{table.records[index].name, table.namesUtf8[index]};
}

int findByName(const ProvinceTable& table, const char* name) {
    // Every stored name is NUL-terminated inside its field, so strcmp stops
    // within the record; equality includes the terminator (no prefix match).
    for (int i = 0; i < table.count; ++i) {
        if (std::strcmp(table.records[i].name, name) == 0) return i;
    }
    return table.count;
}

bool isCityLevel(const DivisionEntry& record) { return record.code % 100 == 0; }

int nextCityLevelRecord(const ProvinceTable& table, int from) {
    for (int i = from < 0 ? 0 : from; i < table.count; ++i) {
        if (isCityLevel(table.records[i])) return i;
    }
    return table.count;
}

RecordRange childRecords(const ProvinceTable& table, int cityIndex) {
    if (cityIndex < 0 || cityIndex >= table.count) return {table.count, table.count};
    const int first = cityIndex + 1;
    return {first, nextCityLevelRecord(table, first)};
}

bool isListedChild(const DivisionEntry& child) {
    return std::strcmp(child.name, "市辖区") != 0;
}

bool isCountyLevel(const DivisionEntry& record) { return !isCityLevel(record) && isListedChild(record); }
