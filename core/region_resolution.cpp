// Region resolution by code, name or path over the county-level records of
// the 2009 tables, and by code over the history. A name is first matched
// byte for byte and, only when nothing matches, again without blanks: a
// user who types the plain name of "蓟　县" gets it, and a name that matches
// exactly is never made ambiguous by a blank-less twin.
#include "core/region_resolution.h"

#include <cstring>

#include "core/gbk_table.h"
#include "core/number_rules.h"
#include "core/text_buffer.h"

namespace {

// Names compared without their blanks (ASCII and ideographic spaces) and the
// "(*)" mark, so that 蓟县 finds "蓟　县" and 江源区 finds "  江源区".
bool sameNameIgnoringBlanks(const char* name, const char* wanted) {
    const char* ideographicSpace = "\u3000";
    const std::size_t spaceLength = std::strlen(ideographicSpace);
    auto skipBlanks = [&](const char*& at) {
        for (;;) {
            if (*at == ' ')
                ++at;
            else if (std::strncmp(at, ideographicSpace, spaceLength) == 0)
                at += spaceLength;
            else if (std::strncmp(at, "(*)", 3) == 0)
                at += 3;
            else
                return;
        }
    };
    for (;;) {
        skipBlanks(name);
        skipBlanks(wanted);
        if (*name == '\0' || *wanted == '\0') return *name == *wanted;
        if (*name++ != *wanted++) return false;
    }
}

// A name or path to match (UTF-8): its parts, the last one the county.
struct NameQuery {
    const char* parts[3];  // province, city, county; null when not given
    bool ignoreBlanks;
};

bool nameMatches(const char* name, const char* wanted, const NameQuery& query) {
    return query.ignoreBlanks ? sameNameIgnoringBlanks(name, wanted) : std::strcmp(name, wanted) == 0;
}

bool unitMatches(const ProvinceUnit& unit, const char* wanted, const NameQuery& query) {
    return nameMatches(unit.label, wanted, query) || nameMatches(unit.fullName, wanted, query);
}

bool matches(const RegionRecord& record, const NameQuery& query) {
    if (!nameMatches(nameOf(record), query.parts[2], query)) return false;
    if (query.parts[1] != nullptr) {
        // A county with no city (a municipality's district, or a county
        // directly under its province) has its unit in the city's place.
        RegionRecord city{};
        const bool cityMatches = cityOf(record, city)
                                     ? nameMatches(nameOf(city), query.parts[1], query)
                                     : unitMatches(*record.unit, query.parts[1], query);
        if (!cityMatches) return false;
    }
    return query.parts[0] == nullptr || unitMatches(*record.unit, query.parts[0], query);
}

// Splits "a/b/c" in place into at most three parts, the last one the county.
bool splitName(char* text, NameQuery& query) {
    char* parts[3] = {nullptr, nullptr, nullptr};
    int count = 0;
    for (char* at = text;; ++at) {
        if (count == 3) return false;
        parts[count++] = at;
        at = std::strchr(at, '/');
        if (at == nullptr) break;
        *at = '\0';
    }
    for (int i = 0; i < count; ++i)
        if (*parts[i] == '\0') return false;
    query.parts[2] = parts[count - 1];
    query.parts[1] = count >= 2 ? parts[count - 2] : nullptr;
    query.parts[0] = count == 3 ? parts[0] : nullptr;
    return true;
}

RegionResolution failed(RegionError error) {
    RegionResolution resolution{};
    resolution.error = error;
    return resolution;
}

// Collects the records the query matches: byte for byte, else without blanks.
void collectMatches(NameQuery query, RegionResolution& resolution) {
    auto collect = [&](const RegionRecord& record) {
        if (matches(record, query)) {
            if (resolution.candidateCount < maxRegionCandidates)
                resolution.candidates[resolution.candidateCount] = record;
            ++resolution.candidateCount;
        }
        return true;
    };
    query.ignoreBlanks = false;
    forEachCountyRecord(collect);
    if (resolution.candidateCount == 0) {
        query.ignoreBlanks = true;
        forEachCountyRecord(collect);
    }
}

}  // namespace

