// Matching is byte for byte, in the query's encoding: names are converted to
// it, never the query, and nothing is case-folded.
#include "core/region_search.h"

#include <cstring>

#include "core/gbk_table.h"
#include "core/region_resolution.h"

namespace {

bool codeStartsWith(int32_t code, const RegionQuery& query) {
    if (query.length > 6) return false;
    char digits[6];
    for (int i = 5; i >= 0; --i, code /= 10) digits[i] = static_cast<char>('0' + code % 10);
    return std::memcmp(digits, query.text, query.length) == 0;
}

bool nameContains(const char* name, const RegionQuery& query) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(name);
    const std::size_t length = std::strlen(name);
    for (std::size_t at = 0; at + query.length <= length;
         at += characterStep(bytes + at, length - at, query.encoding)) {
        if (std::memcmp(name + at, query.text, query.length) == 0) return true;
    }
    return false;
}

}  // namespace

bool matchesQuery(int32_t code, const char* name, const RegionQuery& query) {
    return codeStartsWith(code, query) || nameContains(name, query);
}

bool matchesRecordName(int32_t code, const char* utf8Name, const RegionQuery& query) {
    if (query.encoding == Encoding::utf8) return matchesQuery(code, utf8Name, query);
    char gbkName[maxRegionTextLength + 1];  // a name of the tables or the history is shorter
    const std::size_t length = utf8ToGbk(utf8Name, std::strlen(utf8Name), gbkName, sizeof gbkName - 1);
    gbkName[length] = '\0';
    return matchesQuery(code, gbkName, query);
}

namespace {

int recordCountOf(const ProvinceUnit& unit) {
    return unit.kind == UnitKind::municipality ? unit.municipalTable->count : unit.provinceTable->count;
}

}  // namespace

bool nextMatchingRecord(const RegionQuery& query, std::size_t& cursor, RegionRecord& record) {
    // The cursor is a position across the units' tables in order: the units
    // before it are skipped by their counts.
    std::size_t unitStart = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        const std::size_t count = static_cast<std::size_t>(recordCountOf(unit));
        for (std::size_t index = cursor > unitStart ? cursor - unitStart : 0; index < count; ++index) {
            const RegionRecord candidate{&unit, static_cast<int>(index)};
            if (!matchesRecordName(codeOf(candidate), nameOf(candidate), query)) continue;
            cursor = unitStart + index + 1;
            record = candidate;
            return true;
        }
        unitStart += count;
    }
    cursor = unitStart;
    return false;
}

const char* levelName(RecordLevel level) {
    switch (level) {
    case RecordLevel::city: return "city";
    case RecordLevel::group: return "group";
    case RecordLevel::county: break;
    }
    return "county";
}

const char* levelName(RegionLevel level) {
    switch (level) {
    case RegionLevel::province: return "province";
    case RegionLevel::prefecture: return "prefecture";
    case RegionLevel::county: break;
    }
    return "county";
}
