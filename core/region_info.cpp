#include "core/region_info.h"

RegionInfo regionInfo(int32_t code, int birthYear) {
    RegionInfo info{};
    info.code = code;
    info.kind = kindOfRegionCode(code);
    info.status = codeStatus(code);
    info.fields = regionTexts(code);
    if (info.kind == NumberKind::foreignerCard) {
        info.nationalityCode = code % 1000;
        info.country = findCountry(info.nationalityCode);
    }
    info.inUseAtBirth = inUseAtBirthSpan(code, birthYear);
    return info;
}
