// The scanner: what it finds (every form, the boundaries, validity,
// confidence and keywords), where it says a match is (bytes, UTF-16 units,
// characters, lines), how it reads each encoding, and that a stream cut
// into pieces of any size, or read without the fast path, gives the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/region_history.h"
#include "core/region_tables.h"
#include "core/scan_regions.h"
#include "tests/core/scan_test_support.h"

namespace {

const std::string number = "11010519491231002X";         // 朝阳区, male... position 17 is 2: female
const std::string numberX = "11010519800101018X";
const std::string digitNumber = numberOf("11010319800101123");  // 崇文区, abolished in 2010

std::vector<std::string> found(const std::string& text, const ScanOptions& options = testScanOptions()) {
    return numbersOf(findAll(options, text));
}

// ０-９, Ｘ, ｘ for each ASCII character.
std::string fullwidthOf(const std::string& ascii) {
    std::string wide;
    for (const char c : ascii) {
        const unsigned point = 0xFF01u + static_cast<unsigned char>(c) - 0x21u;
        wide += static_cast<char>(0xE0 | point >> 12);
        wide += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        wide += static_cast<char>(0x80 | (point & 0x3F));
    }
    return wide;
}

TEST(ScannerForms, EveryWayOfWritingANumber) {
    const ScanOptions options = testScanOptions();
    struct Case {
        std::string text;
        unsigned form;
    };
    const Case cases[] = {
        {number, ScanForm::plain},
        {"11010519491231002x", ScanForm::lowercaseX},
        {fullwidthOf(number), ScanForm::fullwidth},
        {fullwidthOf("11010519491231002x"), ScanForm::fullwidth | ScanForm::lowercaseX},
        {"110105" + fullwidthOf("1949") + "1231002X", ScanForm::fullwidth},  // mixed widths
        {"110105 19491231 002X", ScanForm::separated},
        {"110105-19491231-002x", ScanForm::separated | ScanForm::lowercaseX},
        {u8"110105\u00A019491231\u00A0002X", ScanForm::separated},
        {u8"110105\u300019491231\u3000002X", ScanForm::separated},
        {u8"110105\u201019491231\u2010002X", ScanForm::separated},
        {u8"110105\u201319491231\u2013002X", ScanForm::separated},
        {u8"110105\uFF0D19491231\uFF0D002X", ScanForm::separated},
        {fullwidthOf("110105") + u8"\u3000" + fullwidthOf("19491231") + u8"\u3000" + fullwidthOf("002X"),
         ScanForm::separated | ScanForm::fullwidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<ScanMatch> matches = findAll(options, u8"号码 " + c.text + u8" 。");
        ASSERT_EQ(matches.size(), 1u);
        EXPECT_EQ(std::string(matches[0].number), number);
        EXPECT_EQ(matches[0].form, c.form);
        EXPECT_EQ(matches[0].byteOffset, 7u);
        EXPECT_EQ(matches[0].byteLength, c.text.size());
    }
    // Groups that are not the printed ones, or two different separators.
    for (const std::string& text :
         std::vector<std::string>{"110105 194912310 02X", "1101051 9491231 002X", "110105  19491231 002X",
                                  "110105 19491231-002X", "110105 1949123 1002X", "11010519491231 002X"}) {
        EXPECT_TRUE(found(text).empty()) << text;
    }
}

TEST(ScannerForms, FifteenDigitsOnlyWhenAsked) {
    ScanOptions options = testScanOptions();
    const std::string old = "110105491231002";  // 1949-12-31
    EXPECT_TRUE(found(old, options).empty());
    options.fifteenDigits = true;
    for (const std::string& text : std::vector<std::string> {old, std::string("110105 491231 002"), fullwidthOf(old)}) {
        SCOPED_TRACE(text);
        const std::vector<ScanMatch> matches = findAll(options, "a " + text + " b");
        ASSERT_EQ(matches.size(), 1u);
        EXPECT_EQ(std::string(matches[0].number), numberOf("11010519491231002"));
        EXPECT_TRUE(matches[0].form & ScanForm::fifteenDigits);
    }
    // 6-6-3 after another group of six: the second group begins the number.
    EXPECT_EQ(found("123456 110105 491231 002", options), std::vector<std::string>{numberOf("11010519491231002")});
    // 18 digits still, and 16 or 17 are neither.
    EXPECT_EQ(found(number + " 1101054912310021", options), std::vector<std::string>{number});
}

TEST(ScannerBoundaries, NothingInsideALongerRunOrAWord) {
    for (const std::string& text : std::vector<std::string>
         {"1" + number, number + "1", "a" + number, number + "b", "0x" + number, number + "ff", "ID" + number,
          fullwidthOf("1") + number, number + fullwidthOf("A"), "1234567" + number + "890",
          number + number,  // one run of 36 characters
          "110105194912310021234",  // a 21-digit order number
          "A110105 19491231 002X", "110105 19491231 002XY", "9110105 19491231 002X"}) {
        EXPECT_TRUE(found(text).empty()) << text;
    }
    // Anything else is a boundary: punctuation, Chinese, separators, the
    // text's ends, another number beside it.
    for (const std::string& text : std::vector<std::string>{
             number, u8"号" + number + u8"码", "(" + number + ")", number + ".5", "=" + number + "&",
             number + " 110105", "-" + number + "-", number + u8"\u3000" + fullwidthOf("1")}) {
        EXPECT_EQ(found(text), std::vector<std::string>{number}) << text;
    }
    EXPECT_EQ(found(number + "," + digitNumber + "\n" + numberX),
              (std::vector<std::string>{number, digitNumber, numberX}));
}

TEST(ScannerValidity, CheckDateAndRegion) {
    ScanOptions options = testScanOptions();
    const std::string badCheck = "110105194912310021";
    const std::string unknownRegion = numberOf("12345619900101001");
    const std::string noCalendarDate = numberOf("11010519490231002");
    const std::string afterAsOf = numberOf("11010520240701002");
    const std::string text = badCheck + " " + unknownRegion + " " + noCalendarDate + " " + afterAsOf + " " + number;
    EXPECT_EQ(found(text, options), std::vector<std::string>{number});
    options.minConfidence = Confidence::low;
    const std::vector<ScanMatch> matches = findAll(options, text);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(std::string(matches[0].number), badCheck);
    EXPECT_EQ(matches[0].confidence, Confidence::low);
    EXPECT_EQ(matches[0].flaw, ScanFlaw::check);
    EXPECT_EQ(matches[0].regionCode, 0);
    EXPECT_EQ(std::string(matches[1].number), unknownRegion);
    EXPECT_EQ(matches[1].flaw, ScanFlaw::region);
    EXPECT_EQ(matches[2].confidence, Confidence::medium);
    // The as-of date itself is the last birth date.
    options.asOf = BirthDate{2024, 7, 1};
    EXPECT_EQ(found(afterAsOf, options), std::vector<std::string>{afterAsOf});
}

TEST(ScannerValidity, RegionsOfEveryKind) {
    struct Case {
        const char* stem;
        NumberKind kind;
    };
    const Case cases[] = {
        {"11010519900101001", NumberKind::resident},  // the 2009 tables
        {"11011819900101001", NumberKind::resident},  // the history only (密云区, since 2015)
        {"13010119900101001", NumberKind::resident},  // the 2009 tables only (a 市辖区 record)
        {"81000019900101001", NumberKind::hmtPermit},
        {"83000019900101001", NumberKind::hmtPermit},
        {"91184019900101001", NumberKind::foreignerCard},  // 北京, 840
    };
    for (const Case& c : cases) {
        const std::vector<ScanMatch> matches = findAll(testScanOptions(), numberOf(c.stem));
        ASSERT_EQ(matches.size(), 1u) << c.stem;
        EXPECT_EQ(matches[0].kind, c.kind) << c.stem;
    }
    for (const char* stem : {"91199919900101001", "97184019900101001", "84000019900101001", "11019919900101001"})
        EXPECT_TRUE(found(numberOf(stem)).empty()) << stem;
}

TEST(ScanRegions, TheTableIsTheTwoSourcesAndPositionsRoundTrip) {
    std::vector<int32_t> expected;
    for (const ProvinceUnit& unit : provinceUnits)
        for (RegionRecord record : recordsOf(unit)) expected.push_back(codeOf(record));
    for (const HistoryRecord& record : allHistoryRecords()) expected.push_back(codeOf(record));
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [](int32_t code) { return kindOfRegion(code) != NumberKind::resident; }),
                   expected.end());
    EXPECT_EQ(std::vector<int32_t>(residentRegionCodes, residentRegionCodes + residentRegionCount), expected);
    for (const NumberKind kind : {NumberKind::resident, NumberKind::hmtPermit, NumberKind::foreignerCard}) {
        for (int position = 0; position < regionCountOfKind(kind); ++position) {
            const int32_t code = regionAtPosition(kind, position);
            ASSERT_TRUE(isScanRegion(code)) << code;
            ASSERT_EQ(kindOfRegion(code), kind) << code;
            ASSERT_EQ(regionPosition(code), position) << code;
        }
    }
}

