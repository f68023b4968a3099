// Region resolution as values: every error code with the values it carries,
// by code, name and path, from UTF-8 and from GBK, and by a year of the history;
// and the one-line messages faces show for them. Codes and names are those
// of data/regions-2009.tsv and data/region-history.tsv.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/generation_messages.h"
#include "core/region_resolution.h"

namespace {

RegionResolution resolve(const std::string& text, Encoding encoding = Encoding::utf8) {
    return resolveRegion(text.data(), text.size(), encoding);
}

std::vector<int32_t> candidateCodes(const RegionResolution& resolution) {
    std::vector<int32_t> codes;
    for (int i = 0; i < resolution.candidateCount && i < maxRegionCandidates; ++i)
        codes.push_back(codeOf(resolution.candidates[i]));
    return codes;
}

std::string message(const RegionResolution& resolution, const std::string& given, int asOfYear = 0) {
    char out[generationMessageCapacity];
    const std::size_t length =
        writeRegionErrorMessage(out, sizeof out, resolution, given.data(), given.size(), asOfYear, Encoding::utf8,
                                neutralOptionWords);
    return std::string(out, length);
}

TEST(RegionResolution, CodesNamesAndPaths) {
    const struct {
        const char* text;
        int32_t code;
    } resolved[] = {
        {"140302", 140302},                  // a county under a city
        {"110105", 110105},                  // a municipality's district
        {"阳泉市/城区", 140302},            // city/county
        {"山西省/阳泉市/城区", 140302},     // province/city/county
        {"北京/朝阳区", 110105},            // a district under its municipality's label
        {"北京市/朝阳区", 110105},          // or its full name
        {"蓟县", 120225},                   // "蓟　县" without its ideographic space
        {"江源区", 220605},                 // "  江源区" without its leading spaces
        {"济源市", 419001},                 // directly under 河南省 ...
        {"河南省/济源市", 419001},          // ... so the province stands in the city's place
    };
    for (const auto& c : resolved) {
        const RegionResolution resolution = resolve(c.text);
        EXPECT_EQ(resolution.error, RegionError::none) << c.text;
        EXPECT_EQ(resolution.code, c.code) << c.text;
    }
}

TEST(RegionResolution, EachErrorWithItsValues) {
    EXPECT_EQ(resolve("140300").error, RegionError::notCountyLevel);  // 阳泉市
    EXPECT_EQ(resolve("140301").error, RegionError::notCountyLevel);  // its 市辖区
    EXPECT_EQ(resolve("999999").error, RegionError::unknownCode);
    for (const char* path : {"", "/", "阳泉市/", "/城区", "a//城区", "中国/山西省/阳泉市/城区"})
        EXPECT_EQ(resolve(path).error, RegionError::badPath) << path;
    EXPECT_EQ(resolve(std::string(256, 'a')).error, RegionError::invalidText);
    EXPECT_EQ(resolve("\xE5\x9F").error, RegionError::invalidText);  // a cut UTF-8 character
    EXPECT_EQ(resolve(std::string("140302\0", 7)).error, RegionError::invalidText);

    const RegionResolution ambiguous = resolve("城区");
    EXPECT_EQ(ambiguous.error, RegionError::ambiguous);
    EXPECT_EQ(ambiguous.candidateCount, 5);
    EXPECT_EQ(candidateCodes(ambiguous), (std::vector<int32_t>{140202, 140302, 140402, 140502, 441502}));

    const RegionResolution unknownName = resolve("火星区");
    EXPECT_EQ(unknownName.error, RegionError::noMatch);
    EXPECT_EQ(unknownName.candidateCount, 0);

    // 济源市 is not under 驻马店市, whatever the table's order says: the
    // path's last part is offered with its own path.
    const RegionResolution wrongCity = resolve("驻马店市/济源市");
    EXPECT_EQ(wrongCity.error, RegionError::noMatch);
    EXPECT_EQ(candidateCodes(wrongCity), std::vector<int32_t>{419001});
    EXPECT_EQ(message(wrongCity, "驻马店市/济源市"),
              "驻马店市/济源市 names no county-level record of the built-in 2009 tables; 济源市 alone "
              "names 419001 河南省/济源市");
    EXPECT_EQ(message(resolve("山西省/朝阳区"), "山西省/朝阳区"),
              "山西省/朝阳区 names no county-level record of the built-in 2009 tables; 朝阳区 alone "
              "names 110105 北京市/朝阳区, 220104 吉林省/长春市/朝阳区");
}

TEST(RegionResolution, NamesInGbk) {
    const std::string yangquan = "\xD1\xF4\xC8\xAA\xCA\xD0/\xB3\xC7\xC7\xF8";  // 阳泉市/城区 in GBK
    const RegionResolution resolution = resolve(yangquan, Encoding::gbk);
    EXPECT_EQ(resolution.error, RegionError::none);
    EXPECT_EQ(resolution.code, 140302);
    // The same bytes are no UTF-8.
    EXPECT_EQ(resolve(yangquan, Encoding::utf8).error, RegionError::invalidText);
    // A cut pair is no text; a pair no character is assigned to names nothing.
    EXPECT_EQ(resolve("\xD1\xF4\xC8", Encoding::gbk).error, RegionError::invalidText);
    EXPECT_EQ(resolve("\xD7\xFA", Encoding::gbk).error, RegionError::noMatch);

    // Messages are UTF-8 whatever the value's encoding; the value is echoed
    // converted, and a pair that is no character as '?'.
    const std::string unknown = "\xBB\xF0\xD0\xC7\xC7\xF8";  // 火星区 in GBK
    char out[generationMessageCapacity];
    std::size_t length = writeRegionErrorMessage(out, sizeof out, resolve(unknown, Encoding::gbk), unknown.data(),
                                                 unknown.size(), 0, Encoding::gbk, neutralOptionWords);
    EXPECT_EQ(std::string(out, length), "火星区 names no county-level record of the built-in 2009 tables");
    const std::string ambiguous = "\xB3\xC7\xC7\xF8";  // 城区
    length = writeRegionErrorMessage(out, sizeof out, resolve(ambiguous, Encoding::gbk), ambiguous.data(),
                                     ambiguous.size(), 0, Encoding::gbk, neutralOptionWords);
    EXPECT_EQ(std::string(out, length).substr(0, 60), std::string("城区 names 5 records, give the code or city/county: 140202 山西省").substr(0, 60));
    length = writeRegionErrorMessage(out, sizeof out, resolve("\xD7\xFA", Encoding::gbk), "\xD7\xFA", 2, 0,
                                     Encoding::gbk, neutralOptionWords);
    EXPECT_EQ(std::string(out, length), "? names no county-level record of the built-in 2009 tables");
}

TEST(RegionResolution, ByAYearOfTheHistory) {
    const auto asOf = [](const char* text, int year) { return resolveRegionAsOf(text, std::strlen(text), year); };
    EXPECT_EQ(asOf("330124", 1990).error, RegionError::none);  // 临安县 until 1996
    EXPECT_EQ(asOf("330124", 1990).code, 330124);
    EXPECT_EQ(asOf("330124", 2000).error, RegionError::asOfNotInUse);
    EXPECT_EQ(asOf("330100", 1990).error, RegionError::asOfNotCounty);
    EXPECT_EQ(asOf("990101", 1990).error, RegionError::asOfUnknownCode);
    EXPECT_EQ(asOf("临安县", 1990).error, RegionError::asOfNeedsCode);
    EXPECT_EQ(message(asOf("330124", 2000), "330124", 2000),
              "330124 was not in use in 2000; it was in use from 1981 until 1996 (临安县)");
}

TEST(RegionResolution, RecordPaths) {
    char path[64];
    RegionRecord record{};
    ASSERT_TRUE(findRecord(140302, record));
    writeRecordPath(path, sizeof path, record);
    EXPECT_STREQ(path, "山西省/阳泉市/城区");
    ASSERT_TRUE(findRecord(419001, record));
    writeRecordPath(path, sizeof path, record);
    EXPECT_STREQ(path, "河南省/济源市");
    // Cut at a character boundary when the room is short.
    writeRecordPath(path, 8, record);
    EXPECT_STREQ(path, "河南");
}

}  // namespace
