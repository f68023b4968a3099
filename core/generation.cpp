// Generation of one number: the region from the picks, the birth date's
// verdict, and the assembled number.
#include "core/generation.h"

#include <cstring>

#include "core/region_tables.h"

namespace {

RegionPick refused(GenerateRefusal refusal) { return {refusal, 0}; }

}  // namespace

RegionPick regionFromMunicipalPicks(int municipalityIndex, int districtIndex) {
    if (municipalityIndex < 0) return refused(GenerateRefusal::noMunicipality);
    if (districtIndex < 0) return refused(GenerateRefusal::noDistrict);
    const ProvinceUnit* unit = municipalityAt(municipalityIndex);
    // The district list holds the municipality's table in table order, so its
    // index is a record index; anything else names no district.
    if (unit == nullptr || districtIndex >= unit->municipalTable->count) return refused(GenerateRefusal::unknownRegion);
    return {GenerateRefusal::none, unit->municipalTable->records[districtIndex].code};
}

RegionPick regionFromProvincialPicks(int provinceIndex, int cityIndex, const char* cityName, int countyIndex,
                                     const char* countyName) {
    // With no province picked the city list is empty: no city can be picked.
    if (cityIndex < 0) return refused(GenerateRefusal::noCity);
    if (countyIndex < 0) return refused(GenerateRefusal::noCounty);
    const ProvinceUnit* unit = provinceAt(provinceIndex);
    if (unit == nullptr) return refused(GenerateRefusal::unknownRegion);
    const ProvinceTable& table = *unit->provinceTable;
    const int city = findByName(table, cityName);
    if (city == table.count || !isCityLevel(table.records[city])) return refused(GenerateRefusal::unknownRegion);
    const RecordRange children = childRecords(table, city);
    for (int i = children.first; i < children.end; ++i) {
        if (std::strcmp(table.records[i].name, countyName) == 0) return {GenerateRefusal::none, table.records[i].code};
    }
    return refused(GenerateRefusal::unknownRegion);
}

GenerateRefusal judgeBirthDate(const char* birthDate, int wholeLength, int yearLimit) {
    if (wholeLength != birthDateLength) return GenerateRefusal::birthDateNotEightBytes;
    // The field takes only digit keys, but pasted text is not filtered: a date
    // that is not all digits would make a number that is not one.
    if (!allDigits(birthDate, birthDateLength) || !withinDateLimits(birthDateAt(birthDate), yearLimit))
        return GenerateRefusal::birthDateValue;
    return GenerateRefusal::none;
}

GeneratedNumber generateNumberText(int regionCode, const char* birthDate, int wholeLength, int yearLimit,
                                   int drawn, SexChoice sex) {
    GeneratedNumber generated{};
    generated.refusal = judgeBirthDate(birthDate, wholeLength, yearLimit);
    if (generated.refusal != GenerateRefusal::none) return generated;
    if (!assembleNumber(generated.number, regionCode, birthDate, sequenceNumberFor(drawn, sex)))
        generated.refusal = GenerateRefusal::cannotAssemble;
    return generated;
}