TEST(ScannerKeywords, ConfidenceAndTheKeywordNamed) {
    const ScanOptions options = testScanOptions();
    struct Case {
        std::string before;
        const char* keyword;  // null: medium
    };
    const Case cases[] = {
        {u8"身份证：", u8"身份证"},
        {u8"身份证号码 ", u8"身份证号码"},
        {u8"居民身份证号码：", u8"身份证号码"},  // the one that ends last
        {u8"客户的身份证号码是", u8"身份证号码"},  // after other Chinese characters
        {u8"请提供证件号：", u8"证件号"},
        {u8"公民身份号码", u8"公民身份号码"},
        {u8"证件号码=", u8"证件号码"},
        {u8"证件号 ", u8"证件号"},
        {"ID Card: ", "id card"},
        {"id_no=", "id_no"},
        {"SFZH:", "sfzh"},
        {"userIdCard\":\"", "idcard"},
        {"Identity Number ", "identity number"},
        {"invalid card ", nullptr},  // "id card" inside a word
        {"sfzq=", nullptr},
        {u8"手机号 ", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        const std::vector<ScanMatch> matches = findAll(options, c.before + number);
        ASSERT_EQ(matches.size(), 1u);
        if (c.keyword == nullptr) {
            EXPECT_EQ(matches[0].confidence, Confidence::medium);
            EXPECT_EQ(matches[0].keyword, nullptr);
        } else {
            EXPECT_EQ(matches[0].confidence, Confidence::high);
            ASSERT_NE(matches[0].keyword, nullptr);
            EXPECT_STREQ(matches[0].keyword->utf8, c.keyword);
        }
    }
}

TEST(ScannerKeywords, AsciiOnesBeginWhereTheFastPathLooks) {
    // The fast path stops only at "id" and "sf" (either case) for ASCII
    // keywords; the keywords of other scripts begin beyond ASCII.
    for (int k = 0; k < scanKeywordCount; ++k) {
        const ScanKeyword& keyword = scanKeywords[k];
        if (!keyword.ascii) {
            EXPECT_GE(keyword.codePoints[0], 0x80u) << keyword.utf8;
            continue;
        }
        const std::string pair(keyword.utf8, 2);
        EXPECT_TRUE(pair == "id" || pair == "sf") << keyword.utf8;
        EXPECT_LE(keyword.length, maxKeywordCharacters);
    }
}

TEST(ScannerKeywords, WithinThreeHundredCharactersBefore) {
    const ScanOptions options = testScanOptions();
    // 300 characters between the keyword and the number, of every width.
    const std::string filler = std::string(100, 'a') + std::string(100, ' ') + [] {
        std::string chinese;
        for (int i = 0; i < 50; ++i) chinese += u8"字";
        for (int i = 0; i < 50; ++i) chinese += u8"\U0001F600";
        return chinese;
    }();
    EXPECT_EQ(findAll(options, u8"身份证" + filler + number)[0].confidence, Confidence::high);
    EXPECT_EQ(findAll(options, u8"身份证" + filler + "\n" + number)[0].confidence, Confidence::medium);
    EXPECT_EQ(findAll(options, "sfz " + filler.substr(1) + number)[0].confidence, Confidence::high);
    // After the number, a keyword is no help.
    EXPECT_EQ(findAll(options, number + u8" 身份证")[0].confidence, Confidence::medium);
    ScanOptions sure = options;
    sure.minConfidence = Confidence::high;
    EXPECT_EQ(found(number + u8" 身份证号 " + numberX, sure), std::vector<std::string>{numberX});
}

TEST(ScannerOffsets, BytesUtf16UnitsCharactersLinesAndColumns) {
    const ScanOptions options = testScanOptions();
    // Before the number: "a\r\n", U+1F600 (4 bytes, 2 units), "中" (3 bytes),
    // E4 B8 (one character: a maximal subpart), FF, "\n", "xy".
    const std::string text = std::string("a\r\n") + u8"\U0001F600中" + "\xE4\xB8" + "\xFF" + "\n" + "xy " +
                             "110105 19491231 002X";
    const std::vector<ScanMatch> matches = findAll(options, text);
    ASSERT_EQ(matches.size(), 1u);
    const ScanMatch& m = matches[0];
    EXPECT_EQ(m.byteOffset, 3u + 4 + 3 + 2 + 1 + 1 + 3);
    EXPECT_EQ(m.byteLength, 20u);
    EXPECT_EQ(m.characterOffset, 3u + 1 + 1 + 1 + 1 + 1 + 3);
    EXPECT_EQ(m.utf16Offset, 3u + 2 + 1 + 1 + 1 + 1 + 3);
    EXPECT_EQ(m.characterLength, 20u);
    EXPECT_EQ(m.utf16Length, 20u);
    EXPECT_EQ(m.line, 3u);
    EXPECT_EQ(m.column, 4u);
    // Full-width: 3 bytes, 1 unit, 1 character each.
    const ScanMatch wide = findAll(options, "\n\n" + fullwidthOf(number))[0];
    EXPECT_EQ(wide.byteLength, 54u);
    EXPECT_EQ(wide.characterLength, 18u);
    EXPECT_EQ(wide.line, 3u);
    EXPECT_EQ(wide.column, 1u);
}

TEST(ScannerEncodings, GbkAndAuto) {
    ScanOptions options = testScanOptions();
    const std::string utf8Line = u8"身份证号：" + fullwidthOf(number) + u8"，姓名\n";
    const std::string gbkLine = gbkOf(u8"身份证号：") + gbkOf(fullwidthOf(number)) + gbkOf(u8"\u3000") + numberX + "\n";
    options.encoding = ScanEncoding::gbk;
    const std::vector<ScanMatch> gbk = findAll(options, gbkLine);
    ASSERT_EQ(gbk.size(), 2u);
    EXPECT_EQ(gbk[0].byteOffset, 10u);
    EXPECT_EQ(gbk[0].byteLength, 36u);
    EXPECT_EQ(gbk[0].characterOffset, 5u);
    EXPECT_EQ(gbk[0].confidence, Confidence::high);
    EXPECT_STREQ(gbk[0].keyword->utf8, u8"身份证号");
    EXPECT_EQ(gbk[1].characterOffset, 24u);

    // Auto: each line by its own bytes.
    options.encoding = ScanEncoding::automatic;
    const std::vector<ScanMatch> mixed = findAll(options, utf8Line + gbkLine + utf8Line);
    ASSERT_EQ(mixed.size(), 4u);
    EXPECT_EQ(mixed[0].line, 1u);
    EXPECT_EQ(mixed[1].line, 2u);
    EXPECT_EQ(mixed[1].byteOffset, utf8Line.size() + 10);
    EXPECT_EQ(mixed[1].characterOffset, 27u + 5);
    EXPECT_EQ(mixed[2].line, 2u);
    EXPECT_EQ(mixed[3].line, 3u);
    EXPECT_EQ(mixed[3].confidence, Confidence::high);
    // In UTF-8 the GBK line's full-width digits are no characters.
    options.encoding = ScanEncoding::utf8;
    EXPECT_EQ(findAll(options, gbkLine).size(), 1u);

    // A line longer than a stretch: each stretch decided alone, so the GBK
    // bytes far on do not make the UTF-8 text before them GBK.
    options.encoding = ScanEncoding::automatic;
    const std::string longLine = utf8Line.substr(0, utf8Line.size() - 1) + std::string(5000, ' ') + gbkLine;
    const std::vector<ScanMatch> stretched = findAll(options, longLine);
    ASSERT_EQ(stretched.size(), 3u);
    EXPECT_EQ(stretched[0].confidence, Confidence::high);
    EXPECT_EQ(std::string(stretched[2].number), numberX);
}

// Texts of every kind of byte: numbers in every form, look-alikes, keywords,
// Chinese in both encodings, invalid bytes, separators, line ends.
std::string randomText(std::mt19937& random, std::size_t pieces) {
    const std::vector<std::string> parts = {
        number, numberX, digitNumber, "11010519491231002x", fullwidthOf(numberX), "110105 19491231 002X",
        u8"110105\u300019491231\u3000002X", "110105-19800101-018X", "110105491231002", "110105 491231 002",
        "110105194912310021", "12345619900101001" + std::string(1, checkCharacterOfDigits("12345619900101001")),
        "2023120112304512345", "13800138000", "6222021234567890123", u8"身份证号码：", "id_no=", "sfz ",
        u8"中文", gbkOf(u8"中文身份证"), gbkOf(fullwidthOf("110105")), "\xE4\xB8", "\xFF\xFE", std::string(1, '\0'),
        "\r\n", "\n", " ", "-", u8"\u3000", "a", "Z", "1", "22", "333333", "x", ",", "\xEF\xBB\xBF",
        std::string(70, '7'), std::string(300, 'q')};
    // Most parts apart, some run into each other.
    const std::vector<std::string> between = {" ", ",", "\n", u8"。", "\t", "", ""};
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i)
        text += parts[random() % parts.size()] + between[random() % between.size()];
    return text;
}

