// Codes by kind: binary search in the residents' table, the three permits,
// and a card's unit and country by their tables' positions.
#include "core/scan_regions.h"

#include <algorithm>

#include "core/nationality.h"
#include "core/region_tables.h"

namespace {

constexpr int32_t permitCodes[] = {810000, 820000, 830000};
constexpr int permitCount = 3;

// A card's code: 9, the unit's two digits, the country's three.
int cardUnitIndex(int32_t code) {
    const ProvinceUnit* unit = findUnit(code / 1000 % 100);
    return unit != nullptr ? static_cast<int>(unit - provinceUnits) : -1;
}

int cardCountryIndex(int32_t code) {
    const Country* country = findCountry(code % 1000);
    return country != nullptr ? static_cast<int>(country - countries) : -1;
}

int residentIndex(int32_t code) {
    const int32_t* end = residentRegionCodes + residentRegionCount;
    const int32_t* found = std::lower_bound(residentRegionCodes, end, code);
    return found != end && *found == code ? static_cast<int>(found - residentRegionCodes) : -1;
}

}  // namespace

NumberKind kindOfRegion(int32_t code) {
    if (code / 100000 == 9) return NumberKind::foreignerCard;
    return code == 810000 || code == 820000 || code == 830000 ? NumberKind::hmtPermit : NumberKind::resident;
}

bool isScanRegion(int32_t code) {
    if (code < 100000 || code > 999999) return false;
    switch (kindOfRegion(code)) {
    case NumberKind::foreignerCard: return cardUnitIndex(code) >= 0 && cardCountryIndex(code) >= 0;
    case NumberKind::hmtPermit: return true;
    default: return residentIndex(code) >= 0;
    }
}

int regionCountOfKind(NumberKind kind) {
    switch (kind) {
    case NumberKind::foreignerCard: return unitCount * countryCount;
    case NumberKind::hmtPermit: return permitCount;
    default: return residentRegionCount;
    }
}

int regionPosition(int32_t code) {
    switch (kindOfRegion(code)) {
    case NumberKind::foreignerCard: return cardUnitIndex(code) * countryCount + cardCountryIndex(code);
    case NumberKind::hmtPermit:
        return static_cast<int>(std::find(permitCodes, permitCodes + permitCount, code) - permitCodes);
    default: return residentIndex(code);
    }
}

int32_t regionAtPosition(NumberKind kind, int position) {
    switch (kind) {
    case NumberKind::foreignerCard:
        return 900000 + provinceUnits[position / countryCount].unitCode * 1000 +
               countries[position % countryCount].numeric;
    case NumberKind::hmtPermit: return permitCodes[position];
    default: return residentRegionCodes[position];
    }
}
