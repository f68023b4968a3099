// The core's verification on its own, as idtool uses it: each reason with the
// expected check character it still reports, the parts of an accepted number,
// the region texts of each kind of code, and the message formatting.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/verification.h"

namespace {

constexpr int yearLimit = 2030;

struct ReasonCase {
    std::string number;
    VerifyRefusal refusal;
    char expectedCheck;  // '\0': none reported
    const char* why;
};

std::string withCheck(const std::string& stem) { return stem + computeCheckCharacter(stem.c_str()); }

const ReasonCase reasonCases[] = {
    // Length first: the check character is still said for 17 leading digits.
    {"", VerifyRefusal::length, '\0', "empty"},
    {"11010519491231002", VerifyRefusal::length, 'X', "17 digits"},
    {"11010519491231002X1", VerifyRefusal::length, 'X', "19 bytes"},
    {"1101051949123100", VerifyRefusal::length, '\0', "16 digits: no stem"},
    {"1101051949123100a", VerifyRefusal::length, '\0', "17 bytes, not all digits"},
    // Characters: a non-digit among the first 17, or a last byte that is
    // neither a digit nor an upper-case X.
    {"a1010519491231002X", VerifyRefusal::characters, '\0', "a letter first"},
    {"1101051949123100 X", VerifyRefusal::characters, '\0', "a blank at position 17"},
    {std::string("110105194912310\0002X", 18), VerifyRefusal::characters, '\0', "a NUL among the 17"},
    {"11010519491231002x", VerifyRefusal::characters, 'X', "a lower-case x"},
    {"11010519491231002Y", VerifyRefusal::characters, 'X', "a letter last"},
    {std::string("11010519491231002\0", 18), VerifyRefusal::characters, 'X', "a NUL last"},
    {"11010519491231002\xB3", VerifyRefusal::characters, 'X', "half of a GBK character last"},
    // Check: the last character is a digit or X, but not the stem's.
    {"110105194912310021", VerifyRefusal::check, 'X', "a digit where X is due"},
    {"11010119900307001X", VerifyRefusal::check, '1', "X where a digit is due"},
    // Date, judged only after the check: upper limits per part.
    {withCheck("11010120310101001"), VerifyRefusal::date, '1', "a year after the limit"},
    {withCheck("11010119901301001"), VerifyRefusal::date, '2', "month 13"},
    {withCheck("11010119900132001"), VerifyRefusal::date, '3', "day 32"},
    {"110101199013010010", VerifyRefusal::check, '2', "month 13 with a wrong check: check first"},
    // Accepted: no calendar, no lower limits.
    {withCheck("11010100000000001"), VerifyRefusal::none, '7', "00000000"},
    {withCheck("11010120110231001"), VerifyRefusal::none, '7', "31 February"},
    {withCheck("11010120301231001"), VerifyRefusal::none, '2', "the last day of the limit's year"},
    {"11010519491231002X", VerifyRefusal::none, 'X', "the standard example"},
};

void PrintTo(const ReasonCase& c, std::ostream* os) { *os << c.why; }

class VerifyReasons : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(VerifyReasons, RefusalAndExpectedCheck) {
    const ReasonCase& c = GetParam();
    const int length = static_cast<int>(c.number.size());
    const VerifyOutcome outcome = verifyNumberText(c.number.data(), length, length, yearLimit);
    EXPECT_EQ(outcome.refusal, c.refusal);
    EXPECT_EQ(outcome.expectedCheck, c.expectedCheck);
    EXPECT_EQ(outcome.wholeLength, length);
}

INSTANTIATE_TEST_SUITE_P(EachReason, VerifyReasons, ::testing::ValuesIn(reasonCases));

TEST(Verification, OnlyTheBytesReadAreLookedAtAndTheWholeLengthDecides) {
    // A line held only in part (idtool holds 64 bytes): refused for the whole
    // length, which is reported as given.
    const std::string held = "11010519491231002X" + std::string(46, '7');
    VerifyOutcome outcome = verifyNumberText(held.data(), 64, INT_MAX, yearLimit);
    EXPECT_EQ(outcome.refusal, VerifyRefusal::length);
    EXPECT_EQ(outcome.wholeLength, INT_MAX);
    EXPECT_EQ(outcome.expectedCheck, 'X');
    // Fewer than 17 bytes read: no stem to speak of, whatever the length.
    outcome = verifyNumberText("1101051949", 10, 5000, yearLimit);
    EXPECT_EQ(outcome.refusal, VerifyRefusal::length);
    EXPECT_EQ(outcome.expectedCheck, '\0');
    // Bytes beyond the whole length are not part of the number.
    outcome = verifyNumberText("11010519491231002X", 18, 17, yearLimit);
    EXPECT_EQ(outcome.refusal, VerifyRefusal::length);
    EXPECT_EQ(outcome.expectedCheck, 'X');
    outcome = verifyNumberText("1101051949123100", 16, 16, yearLimit);
    EXPECT_EQ(outcome.expectedCheck, '\0');
}

TEST(Verification, AcceptedNumbersGiveDateSexAndRegionCode) {
    const struct {
        std::string number;
        int regionCode, year, month, day;
        bool male;
    } cases[] = {
        {"11010519491231002X", 110105, 1949, 12, 31, false},    // sequence 002
        {withCheck("14030219900307001"), 140302, 1990, 3, 7, true},
        {withCheck("41900100000000999"), 419001, 0, 0, 0, true},   // the highest sequence number
        {withCheck("65900420301231998"), 659004, 2030, 12, 31, false},
        {withCheck("99999919870102000"), 999999, 1987, 1, 2, false},  // no such region: still valid
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const VerifyOutcome outcome = verifyNumberText(c.number.data(), 18, 18, yearLimit);
        ASSERT_EQ(outcome.refusal, VerifyRefusal::none);
        EXPECT_EQ(outcome.expectedCheck, c.number[17]);
        EXPECT_EQ(outcome.regionCode, c.regionCode);
        EXPECT_EQ(outcome.birthDate.year, c.year);
        EXPECT_EQ(outcome.birthDate.month, c.month);
        EXPECT_EQ(outcome.birthDate.day, c.day);
        EXPECT_EQ(outcome.male, c.male);
    }
    // The limit is the year itself.
    const std::string lastYear = withCheck("11010120301231001");
    EXPECT_EQ(verifyNumberText(lastYear.data(), 18, 18, 2029).refusal, VerifyRefusal::date);
}

TEST(Verification, ReasonNamesAndMessages) {
    const struct {
        VerifyRefusal refusal;
        const char* name;
        const char* text;
    } cases[] = {
        {VerifyRefusal::length, "length", "您输入的身份证号为%s位，正确的应为18位"},
        // The dialog says the check message for a number of wrong characters.
        {VerifyRefusal::characters, "characters", "身份证未通过校验"},
        {VerifyRefusal::check, "check", "身份证未通过校验"},
        {VerifyRefusal::date, "date", "出生日期不正确"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(refusalName(c.refusal), c.name);
        EXPECT_STREQ(refusalText(c.refusal), c.text);
    }
    EXPECT_EQ(refusalName(VerifyRefusal::none), nullptr);
    EXPECT_STREQ(refusalText(VerifyRefusal::none), "");
    EXPECT_STREQ(sexText(true), "男");
    EXPECT_STREQ(sexText(false), "女");
}

// What the dialog's three region fields show, from data/regions-2009.tsv.
TEST(RegionTexts, EachKindOfCode) {
    const struct {
        int code;
        const char *province, *city, *county;
        const char* kind;
    } cases[] = {
        {110105, "北京市", "朝阳区", "", "a municipality's district"},
        {500243, "重庆市", "彭水苗族土家族自治县", "",
         "a municipality's last county"},
        {110000, "北京市", "未知位置", "错误地区码",
         "a municipality's unit code, not in its table"},
        {120200, "天津市", "未知位置", "错误地区码",
         "a municipality's code not in its table"},
        {140302, "山西省", "阳泉市", "城区",
         "a county under its city"},
        {130100, "河北省", "石家庄市", "石家庄市",
         "a city-level code: itself twice"},
        {130101, "河北省", "石家庄市", "市辖区", "a grouping record"},
        {220000, "吉林省", "吉林省", "吉林省",
         "the province's own record"},
        {419001, "河南省", "未知位置", "济源市",
         "a county whose city-level record is missing"},
        {130199, "河北省", "未知位置", "错误地区码",
         "a province's code not in its table"},
        {160101, "未知位置", "", "错误地区码", "no unit 16"},
        {0, "未知位置", "", "错误地区码", "code 000000"},
        {999999, "未知位置", "", "错误地区码", "code 999999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const RegionTexts texts = regionTexts(c.code);
        EXPECT_STREQ(texts.province, c.province);
        EXPECT_STREQ(texts.city, c.city);
        EXPECT_STREQ(texts.county, c.county);
    }
}

TEST(FormatMessage, FillsTheNumberAndAlwaysTerminates) {
    const struct {
        const char* text;
        uint64_t number;
        int size;
        const char* expected;
    } cases[] = {
        {"length %s of 18", 157286400, 64, "length 157286400 of 18"},
        {"%s", 0, 64, "0"},
        {"%s", LLONG_MAX, 64, "9223372036854775807"},
        {"%s", UINT64_MAX, 64, "18446744073709551615"},  // the longest length a text can be said to have
        {"%s and %s", 7, 64, "7 and 7"},
        {"no figure, 100%", 5, 64, "no figure, 100%"},  // a lone % stays
        {"%d %%s", 5, 64, "%d %5"},
        {"length %s of 18", 157286400, 11, "length 157"},  // cut at the size, terminated
        {"abc", 1, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        char out[64];
        std::memset(out, '~', sizeof out);
        const int written = formatMessage(out, c.size, c.text, c.number);
        EXPECT_STREQ(out, c.expected);
        EXPECT_EQ(written, static_cast<int>(std::strlen(c.expected)));
    }
    // Nothing is written without room for the terminator.
    char untouched = '~';
    EXPECT_EQ(formatMessage(&untouched, 0, "%s", 1), 0);
    EXPECT_EQ(untouched, '~');
    // The dialog's length message.
    char out[160];
    formatMessage(out, sizeof out, refusalText(VerifyRefusal::length), 157286400);
    EXPECT_STREQ(out, "您输入的身份证号为157286400位，正确的应为18位");
    formatMessage(out, sizeof out, refusalText(VerifyRefusal::length), 0);
    EXPECT_STREQ(out, "您输入的身份证号为0位，正确的应为18位");
}

}  // namespace