bool sameMatches(const std::vector<ScanMatch>& a, const std::vector<ScanMatch>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].byteOffset != b[i].byteOffset || a[i].byteLength != b[i].byteLength ||
            a[i].utf16Offset != b[i].utf16Offset || a[i].characterOffset != b[i].characterOffset ||
            a[i].characterLength != b[i].characterLength || a[i].line != b[i].line || a[i].column != b[i].column ||
            std::strcmp(a[i].number, b[i].number) != 0 || a[i].confidence != b[i].confidence ||
            a[i].form != b[i].form || a[i].keyword != b[i].keyword)
            return false;
    }
    return true;
}

TEST(ScannerStreaming, PiecesOfAnySizeAndThePlainReadingAgree) {
    std::mt19937 random(2024);
    std::size_t matchesSeen = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const std::string text = randomText(random, 40 + random() % 80);
        ScanOptions options = testScanOptions();
        options.encoding = static_cast<ScanEncoding>(round % 3);
        options.fifteenDigits = round % 2 == 0;
        options.minConfidence = round % 4 == 0 ? Confidence::low : Confidence::medium;
        options.redaction.way = static_cast<Redaction>(round % 4);
        const std::vector<ScanMatch> whole = findAll(options, text);
        matchesSeen += whole.size();
        EXPECT_TRUE(sameMatches(findAll(options, text, Pieces{1}), whole));
        EXPECT_TRUE(sameMatches(findAll(options, text, Pieces{-100, static_cast<unsigned>(round)}), whole));
        ScanOptions plain = options;
        plain.characterByCharacter = true;
        EXPECT_TRUE(sameMatches(findAll(plain, text), whole));
        const std::string redacted = redactAll(options, text);
        EXPECT_EQ(redactAll(options, text, Pieces{1}), redacted);
        EXPECT_EQ(redactAll(options, text, Pieces{-100, static_cast<unsigned>(round)}), redacted);
        EXPECT_EQ(redactAll(plain, text), redacted);
        // Every byte but the matches' is as it was: with the label "#", the
        // text with each match replaced by it.
        std::string rebuilt;
        std::size_t from = 0;
        for (const ScanMatch& match : whole) {
            ASSERT_GE(match.byteOffset, from);
            const auto offset = static_cast<std::size_t>(match.byteOffset);
            rebuilt += text.substr(from, offset - from) + "#";
            from = offset + static_cast<std::size_t>(match.byteLength);
        }
        rebuilt += text.substr(from);
        ScanOptions labelled = options;
        labelled.redaction.way = Redaction::label;
        labelled.redaction.labelUtf8[0] = labelled.redaction.labelGbk[0] = '#';
        labelled.redaction.labelUtf8Length = labelled.redaction.labelGbkLength = 1;
        EXPECT_EQ(redactAll(labelled, text, Pieces{-50, static_cast<unsigned>(round)}), rebuilt);
    }
    // The texts hold numbers enough for the comparisons to mean something.
    EXPECT_GT(matchesSeen, 600u);
}