bool isRegionCodeText(const char* text, std::size_t length) {
    return length == regionCodeLength && allDigits(text, regionCodeLength);
}

RegionResolution resolveRegion(const char* given, std::size_t length, Encoding encoding) {
    if (length > maxRegionTextLength) return failed(RegionError::invalidText);
    // An empty text may come without bytes: memchr and memcpy never see a null pointer.
    if (length == 0) return failed(RegionError::badPath);
    if (std::memchr(given, '\0', length) != nullptr) return failed(RegionError::invalidText);
    // The text in UTF-8, as the names are: a GBK character takes at most
    // half as many bytes again. A GBK pair no character is assigned to
    // becomes U+FFFD, which no name holds.
    char text[maxRegionTextLength * 3 / 2 + 4];
    std::size_t textLength = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(given);
    for (std::size_t at = 0; at < length;) {
        const std::size_t step = characterLength(bytes + at, length - at, encoding);
        if (step == 0) return failed(RegionError::invalidText);
        if (encoding == Encoding::utf8) {
            std::memcpy(text + textLength, given + at, step);
            textLength += step;
        } else {
            std::size_t decoded = 0;
            const uint32_t codePoint = decodeCharacter(bytes + at, length - at, encoding, decoded);
            textLength += encodeCharacter(codePoint != noCharacter ? codePoint : 0xFFFD, Encoding::utf8,
                                          text + textLength);
        }
        at += step;
    }
    text[textLength] = '\0';
    length = textLength;

    if (isRegionCodeText(text, length)) {
        const int32_t code = digitsValue(text, regionCodeLength);
        RegionRecord record{};
        if (!findRecord(code, record)) return failed(RegionError::unknownCode);
        if (levelOf(record) != RecordLevel::county) return failed(RegionError::notCountyLevel);
        RegionResolution resolution = failed(RegionError::none);
        resolution.code = code;
        return resolution;
    }

    NameQuery query{{nullptr, nullptr, nullptr}, false};
    if (!splitName(text, query)) return failed(RegionError::badPath);
    RegionResolution resolution = failed(RegionError::none);
    collectMatches(query, resolution);
    if (resolution.candidateCount == 1) {
        resolution.code = codeOf(resolution.candidates[0]);
        return resolution;
    }
    if (resolution.candidateCount > 1) {
        resolution.error = RegionError::ambiguous;
        return resolution;
    }
    // A path that leads nowhere: offer the paths of the records its last
    // part names on its own.
    resolution.error = RegionError::noMatch;
    if (query.parts[1] != nullptr) {
        query.parts[0] = query.parts[1] = nullptr;
        collectMatches(query, resolution);
    }
    return resolution;
}

RegionResolution resolveRegionAsOf(const char* text, std::size_t length, int year) {
    if (!isRegionCodeText(text, length)) return failed(RegionError::asOfNeedsCode);
    RegionResolution resolution = failed(RegionError::none);
    resolution.code = digitsValue(text, regionCodeLength);
    const HistoryRecord* record = recordInYear(resolution.code, year);
    if (record != nullptr && levelOf(*record) == RegionLevel::county) return resolution;
    if (recordsOfCode(resolution.code).empty())
        resolution.error = RegionError::asOfUnknownCode;
    else
        resolution.error = record != nullptr ? RegionError::asOfNotCounty : RegionError::asOfNotInUse;
    return resolution;
}

std::size_t writeRecordPath(char* out, std::size_t size, const RegionRecord& record) {
    TextBuffer path(out, size);
    path.append(record.unit->fullName);
    RegionRecord city{};
    if (cityOf(record, city)) {
        path.append('/');
        path.append(nameOf(city));
    }
    path.append('/');
    path.append(nameOf(record));
    return path.length();
}
