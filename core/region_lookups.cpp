// Lookups in the region tables: the first match wins, and "not found" is the
// table's record count. Names are found by a scan from the first record;
// codes, which ascend, by halving. Nothing is indexed or sorted at run time.
#include "core/region_tables.h"

#include <cstring>

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

// --- Records, whatever the kind of table -------------------------------------

static int tableCount(const ProvinceUnit& unit) {
    return unit.kind == UnitKind::municipality ? unit.municipalTable->count : unit.provinceTable->count;
}

int32_t codeOf(const RegionRecord& record) {
    return record.unit->kind == UnitKind::municipality ? record.unit->municipalTable->records[record.index].code
                                                       : record.unit->provinceTable->records[record.index].code;
}

const char* nameOf(const RegionRecord& record) {
    return record.unit->kind == UnitKind::municipality ? record.unit->municipalTable->records[record.index].name
                                                       : record.unit->provinceTable->records[record.index].name;
}

RecordLevel levelOf(const RegionRecord& record) {
    if (record.unit->kind == UnitKind::municipality) return RecordLevel::county;
    const DivisionEntry& entry = record.unit->provinceTable->records[record.index];
    if (isCityLevel(entry)) return RecordLevel::city;
    return isListedChild(entry) ? RecordLevel::county : RecordLevel::group;
}

bool findRecord(int32_t code, RegionRecord& record) {
    const ProvinceUnit* unit = findUnit(code / 10000);
    if (unit == nullptr) return false;
    const int index = unit->kind == UnitKind::municipality ? findByCode(*unit->municipalTable, code)
                                                           : findByCode(*unit->provinceTable, code);
    if (index == tableCount(*unit)) return false;
    record = {unit, index};
    return true;
}

bool findRecordByName(const ProvinceUnit& unit, const char* name, RegionRecord& record) {
    for (const RegionRecord candidate : recordsOf(unit)) {
        if (std::strcmp(nameOf(candidate), name) == 0) {
            record = candidate;
            return true;
        }
    }
    return false;
}

bool cityOf(const RegionRecord& record, RegionRecord& city) {
    if (record.unit->kind == UnitKind::municipality) return false;
    const int32_t code = codeOf(record);
    const ProvinceTable& table = *record.unit->provinceTable;
    const int found = findByCode(table, code / 100 * 100);
    if (found == table.count || found == record.index) return false;
    city = {record.unit, found};
    return true;
}

static bool passes(const ProvinceUnit& unit, int index, RecordFilter filter) {
    if (filter == RecordFilter::all) return true;
    if (unit.kind == UnitKind::municipality) return filter == RecordFilter::countyLevel;
    const DivisionEntry& entry = unit.provinceTable->records[index];
    switch (filter) {
    case RecordFilter::countyLevel: return isCountyLevel(entry);
    case RecordFilter::cityLevel: return isCityLevel(entry);
    case RecordFilter::listedChildren: return isListedChild(entry);
    case RecordFilter::all: break;
    }
    return true;
}

RegionRecords::Iterator::Iterator(const ProvinceUnit* unit, int index, int end, RecordFilter filter)
    : unit_(unit), index_(index), end_(end), filter_(filter) {
    skipFiltered();
}

void RegionRecords::Iterator::skipFiltered() {
    while (index_ < end_ && !passes(*unit_, index_, filter_)) ++index_;
}

RegionRecords::Iterator& RegionRecords::Iterator::operator++() {
    ++index_;
    skipFiltered();
    return *this;
}

RegionRecords recordsOf(const ProvinceUnit& unit) {
    return {unit, 0, tableCount(unit), RecordFilter::all};
}

RegionRecords countyRecordsOf(const ProvinceUnit& unit) {
    return {unit, 0, tableCount(unit), RecordFilter::countyLevel};
}

RegionRecords cityRecordsOf(const ProvinceUnit& unit) {
    return {unit, 0, unit.kind == UnitKind::province ? tableCount(unit) : 0, RecordFilter::cityLevel};
}

RegionRecords countyListOf(const RegionRecord& city) {
    const ProvinceUnit& unit = *city.unit;
    if (unit.kind != UnitKind::province || levelOf(city) != RecordLevel::city)
        return {unit, 0, 0, RecordFilter::listedChildren};
    const RecordRange children = childRecords(*unit.provinceTable, city.index);
    return {unit, children.first, children.end, RecordFilter::listedChildren};
}