// Log lines, mostly what the fast path skips, with numbers here and there
// and the things it must stop at: digit runs of every length, groups of
// six, "id" and "sf" words, Chinese.
std::string randomLog(std::mt19937& random, std::size_t lines) {
    const std::vector<std::string> words = {"level=INFO", "pid=", "uid=", "request_id=", "valid", "sfz_flag=",
                                            "side", u8"用户", "user", "order=", "phone=", "ts=", "msg=\"ok\""};
    const std::vector<std::string> planted = {number,
                                              "110105 19491231 002X",
                                              fullwidthOf(numberX),
                                              u8"110105\u300019491231\u3000002X",
                                              digitNumber + "x",
                                              "110105-19800101-018X"};
    std::string text;
    for (std::size_t line = 0; line < lines; ++line) {
        const int fields = 3 + static_cast<int>(random() % 8);
        for (int f = 0; f < fields; ++f) {
            text += words[random() % words.size()];
            // Runs of every length around a number's, some going on as an X,
            // full-width digits or a group's separator.
            const int digits = static_cast<int>(random() % 2 == 0 ? random() % 26 : 14 + random() % 7);
            for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
            const std::vector<std::string> after = {" ", " ", " ", "-", "X ", "x-", fullwidthOf("7") + " ", u8"\u3000"};
            text += after[random() % after.size()];
        }
        if (random() % 6 == 0) text += (random() % 2 == 0 ? u8"身份证号码 " : "id_no=") + planted[random() % planted.size()];
        text += "\n";
    }
    return text;
}

TEST(ScannerStreaming, TheFastPathOverLogsAgreesWithThePlainReading) {
    std::mt19937 random(11);
    std::size_t matchesSeen = 0;
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const std::string text = randomLog(random, 300);
        ScanOptions options = testScanOptions();
        options.encoding = static_cast<ScanEncoding>(round % 3);
        options.fifteenDigits = round % 2 == 1;
        options.minConfidence = round % 4 == 0 ? Confidence::low : Confidence::medium;
        ScanOptions plain = options;
        plain.characterByCharacter = true;
        const std::vector<ScanMatch> whole = findAll(options, text);
        matchesSeen += whole.size();
        EXPECT_TRUE(sameMatches(findAll(plain, text), whole));
        EXPECT_TRUE(sameMatches(findAll(options, text, Pieces{-3000, static_cast<unsigned>(round)}), whole));
        EXPECT_TRUE(sameMatches(findAll(options, text, Pieces{97}), whole));
        EXPECT_EQ(redactAll(options, text, Pieces{-5000, static_cast<unsigned>(round)}), redactAll(plain, text));
    }
    EXPECT_GT(matchesSeen, 400u);
}

TEST(ScannerFastPath, BothFormsOfTheSearchAgree) {
    // Bytes rich in what the search stops at, searched from and to anywhere.
    std::mt19937 random(64);
    const char alphabet[] = "0123456789 -idsfIDSFxX=a\x80\xE4\n";
    for (int round = 0; round < 2000; ++round) {
        std::vector<unsigned char> bytes(300 + scanSkipOverread, 0);
        const std::size_t length = 1 + random() % 300;
        for (std::size_t i = 0; i < length; ++i)
            bytes[i] = random() % 3 == 0 ? static_cast<unsigned char>('0' + random() % 10)
                                         : static_cast<unsigned char>(alphabet[random() % (sizeof alphabet - 1)]);
        const std::size_t from = random() % length;
        const std::size_t limit = from + random() % (length - from + 1);
        for (const int longRun : {15, 17})
            ASSERT_EQ(findScanInterest(bytes.data(), from, limit, longRun),
                      findScanInterestPortable(bytes.data(), from, limit, longRun))
                << round << " " << longRun;
    }
}

TEST(ScannerStreaming, ALongLineThroughOneBytePiecesInFixedMemory) {
    // Several megabytes without a line feed, a byte at a time, in the
    // scanner's fixed storage: the numbers near the end are found where they are.
    ScanOptions options = testScanOptions();
    for (const ScanEncoding encoding : {ScanEncoding::utf8, ScanEncoding::automatic}) {
        options.encoding = encoding;
        std::string text(1 << 20, 'a');
        for (std::size_t at = 1000; at + 40 < text.size(); at += 100000) text.replace(at, 20, " " + number + " ");
        text += u8" 身份证" + number;
        const std::vector<ScanMatch> matches = findAll(options, text, Pieces{1});
        ASSERT_EQ(matches.size(), 12u);
        EXPECT_EQ(matches[10].byteOffset, 1001001u);
        EXPECT_EQ(matches[11].byteOffset, text.size() - 18);
        EXPECT_EQ(matches[11].characterOffset, text.size() - 18 - 6);
        EXPECT_EQ(matches[11].confidence, Confidence::high);
        EXPECT_EQ(matches[11].line, 1u);
    }
    static_assert(sizeof(Scanner) < 16384, "the scanner's storage is fixed");
}

TEST(ScannerRobustness, RandomBytesAndOptions) {
    // Any bytes, any options, any pieces: matches in order, inside the
    // text, each a run the text holds, and redaction of what it finds.
    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 400, '\0');
        for (char& byte : text) {
            const auto draw = random() % 10;
            byte = draw < 4 ? static_cast<char>('0' + random() % 10)
                            : draw < 5 ? "Xx -\n"[random() % 5] : static_cast<char>(random());
        }
        ScanOptions options = testScanOptions();
        options.encoding = static_cast<ScanEncoding>(random() % 3);
        options.fifteenDigits = random() % 2 == 0;
        options.minConfidence = static_cast<Confidence>(1 + static_cast<int>(random() % 3));
        options.redaction.way = static_cast<Redaction>(random() % 4);
        const std::vector<ScanMatch> matches = findAll(options, text, Pieces{-7, static_cast<unsigned>(round)});
        uint64_t end = 0;
        for (const ScanMatch& match : matches) {
            EXPECT_GE(match.byteOffset, end);
            EXPECT_LE(match.byteOffset + match.byteLength, text.size());
            EXPECT_GE(match.byteLength, 15u);
            end = match.byteOffset + match.byteLength;
        }
        const std::string redacted = redactAll(options, text, Pieces{-7, static_cast<unsigned>(round)});
        if (matches.empty()) {
            EXPECT_EQ(redacted, text);
        }
    }
}

}  // namespace
