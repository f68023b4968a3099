// The C API against what it promises: records that say what its verdicts
// say, the same numbers and messages as idtool generate, a status for every
// bad argument, nothing written past a buffer, no allocation, and the same
// answers from several threads at once. (Its records against idtool verify's,
// where the programs are built: test_c_api_against_idtool.cpp.)
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "capi/idnumber.h"
#include "tests/capi/api_layouts.h"
#include "tests/capi/sized.h"
#include "core/check_character.h"
#include "core/number_rules.h"
#include "core/region_history.h"
#include "tests/allocation_counter.h"
#include "tests/capi/c_api_samples.h"

namespace {

// idn_hint_of says what the record's hint and upgraded fields say, for
// every repair a hint names and for lines no repair explains.
TEST(CApiVerify, HintsAreTheRecordsHints) {
    std::vector<std::string> lines = sampleLines();
    for (const char* line : {"110105491231002", "1.10105E+17", "110105194912310000", "1101 0519 4912 3100 2X",
                             "11010519491231002X\r11010519491231002X", "110105-19491231-002X"})
        lines.push_back(line);
    lines.push_back(std::string(70, '1') + "\r");  // a CR beyond the first 64 bytes is not seen
    for (const std::string& line : lines) {
        char upgraded[IDN_NUMBER_SIZE] = "unchanged";
        int32_t hint = -1;
        ASSERT_EQ(idn_hint_of(line.data(), line.size(), yearLimit, &hint, upgraded, sizeof upgraded, nullptr), IDN_OK)
            << line;
        const std::string record = verifyJson(line, 0);
        const char* name = idn_hint_name(hint);
        const std::string field = name != nullptr ? "\"hint\":\"" + std::string(name) + "\"" : "\"hint\":null";
        EXPECT_NE(record.find(field), std::string::npos) << record;
        if (hint == IDN_HINT_FIFTEEN_DIGITS)
            EXPECT_NE(record.find("\"upgraded\":\"" + std::string(upgraded) + "\""), std::string::npos) << record;
        else
            EXPECT_STREQ(upgraded, "") << line;
    }
    int32_t hint = -1;
    EXPECT_EQ(idn_hint_of("110105491231002", 15, yearLimit, &hint, nullptr, 0, nullptr), IDN_OK);
    EXPECT_EQ(hint, IDN_HINT_FIFTEEN_DIGITS);
    EXPECT_EQ(idn_hint_of(nullptr, 1, yearLimit, &hint, nullptr, 0, nullptr), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_hint_name(IDN_HINT_NONE), nullptr);
    EXPECT_EQ(idn_hint_name(IDN_HINT_SPACES + 1), nullptr);
}

TEST(CApiVerify, VerdictsKindsAndMessages) {
    // Stems completed with their check character (a wrong one for "check").
    const auto withCheck = [](std::string stem, bool right = true) {
        const char check = computeCheckCharacter(stem.c_str());
        return stem + (right ? check : check == '1' ? '2' : '1');
    };
    const struct {
        std::string text;
        int reason;
        int kind;
    } cases[] = {
        {withCheck("11010519491231002"), IDN_VALID, IDN_KIND_RESIDENT},
        {withCheck("81000019900101001"), IDN_VALID, IDN_KIND_HMT_PERMIT},
        {withCheck("82000019900101001"), IDN_VALID, IDN_KIND_HMT_PERMIT},
        {withCheck("83000020000101001"), IDN_VALID, IDN_KIND_HMT_PERMIT},
        {withCheck("91110119900101001"), IDN_VALID, IDN_KIND_FOREIGNER_CARD},
        {withCheck("81010019900101001"), IDN_VALID, IDN_KIND_RESIDENT},  // not a permit's code
        {withCheck("84000019900101001"), IDN_VALID, IDN_KIND_RESIDENT},
        {"11010519491231002x", IDN_REASON_CHARACTERS, IDN_KIND_NONE},
        {withCheck("11010519491231002", false), IDN_REASON_CHECK, IDN_KIND_NONE},
        {withCheck("11010519491331002"), IDN_REASON_DATE, IDN_KIND_NONE},
        {withCheck("91110120990101001"), IDN_REASON_DATE, IDN_KIND_NONE},
        {"1101051949", IDN_REASON_LENGTH, IDN_KIND_NONE},
    };
    for (const auto& c : cases) {
        auto verdict = sized<idn_verdict_t>();
        ASSERT_EQ(idn_verify(c.text.data(), c.text.size(), yearLimit, &verdict), IDN_OK);
        EXPECT_EQ(verdict.reason, c.reason) << c.text;
        EXPECT_EQ(verdict.kind, c.kind) << c.text;
        if (c.text.size() == 18 && c.reason != IDN_REASON_CHARACTERS) {
            EXPECT_EQ(verdict.expected_check, computeCheckCharacter(c.text.c_str())) << c.text;
        }
    }
    EXPECT_STREQ(idn_kind_name(IDN_KIND_HMT_PERMIT), "hmt_permit");
    EXPECT_STREQ(idn_kind_name(IDN_KIND_FOREIGNER_CARD), "foreigner_card");
    EXPECT_EQ(idn_kind_name(IDN_KIND_NONE), nullptr);
    EXPECT_STREQ(idn_reason_name(IDN_REASON_DATE), "date");
    EXPECT_EQ(idn_reason_name(IDN_VALID), nullptr);

    // A text of a mebibyte: its length is in the message.
    const std::string huge(1 << 20, '1');
    auto verdict = sized<idn_verdict_t>();
    ASSERT_EQ(idn_verify(huge.data(), huge.size(), yearLimit, &verdict), IDN_OK);
    char message[160];
    ASSERT_EQ(idn_reason_message(&verdict, message, sizeof message, nullptr), IDN_OK);
    EXPECT_STREQ(message, "您输入的身份证号为1048576位，正确的应为18位");
}

TEST(CApiVerify, ColumnsSayWhatTheVerdictsSay) {
    // The sample lines packed one after another: every column beside each
    // text's own verdict, and a NULL column left unwritten.
    const std::vector<std::string> lines = sampleLines();
    std::string packed;
    std::vector<size_t> ends;
    for (const std::string& line : lines) ends.push_back((packed += line).size());
    const size_t count = lines.size();
    std::vector<uint8_t> reasons(count, 99), checks(count, 99), sexes(count, 99);
    std::vector<int32_t> regions(count, 99), dates(count, 99);
    ASSERT_EQ(idn_verify_columns(packed.data(), ends.data(), count, yearLimit, reasons.data(), checks.data(),
                                 sexes.data(), regions.data(), dates.data()),
              IDN_OK);
    for (size_t i = 0; i < count; ++i) {
        auto verdict = sized<idn_verdict_t>();
        ASSERT_EQ(idn_verify(lines[i].data(), lines[i].size(), yearLimit, &verdict), IDN_OK);
        EXPECT_EQ(reasons[i], verdict.reason) << i;
        EXPECT_EQ(checks[i], verdict.expected_check) << i;
        EXPECT_EQ(sexes[i], verdict.sex) << i;
        EXPECT_EQ(regions[i], verdict.region_code) << i;
        EXPECT_EQ(dates[i], verdict.reason == IDN_VALID
                                ? verdict.birth_year * 10000 + verdict.birth_month * 100 + verdict.birth_day
                                : 0)
            << i;
    }
    EXPECT_EQ(dates[0], 19491231);
    EXPECT_EQ(regions[0], 110105);
    EXPECT_EQ(sexes[0], IDN_SEX_FEMALE);

    std::vector<uint8_t> only(count, 99);
    ASSERT_EQ(idn_verify_columns(packed.data(), ends.data(), count, yearLimit, only.data(), nullptr, nullptr,
                                 nullptr, nullptr),
              IDN_OK);
    EXPECT_EQ(only, reasons);
    EXPECT_EQ(idn_verify_columns(nullptr, nullptr, 0, yearLimit, nullptr, nullptr, nullptr, nullptr, nullptr), IDN_OK);
    EXPECT_EQ(idn_verify_columns(packed.data(), nullptr, 1, yearLimit, only.data(), nullptr, nullptr, nullptr, nullptr),
              IDN_ERROR_NULL_POINTER);
    const size_t backwards[] = {18, 10};
    EXPECT_EQ(idn_verify_columns(packed.data(), backwards, 2, yearLimit, only.data(), nullptr, nullptr, nullptr,
                                 nullptr),
              IDN_ERROR_BAD_ARGUMENT);
}

// A generator with the options a test sets, one by one as every face sets them.
struct Generation {
    idn_generator_t generator;

    Generation() { EXPECT_EQ(idn_generator_init(&generator, sizeof generator), IDN_OK); }
    Generation& text(int option, const char* value) { return text(option, std::string(value)); }
    Generation& text(int option, const std::string& value) {
        EXPECT_EQ(idn_generator_set_text(&generator, option, value.data(), value.size()), IDN_OK);
        return *this;
    }
    Generation& integer(int option, int64_t value) {
        EXPECT_EQ(idn_generator_set_integer(&generator, option, value), IDN_OK);
        return *this;
    }
    Generation& whole(int option, uint64_t value) {
        EXPECT_EQ(idn_generator_set_unsigned(&generator, option, value), IDN_OK);
        return *this;
    }
    int prepare() { return idn_generator_prepare(&generator); }
    int32_t option() const {
        int32_t status = 0, refused = -1;
        EXPECT_EQ(idn_generator_refusal(&generator, &status, &refused), IDN_OK);
        return refused;
    }
    // The kept refusal's message, in neutral words or the caller's.
    std::string message(const char* const* names = nullptr, size_t nameCount = 0) const {
        char out[IDN_MESSAGE_SIZE];
        size_t written = 0;
        EXPECT_EQ(idn_generator_message(&generator, names, nameCount, out, sizeof out, &written), IDN_OK);
        return std::string(out, written);
    }
};

Generation birthOptions(const char* region, const char* birth, int64_t count) {
    Generation generation;
    if (region != nullptr) generation.text(IDN_OPTION_REGION, region);
    if (birth != nullptr) generation.text(IDN_OPTION_BIRTH, birth);
    generation.integer(IDN_OPTION_COUNT, count).integer(IDN_OPTION_SEED, 7).integer(IDN_OPTION_YEAR_LIMIT, yearLimit);
    return generation;
}

TEST(CApiGenerate, IdtoolsNumbersAndMessages) {
    Generation generation = birthOptions("110105", "19491001", 5);
    idn_generator_t& generator = generation.generator;
    ASSERT_EQ(generation.prepare(), IDN_OK);
    EXPECT_EQ(generation.option(), IDN_OPTION_NONE);
    EXPECT_EQ(idn_generator_warning(&generator), IDN_WARNING_NONE);
    EXPECT_EQ(generation.message(), "");
    EXPECT_EQ(idn_generator_count(&generator), 5);
    // tests/idtool/cases/generate-district
    const char* expected[] = {"11010519491001805X", "110105194910016900", "110105194910014059",
                              "110105194910017321", "110105194910013996"};
    char number[IDN_NUMBER_SIZE];
    size_t written = 0;
    for (int64_t i = 0; i < 5; ++i) {
        ASSERT_EQ(idn_generator_number(&generator, i, number, sizeof number, &written), IDN_OK);
        EXPECT_STREQ(number, expected[i]);
        EXPECT_EQ(written, 18u);
    }
    EXPECT_EQ(idn_generator_number(&generator, 5, number, sizeof number, nullptr), IDN_ERROR_NOT_FOUND);
    EXPECT_EQ(idn_generator_number(&generator, -1, number, sizeof number, nullptr), IDN_ERROR_NOT_FOUND);
    EXPECT_EQ(idn_generator_number(&generator, 0, number, 18, &written), IDN_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(written, 18u);
    // A generator copied as bytes gives the same numbers.
    const idn_generator_t copy = generator;
    ASSERT_EQ(idn_generator_number(&copy, 4, number, sizeof number, nullptr), IDN_OK);
    EXPECT_STREQ(number, expected[4]);

    const struct {
        const char* region;
        const char* birth;
        int64_t count;
        int status;
        int32_t option;
        const char* message;
    } refusals[] = {
        {"城区", "19900101", 1, IDN_ERROR_REGION_AMBIGUOUS, IDN_OPTION_REGION,
         "城区 names 5 records, give the code or city/county: 140202 山西省 大同市 城区, 140302 山西省 阳泉市 "
         "城区, 140402 山西省 长治市 城区, 140502 山西省 晋城市 城区, 441502 广东省 汕尾市 城区"},
        {"130100", "19900101", 1, IDN_ERROR_REGION_NOT_COUNTY, IDN_OPTION_REGION,
         "130100 is a city-level or grouping record; numbers are made for county-level records"},
        {"999999", "19900101", 1, IDN_ERROR_REGION_UNKNOWN_CODE, IDN_OPTION_REGION,
         "999999 is no code of the built-in 2009 tables"},
        {"火星区", "19900101", 1, IDN_ERROR_REGION_NO_MATCH, IDN_OPTION_REGION, nullptr},
        {"驻马店市/济源市", "19900101", 1, IDN_ERROR_REGION_WRONG_PATH, IDN_OPTION_REGION, nullptr},
        {"a//b", "19900101", 1, IDN_ERROR_REGION_BAD_PATH, IDN_OPTION_REGION, nullptr},
        {"", "19900101", 1, IDN_ERROR_REGION_BAD_PATH, IDN_OPTION_REGION, nullptr},
        {"\xFF", "19900101", 1, IDN_ERROR_REGION_INVALID_TEXT, IDN_OPTION_REGION,
         "region is too long or not valid text"},
        {"110105", "1990", 1, IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS, IDN_OPTION_BIRTH,
         "birth 1990: a birth date is 8 digits, YYYYMMDD"},
        {"110105", "19901301", 1, IDN_ERROR_BIRTH_BEYOND_LIMITS, IDN_OPTION_BIRTH,
         "birth 19901301: the year may not be after 2026, the month above 12 or the day above 31"},
        {"110105", nullptr, 1, IDN_ERROR_NO_BIRTH_DATE, IDN_OPTION_BIRTH, "birth or born_from is required"},
        {"110105", "19900101", 0, IDN_ERROR_COUNT_RANGE, IDN_OPTION_COUNT,
         "count: must be a whole number from 1 to 9223372036854775807, not 0"},
        {"110105", "19900101", -5, IDN_ERROR_COUNT_RANGE, IDN_OPTION_COUNT,
         "count: must be a whole number from 1 to 9223372036854775807, not -5"},
        {"110105", "19900101", 1000, IDN_ERROR_COUNT_EXCEEDS_CANDIDATES, IDN_OPTION_COUNT,
         "count 1000 is more than the 999 distinct numbers that this region, birth date and sex can give"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.region);
        Generation refused = birthOptions(refusal.region, refusal.birth, refusal.count);
        EXPECT_EQ(refused.prepare(), refusal.status);
        EXPECT_EQ(refused.option(), refusal.option);
        const std::string message = refused.message();
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find("idtool"), std::string::npos) << message;
        EXPECT_EQ(message.find("--"), std::string::npos) << message;
        if (refusal.message != nullptr) {
            EXPECT_EQ(message, refusal.message);
        }
        EXPECT_NE(idn_status_name(refusal.status), nullptr);
        EXPECT_EQ(idn_generator_count(&refused.generator), 0);
        EXPECT_EQ(idn_generator_number(&refused.generator, 0, number, sizeof number, nullptr), IDN_ERROR_NOT_PREPARED);
    }

    // A caller's own words for its options, around the same sentence; an
    // echoed value is never taken for an option's name.
    const char* sqlNames[IDN_OPTION_BORN_TO + 1] = {};
    sqlNames[IDN_OPTION_REGION] = "region";
    sqlNames[IDN_OPTION_BIRTH] = sqlNames[IDN_OPTION_BORN_FROM] = "birth_from";
    sqlNames[IDN_OPTION_BORN_TO] = "birth_to";
    const size_t sqlNameCount = IDN_OPTION_BORN_TO + 1;
    const auto range = [](const char* from, const char* to) {
        Generation dates = birthOptions("110105", nullptr, 1);
        if (from != nullptr) dates.text(IDN_OPTION_BORN_FROM, from);
        if (to != nullptr) dates.text(IDN_OPTION_BORN_TO, to);
        return dates;
    };
    Generation future = range("19900102", "20990101");
    EXPECT_EQ(future.prepare(), IDN_ERROR_RANGE_YEAR_AFTER_LIMIT);
    EXPECT_EQ(future.option(), IDN_OPTION_BORN_TO);
    EXPECT_EQ(future.message(sqlNames, sqlNameCount), "birth_to 20990101: the year may not be after 2026");
    Generation echoed = birthOptions("朝阳--birth区", "19900101", 1);
    echoed.prepare();
    EXPECT_EQ(echoed.message(sqlNames, sqlNameCount),
              "朝阳--birth区 names no county-level record of the built-in 2009 tables");
    Generation reversed = range("19900102", "19900101");
    EXPECT_EQ(reversed.prepare(), IDN_ERROR_RANGE_REVERSED);
    EXPECT_EQ(reversed.option(), IDN_OPTION_BORN_FROM);
    Generation halfRange = range("19900102", nullptr);
    EXPECT_EQ(halfRange.prepare(), IDN_ERROR_RANGE_NOT_DATE);
    EXPECT_EQ(halfRange.option(), IDN_OPTION_BORN_TO);
    halfRange.text(IDN_OPTION_BIRTH, "19900101");
    EXPECT_EQ(halfRange.prepare(), IDN_ERROR_BIRTH_AND_RANGE);
    EXPECT_EQ(halfRange.message(), "birth excludes born_from");

    // A value echoed in a message is made valid text: bytes that are no UTF-8
    // and control characters (a NUL would end the message) become '?'.
    Generation badBytes = birthOptions("110105", nullptr, 1);
    badBytes.text(IDN_OPTION_BIRTH, std::string("19\xFF\0" "0101", 8));
    EXPECT_EQ(badBytes.prepare(), IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS);
    EXPECT_EQ(badBytes.message(), "birth 19??0101: a birth date is 8 digits, YYYYMMDD");
    // A long value is kept as far as a message echoes it.
    Generation longBirth = birthOptions("110105", nullptr, 1);
    longBirth.text(IDN_OPTION_BIRTH, std::string(1000, '9'));
    EXPECT_EQ(longBirth.prepare(), IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS);
    EXPECT_EQ(longBirth.message(), "birth " + std::string(128, '9') + "...: a birth date is 8 digits, YYYYMMDD");

    Generation odd = birthOptions("110105", "19900101", 1);
    odd.integer(IDN_OPTION_SEX, 3);
    EXPECT_EQ(odd.prepare(), IDN_ERROR_BAD_SEX);
    EXPECT_EQ(odd.option(), IDN_OPTION_SEX);
    EXPECT_EQ(odd.message(), "sex: must be 男, 女, male, female or any, not 3");
    odd.text(IDN_OPTION_SEX, "female");
    EXPECT_EQ(odd.prepare(), IDN_OK);
    odd.text(IDN_OPTION_SEX, "she");
    EXPECT_EQ(odd.prepare(), IDN_ERROR_BAD_SEX);
    EXPECT_EQ(odd.message(), "sex: must be 男, 女, male, female or any, not she");
    Generation noRegion = birthOptions(nullptr, "19900101", 1);
    EXPECT_EQ(noRegion.prepare(), IDN_ERROR_NO_REGION);
    EXPECT_EQ(noRegion.message(sqlNames, sqlNameCount), "region is required");
    Generation late = birthOptions("110105", "19900101", 1);
    late.integer(IDN_OPTION_YEAR_LIMIT, 10000);
    EXPECT_EQ(late.prepare(), IDN_ERROR_YEAR_LIMIT);
    EXPECT_EQ(late.option(), IDN_OPTION_YEAR_LIMIT);
    Generation huge = birthOptions("110105", "19900101", 1);
    huge.whole(IDN_OPTION_COUNT, UINT64_MAX);
    EXPECT_EQ(huge.prepare(), IDN_ERROR_COUNT_RANGE);
    EXPECT_EQ(huge.message(), "count: must be a whole number from 1 to 9223372036854775807, not 18446744073709551615");
    Generation history = birthOptions("330124", "19800101", 1);
    history.integer(IDN_OPTION_AS_OF_YEAR, 1980);
    EXPECT_EQ(history.prepare(), IDN_ERROR_AS_OF_YEAR);
    EXPECT_EQ(history.message(), "as_of_year: must be a whole number from 1981 to 2024, not 1980");
    history.integer(IDN_OPTION_AS_OF_YEAR, 2000);
    EXPECT_EQ(history.prepare(), IDN_ERROR_AS_OF_NOT_IN_USE);
    EXPECT_EQ(history.message(), "330124 was not in use in 2000; it was in use from 1981 until 1996 (临安县)");
    history.integer(IDN_OPTION_AS_OF_YEAR, 1990);
    EXPECT_EQ(history.prepare(), IDN_OK);

    // A date the dialog takes but the calendar lacks: numbers, and a warning.
    Generation february31 = birthOptions("110105", "20230231", 3);
    EXPECT_EQ(february31.prepare(), IDN_OK);
    EXPECT_EQ(idn_generator_warning(&february31.generator), IDN_WARNING_BIRTH_NOT_CALENDAR_DATE);
    EXPECT_EQ(february31.message(), "20230231 is not a real calendar date; the numbers carry it as given");

    uint64_t seed = 0;
    EXPECT_EQ(idn_generator_seed(&generator, &seed), IDN_OK);
    EXPECT_EQ(seed, 7u);
    EXPECT_EQ(idn_generator_seed(&reversed.generator, &seed), IDN_ERROR_NOT_PREPARED);
    EXPECT_NE(idn_system_seed(), idn_system_seed());

    // Without a seed, numbers still come, and are valid; the seed drawn
    // gives them again.
    Generation unseeded;
    unseeded.text(IDN_OPTION_REGION, "140302").text(IDN_OPTION_BIRTH, "19900101").integer(IDN_OPTION_COUNT, 2);
    ASSERT_EQ(unseeded.prepare(), IDN_OK);
    ASSERT_EQ(idn_generator_number(&unseeded.generator, 1, number, sizeof number, nullptr), IDN_OK);
    auto verdict = sized<idn_verdict_t>();
    idn_verify(number, 18, yearLimit, &verdict);
    EXPECT_EQ(verdict.reason, IDN_VALID);
    EXPECT_EQ(verdict.region_code, 140302);
    ASSERT_EQ(idn_generator_seed(&unseeded.generator, &seed), IDN_OK);
    Generation again;
    again.text(IDN_OPTION_REGION, "140302").text(IDN_OPTION_BIRTH, "19900101").integer(IDN_OPTION_COUNT, 2);
    again.whole(IDN_OPTION_SEED, seed);
    ASSERT_EQ(again.prepare(), IDN_OK);
    char repeated[IDN_NUMBER_SIZE];
    ASSERT_EQ(idn_generator_number(&again.generator, 1, repeated, sizeof repeated, nullptr), IDN_OK);
    EXPECT_STREQ(repeated, number);

    // Misuse: an option of another type or no option at all; storage too
    // small for this library; a generator used before it is prepared.
    Generation misuse;
    EXPECT_EQ(idn_generator_set_text(&misuse.generator, IDN_OPTION_COUNT, "5", 1), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_generator_set_integer(&misuse.generator, IDN_OPTION_REGION, 110105), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_generator_set_integer(&misuse.generator, 1000, 1), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_generator_set_text(&misuse.generator, IDN_OPTION_REGION, nullptr, 1), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_generator_refusal(&misuse.generator, nullptr, nullptr), IDN_ERROR_NOT_PREPARED);
    EXPECT_EQ(idn_generator_init(&misuse.generator, sizeof misuse.generator - 8), IDN_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(idn_size_of(IDN_ID_GENERATOR_CONTEXT), sizeof(idn_generator_t));
}

// The refusals a binding makes before its values reach the options, and the
// words every face takes for a sex.
TEST(CApiGenerate, OptionRefusalsAndSexWords) {
    const struct {
        const char* word;
        int status;
        int32_t sex;
    } words[] = {
        {"男", IDN_OK, IDN_SEX_MALE},   {"male", IDN_OK, IDN_SEX_MALE},   {"MALE", IDN_OK, IDN_SEX_MALE},
        {"女", IDN_OK, IDN_SEX_FEMALE}, {"Female", IDN_OK, IDN_SEX_FEMALE}, {"any", IDN_OK, IDN_SEX_ANY},
        {"", IDN_ERROR_BAD_SEX, -1},     {" male", IDN_ERROR_BAD_SEX, -1}, {"m", IDN_ERROR_BAD_SEX, -1},
        {"男性", IDN_ERROR_BAD_SEX, -1}, {"toString", IDN_ERROR_BAD_SEX, -1},
    };
    for (const auto& w : words) {
        int32_t sex = -1;
        EXPECT_EQ(idn_parse_sex(w.word, std::strlen(w.word), &sex), w.status) << w.word;
        EXPECT_EQ(sex, w.sex) << w.word;
    }
    int32_t sex = -1;
    EXPECT_EQ(idn_parse_sex("male\0junk", 9, &sex), IDN_ERROR_BAD_SEX);  // a NUL is no end of the word
    EXPECT_EQ(idn_parse_sex(nullptr, 0, &sex), IDN_ERROR_BAD_SEX);
    EXPECT_STREQ(idn_sex_name(IDN_SEX_MALE), "男");
    EXPECT_STREQ(idn_sex_name(IDN_SEX_FEMALE), "女");
    EXPECT_EQ(idn_sex_name(IDN_SEX_ANY), nullptr);

    const char* names[IDN_OPTION_YEAR_LIMIT + 1] = {};
    names[IDN_OPTION_COUNT] = "count";
    names[IDN_OPTION_SEED] = "seed";
    const auto message = [&](int status, const char* value) {
        char out[IDN_MESSAGE_SIZE];
        size_t written = 0;
        EXPECT_EQ(idn_option_message(status, value, std::strlen(value), names, IDN_OPTION_YEAR_LIMIT + 1, out,
                                     sizeof out, &written),
                  IDN_OK);
        return std::string(out, written);
    };
    EXPECT_EQ(message(IDN_ERROR_BAD_SEX, "other"), "sex: must be 男, 女, male, female or any, not other");
    EXPECT_EQ(message(IDN_ERROR_COUNT_RANGE, "-5"),
              "count: must be a whole number from 1 to 9223372036854775807, not -5");
    EXPECT_EQ(message(IDN_ERROR_SEED_RANGE, "18446744073709551616"),
              "seed: must be a whole number from 0 to 18446744073709551615, not 18446744073709551616");
    EXPECT_EQ(message(IDN_ERROR_AS_OF_YEAR, "1980"), "as_of_year: must be a whole number from 1981 to 2024, not 1980");
    names[IDN_OPTION_SEX] = "--sex";
    EXPECT_EQ(message(IDN_ERROR_BAD_SEX, "x\ny"), "--sex: must be 男, 女, male, female or any, not x?y");
    char out[8];
    EXPECT_EQ(idn_option_message(IDN_ERROR_REGION_AMBIGUOUS, "x", 1, nullptr, 0, out, sizeof out, nullptr),
              IDN_ERROR_BAD_ARGUMENT);
    EXPECT_STREQ(idn_option_name(IDN_OPTION_BORN_TO), "born_to");
    EXPECT_EQ(idn_option_name(IDN_OPTION_NONE), nullptr);
}

TEST(CApiRegions, RecordsListsAndHistory) {
    auto region = sized<idn_region_t>();
    ASSERT_EQ(idn_find_region(419001, &region), IDN_OK);
    EXPECT_STREQ(region.name, "济源市");
    EXPECT_EQ(region.city, nullptr);  // directly under 河南省
    ASSERT_EQ(idn_find_region(140302, &region), IDN_OK);
    EXPECT_STREQ(region.city, "阳泉市");
    EXPECT_STREQ(region.level, "county");
    ASSERT_EQ(idn_find_region(110000, &region), IDN_OK);
    EXPECT_STREQ(region.name, "北京市");
    EXPECT_EQ(idn_find_region(990000, &region), IDN_ERROR_NOT_FOUND);

    // As idtool regions 阳泉 lists them.
    std::vector<int32_t> found;
    size_t cursor = 0;
    const std::string query = "阳泉";
    while (idn_search_regions(query.data(), query.size(), &cursor, &region) == 1) found.push_back(region.code);
    EXPECT_EQ(found, (std::vector<int32_t>{140300}));
    cursor = 0;
    found.clear();
    while (idn_search_regions("1403", 4, &cursor, &region) == 1) found.push_back(region.code);
    EXPECT_EQ(found.size(), 7u);

    // The dialog's lists, by table position: 济源市 follows 驻马店市's counties.
    int32_t codes[64];
    size_t count = 0;
    ASSERT_EQ(idn_picker_list(IDN_PICKER_MUNICIPALITIES, codes, 64, &count), IDN_OK);
    EXPECT_EQ(count, 4u);
    ASSERT_EQ(idn_picker_list(IDN_PICKER_PROVINCES, codes, 64, &count), IDN_OK);
    EXPECT_EQ(count, 27u);
    ASSERT_EQ(idn_picker_list(140300, codes, 64, &count), IDN_OK);
    EXPECT_EQ(std::vector<int32_t>(codes, codes + count),
              (std::vector<int32_t>{140302, 140303, 140311, 140321, 140322}));
    ASSERT_EQ(idn_picker_list(411700, codes, 64, &count), IDN_OK);
    EXPECT_EQ(codes[count - 1], 419001);
    EXPECT_EQ(idn_picker_list(410000, codes, 2, &count), IDN_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(count, 17u);
    EXPECT_EQ(idn_picker_list(140302, codes, 64, &count), IDN_ERROR_NOT_FOUND);

    // History: 巴县, abolished 1994, whose area is now seven districts of 重庆.
    EXPECT_EQ(idn_code_status_of(510222), IDN_CODE_ABOLISHED);
    EXPECT_STREQ(idn_code_status_name(idn_code_status_of(140302)), "2009");
    idn_present_code_t now[IDN_MAX_NOW_CODES];
    now[0].size = sizeof now[0];
    ASSERT_EQ(idn_now_codes(510222, now, IDN_MAX_NOW_CODES, &count), IDN_OK);
    EXPECT_EQ(count, 7u);
    auto record = sized<idn_history_record_t>();
    ASSERT_EQ(idn_history_at(330124, 0, &record), IDN_OK);
    EXPECT_STREQ(record.name, "临安县");
    EXPECT_EQ(record.from, 1981);
    EXPECT_EQ(record.until, 1996);
    EXPECT_EQ(idn_history_at(330124, 1, &record), IDN_ERROR_NOT_FOUND);
    EXPECT_EQ(idn_in_use_at_birth(330124, 1970), 1);
    EXPECT_EQ(idn_in_use_at_birth(330124, 2000), 0);

    // No code has more successors than the header promises.
    size_t most = 0;
    for (const HistoryRecord& each : allHistoryRecords()) {
        idn_successor_t successors[IDN_MAX_SUCCESSORS];
        successors[0].size = sizeof successors[0];
        EXPECT_EQ(idn_successors(codeOf(each), successors, IDN_MAX_SUCCESSORS, &count), IDN_OK) << codeOf(each);
        most = count > most ? count : most;
    }
    EXPECT_GT(most, 1u);
}

TEST(CApiDates, CalendarDatesAndTheCurrentYear) {
    EXPECT_EQ(idn_is_calendar_date(2000, 2, 29), 1);
    EXPECT_EQ(idn_is_calendar_date(1900, 2, 29), 0);  // not a leap year
    EXPECT_EQ(idn_is_calendar_date(1990, 2, 31), 0);
    EXPECT_EQ(idn_is_calendar_date(1990, 4, 31), 0);
    EXPECT_EQ(idn_is_calendar_date(1990, 0, 1), 0);
    EXPECT_EQ(idn_is_calendar_date(1990, 13, 1), 0);
    EXPECT_EQ(idn_is_calendar_date(1990, 1, 0), 0);
    EXPECT_EQ(idn_is_calendar_date(0, 1, 1), 0);
    EXPECT_EQ(idn_is_calendar_date(9999, 12, 31), 1);
    const int before = localYear(time(nullptr));
    const int year = idn_current_year();
    EXPECT_TRUE(year == before || year == localYear(time(nullptr))) << year;
}

TEST(CApiConversions, UpgradeAndMask) {
    char out[64];
    size_t length = 0;
    EXPECT_EQ(idn_upgrade_number("110105491231002", 15, out, sizeof out, &length), IDN_OK);
    EXPECT_EQ(length, 18u);
    EXPECT_STREQ(out, "11010519491231002X");
    EXPECT_EQ(idn_upgrade_number("11010549123100", 14, out, sizeof out, nullptr), IDN_ERROR_NOT_FIFTEEN_DIGITS);
    EXPECT_EQ(idn_upgrade_number("11010549123100a", 15, out, sizeof out, nullptr), IDN_ERROR_NOT_FIFTEEN_DIGITS);
    EXPECT_EQ(idn_upgrade_number("110105491331002", 15, out, sizeof out, nullptr), IDN_ERROR_MONTH_ABOVE_12);
    EXPECT_EQ(idn_upgrade_number("110105491232002", 15, out, sizeof out, nullptr), IDN_ERROR_DAY_ABOVE_31);
    // Each refusal's message, in the words idtool upgrade prints after the line.
    const struct {
        const char* text;
        const char* message;
    } refusals[] = {{"11010549123100", "14 bytes, not 15 digits"}, {"11010549123100a", "not 15 digits"},
                    {"110105491331002", "month above 12: 13"},      {"110105491232002", "day above 31: 32"},
                    {"110105491231002", ""},                        {"", "0 bytes, not 15 digits"}};
    for (const auto& r : refusals) {
        ASSERT_EQ(idn_upgrade_message(r.text, std::strlen(r.text), out, sizeof out, &length), IDN_OK) << r.text;
        EXPECT_STREQ(out, r.message);
    }

    const struct {
        std::string text;
        const char* masked;
    } masks[] = {
        {"11010519491231002X", "110105********002X"},
        {"110105491231002", "110105*****1002"},
        {"12345678901", "123456*8901"},
        {"1234567890", "**********"},  // ten characters or fewer: all of them
        {"", ""},
        {"北京市朝阳区某某街道一号院", "北京市朝阳区***道一号院"},
        // Kept bytes that are no UTF-8 become U+FFFD: the mask is valid text.
        {std::string("\xFF\xFE") + "345678901234", "\xEF\xBF\xBD\xEF\xBF\xBD" "3456****1234"},
        {std::string("\xFF") + "1234567890", "\xEF\xBF\xBD" "12345*7890"},
    };
    for (const auto& m : masks) {
        size_t written = 0;
        ASSERT_EQ(idn_mask_text(m.text.data(), m.text.size(), out, sizeof out, &written), IDN_OK) << m.text;
        EXPECT_STREQ(out, m.masked);
        EXPECT_EQ(written, std::strlen(m.masked));
        EXPECT_LE(written + 1, IDN_MASK_SIZE(m.text.size()));
    }
    // The worst case of IDN_MASK_SIZE: ten kept bytes, each no UTF-8.
    const std::string invalid(11, '\xFF');
    size_t needed = 0;
    ASSERT_EQ(idn_mask_text(invalid.data(), invalid.size(), nullptr, 0, &needed), IDN_OK);
    EXPECT_EQ(needed + 1, IDN_MASK_SIZE(invalid.size()));
}

TEST(CApiArguments, NullPointersShortBuffersAndNothingPastTheSize) {
    auto verdict = sized<idn_verdict_t>();
    EXPECT_EQ(idn_verify("1", 1, 0, nullptr), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_verify(nullptr, 0, 0, &verdict), IDN_OK);  // the empty text
    EXPECT_EQ(verdict.reason, IDN_REASON_LENGTH);
    EXPECT_EQ(idn_region_fields(110105, nullptr), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_generator_init(nullptr, 0), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_generator_prepare(nullptr), IDN_ERROR_NULL_POINTER);
    // A struct the caller sized for less than this version is refused, not overrun.
    auto shortVerdict = sized<idn_verdict_t>();
    shortVerdict.size = 8;
    EXPECT_EQ(idn_verify("1", 1, 0, &shortVerdict), IDN_ERROR_BAD_ARGUMENT);
    idn_region_fields_t unsized{};
    EXPECT_EQ(idn_region_fields(110105, &unsized), IDN_ERROR_BAD_ARGUMENT);
    EXPECT_EQ(idn_search_regions("1", 1, nullptr, nullptr), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_mask_text(nullptr, 3, nullptr, 0, nullptr), IDN_ERROR_NULL_POINTER);
    EXPECT_EQ(idn_status_name(-99), nullptr);
    EXPECT_STREQ(idn_status_name(IDN_OK), "IDN_OK");

    // Every writer of text: a buffer one byte short gets an empty text, the
    // length it needs, and not one byte beyond its size.
    const std::string number = "51220119800101001";
    const auto check = [](const char* what, const std::function<int(char*, size_t, size_t*)>& write) {
        char full[IDN_VERIFY_JSON_SIZE];
        size_t needed = 0;
        ASSERT_EQ(write(full, sizeof full, &needed), IDN_OK) << what;
        size_t asked = 0;
        EXPECT_EQ(write(nullptr, 0, &asked), IDN_OK) << what;  // the size query
        EXPECT_EQ(asked, needed) << what;
        EXPECT_EQ(write(nullptr, 1, &asked), IDN_ERROR_NULL_POINTER) << what;
        std::vector<char> room(needed + 8, '~');
        size_t told = 0;
        EXPECT_EQ(write(room.data(), needed, &told), IDN_ERROR_BUFFER_TOO_SMALL) << what;
        EXPECT_EQ(told, needed) << what;
        EXPECT_EQ(room[0], '\0') << what;
        for (size_t i = needed; i < room.size(); ++i) EXPECT_EQ(room[i], '~') << what;
        EXPECT_EQ(write(room.data(), needed + 1, &told), IDN_OK) << what;
        EXPECT_EQ(std::string(room.data()), std::string(full)) << what;
    };
    check("verify_json", [](char* out, size_t size, size_t* written) {
        return idn_verify_json("512201198001010012", 18, yearLimit, IDN_VERIFY_JSON_HISTORY, out, size, written);
    });
    check("history_json", [](char* out, size_t size, size_t* written) {
        return idn_history_json(511402, out, size, written);
    });
    check("now_json", [](char* out, size_t size, size_t* written) { return idn_now_codes_json(510222, out, size, written); });
    check("successors_json", [](char* out, size_t size, size_t* written) {
        return idn_successors_json(512201, out, size, written);
    });
    check("reason_message", [](char* out, size_t size, size_t* written) {
        auto refused = sized<idn_verdict_t>();
        idn_verify("1", 1, yearLimit, &refused);
        return idn_reason_message(&refused, out, size, written);
    });
    check("generator_number", [](char* out, size_t size, size_t* written) {
        Generation generation = birthOptions("110105", "19491001", 1);
        generation.prepare();
        return idn_generator_number(&generation.generator, 0, out, size, written);
    });
    check("upgrade_number", [](char* out, size_t size, size_t* written) {
        return idn_upgrade_number("110105491231002", 15, out, size, written);
    });
    check("hint_of", [](char* out, size_t size, size_t* written) {
        int32_t hint = 0;
        return idn_hint_of("110105491231002", 15, yearLimit, &hint, out, size, written);
    });
    check("generate_message", [](char* out, size_t size, size_t* written) {
        Generation generation = birthOptions("城区", "19491001", 1);
        generation.prepare();
        return idn_generator_message(&generation.generator, nullptr, 0, out, size, written);
    });
    check("upgrade_message", [](char* out, size_t size, size_t* written) {
        return idn_upgrade_message("11010549123100", 14, out, size, written);
    });
    check("option_message", [](char* out, size_t size, size_t* written) {
        return idn_option_message(IDN_ERROR_SEED_RANGE, "-1", 2, nullptr, 0, out, size, written);
    });
    check("mask", [](char* out, size_t size, size_t* written) {
        return idn_mask_text("北京市朝阳区某某街道一号院", std::strlen("北京市朝阳区某某街道一号院"), out, size, written);
    });
}

#ifndef _WIN32
TEST(CApiArguments, NothingIsAllocated) {
    char out[IDN_VERIFY_JSON_SIZE];
    char message[IDN_MESSAGE_SIZE];
    auto verdict = sized<idn_verdict_t>();
    Generation seeded = birthOptions("阳泉市/城区", "19900101", 999);
    Generation unseeded;
    idn_verify("11010519491231002X", 18, 0, &verdict);  // the clock's first reading sets up the time zone
    const std::vector<std::string> lines = sampleLines();
    startCountingAllocations();
    for (const std::string& line : lines) {
        idn_verify(line.data(), line.size(), yearLimit, &verdict);
        idn_verify_json(line.data(), line.size(), yearLimit, IDN_VERIFY_JSON_HISTORY, out, sizeof out, nullptr);
        idn_mask_text(line.data(), line.size(), out, sizeof out, nullptr);
    }
    const size_t end = 18;
    uint8_t reason = 0;
    int32_t date = 0;
    idn_verify_columns("11010519491231002X", &end, 1, yearLimit, &reason, nullptr, nullptr, nullptr, &date);
    seeded.prepare();
    for (int64_t i = 0; i < idn_generator_count(&seeded.generator); ++i)
        idn_generator_number(&seeded.generator, i, out, sizeof out, nullptr);
    idn_generator_message(&seeded.generator, nullptr, 0, message, sizeof message, nullptr);
    idn_generator_init(&unseeded.generator, sizeof unseeded.generator);
    idn_generator_set_text(&unseeded.generator, IDN_OPTION_REGION, "城区", std::strlen("城区"));
    idn_generator_set_text(&unseeded.generator, IDN_OPTION_BIRTH, "19900101", 8);
    idn_generator_prepare(&unseeded.generator);
    idn_generator_message(&unseeded.generator, nullptr, 0, message, sizeof message, nullptr);
    idn_generator_set_text(&unseeded.generator, IDN_OPTION_REGION, "140302", 6);
    idn_generator_prepare(&unseeded.generator);
    auto info = sized<idn_region_info_t>();
    idn_region_info(330124, 1990, &info);
    int32_t age = 0;
    idn_age_on(&verdict, 2024, 2, 29, &age);
    idn_now_codes_json(510222, out, sizeof out, nullptr);
    EXPECT_EQ(stopCountingAllocations(), 0);
}
#endif

// Inputs that crashed, misread or ran away before: each is refused or
// answered, never read past what the caller gave.
TEST(CApiArguments, HostileInputs) {
    // Decreasing ends with no bytes: refused before any text is read.
    const size_t backwards[] = {5, 0};
    uint8_t reasons[2];
    EXPECT_EQ(idn_verify_columns(nullptr, backwards, 2, yearLimit, reasons, nullptr, nullptr, nullptr, nullptr),
              IDN_ERROR_BAD_ARGUMENT);
    const size_t empties[] = {0, 0};
    EXPECT_EQ(idn_verify_columns(nullptr, empties, 2, yearLimit, reasons, nullptr, nullptr, nullptr, nullptr), IDN_OK);
    EXPECT_EQ(reasons[1], IDN_REASON_LENGTH);
    const size_t some[] = {0, 3};
    EXPECT_EQ(idn_verify_columns(nullptr, some, 2, yearLimit, reasons, nullptr, nullptr, nullptr, nullptr),
              IDN_ERROR_NULL_POINTER);

    // An empty region without bytes is an empty region, not a null pointer
    // for memchr.
    int32_t code = 0;
    EXPECT_EQ(idn_resolve_region(nullptr, 0, 0, &code), IDN_ERROR_NO_REGION);
    EXPECT_EQ(idn_resolve_region("", 0, 0, &code), IDN_ERROR_REGION_BAD_PATH);
    EXPECT_EQ(idn_resolve_region("140302", 6, 0, &code), IDN_OK);
    EXPECT_EQ(code, 140302);

    // The longest length there is: its figure in the message, never -1.
    auto verdict = sized<idn_verdict_t>();
    verdict.reason = IDN_REASON_LENGTH;
    verdict.length = UINT64_MAX;
    char message[IDN_REASON_MESSAGE_SIZE];
    ASSERT_EQ(idn_reason_message(&verdict, message, sizeof message, nullptr), IDN_OK);
    EXPECT_STREQ(message, "您输入的身份证号为18446744073709551615位，正确的应为18位");
    const std::string start = "11010519491231002X" + std::string(IDN_INPUT_HELD_BYTES - 18, '0');
    char record[IDN_VERIFY_JSON_SIZE];
    ASSERT_EQ(idn_verify_json_prefix(start.data(), start.size(), UINT64_MAX, yearLimit, 0, record, sizeof record,
                                     nullptr),
              IDN_OK);
    EXPECT_NE(std::string(record).find("为18446744073709551615位"), std::string::npos) << record;

    // Year limits outside 0-9999 are refused, not taken.
    EXPECT_EQ(idn_verify("1", 1, -1, &verdict), IDN_ERROR_YEAR_LIMIT);
    EXPECT_EQ(idn_verify("1", 1, 10000, &verdict), IDN_ERROR_YEAR_LIMIT);
    EXPECT_EQ(idn_verify_prefix("1", 0, 1, yearLimit, &verdict), IDN_ERROR_BAD_ARGUMENT);  // too few bytes held
}

#ifndef _WIN32
// A refused value of a gibibyte whose bytes past the first page cannot be
// read: its message is written from the part that shows, and nothing more
// is read.
TEST(CApiArguments, AHugeRefusedValueIsReadNoFurtherThanItsMessage) {
    const long page = sysconf(_SC_PAGESIZE);
    void* mapped = mmap(nullptr, static_cast<size_t>(page) * 2, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    char* bytes = static_cast<char*>(mapped);
    std::memset(bytes, '1', static_cast<size_t>(page));
    ASSERT_EQ(mprotect(bytes + page, static_cast<size_t>(page), PROT_NONE), 0);
    Generation generation = birthOptions("110105", nullptr, 1);
    ASSERT_EQ(idn_generator_set_text(&generation.generator, IDN_OPTION_BIRTH, bytes, size_t{1} << 30), IDN_OK);
    EXPECT_EQ(generation.prepare(), IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS);
    const std::string message = generation.message();
    EXPECT_EQ(message.rfind("birth 1111", 0), 0u);
    EXPECT_LT(message.size(), static_cast<size_t>(IDN_MESSAGE_SIZE));
    munmap(mapped, static_cast<size_t>(page) * 2);
}
#endif

// What a caller holds of a long text is enough: the prefix forms answer as
// the whole text does.
TEST(CApiVerify, PrefixesAnswerAsTheWholeText) {
    std::vector<std::string> lines = sampleLines();
    lines.push_back(std::string(200, '1') + "\r");
    lines.push_back("11010519491231002X" + std::string(100, ' '));
    for (const std::string& line : lines) {
        const size_t held = line.size() < IDN_INPUT_HELD_BYTES ? line.size() : IDN_INPUT_HELD_BYTES;
        idn_verdict_t whole = sized<idn_verdict_t>(), prefix = sized<idn_verdict_t>();
        ASSERT_EQ(idn_verify(line.data(), line.size(), yearLimit, &whole), IDN_OK);
        ASSERT_EQ(idn_verify_prefix(line.data(), held, line.size(), yearLimit, &prefix), IDN_OK);
        EXPECT_EQ(std::memcmp(&whole, &prefix, sizeof whole), 0) << line;
        char a[IDN_VERIFY_JSON_SIZE], b[IDN_VERIFY_JSON_SIZE];
        ASSERT_EQ(idn_verify_json(line.data(), line.size(), yearLimit, IDN_VERIFY_JSON_HISTORY, a, sizeof a, nullptr),
                  IDN_OK);
        ASSERT_EQ(idn_verify_json_prefix(line.data(), held, line.size(), yearLimit, IDN_VERIFY_JSON_HISTORY, b,
                                         sizeof b, nullptr),
                  IDN_OK);
        EXPECT_STREQ(a, b);
        int32_t wholeHint = -1, prefixHint = -2;
        idn_hint_of(line.data(), line.size(), yearLimit, &wholeHint, nullptr, 0, nullptr);
        idn_hint_of_prefix(line.data(), held, line.size(), yearLimit, &prefixHint, nullptr, 0, nullptr);
        EXPECT_EQ(wholeHint, prefixHint) << line;
    }
}

// Each published size is the longest value of any code plus its NUL: a
// change of the data that outgrows one fails here.
TEST(CApiSizes, EachSizeIsTheLongestValue) {
    size_t history = 0, successors = 0, now = 0;
    for (const HistoryRecord& each : allHistoryRecords()) {
        size_t length = 0;
        ASSERT_EQ(idn_history_json(codeOf(each), nullptr, 0, &length), IDN_OK);
        history = length > history ? length : history;
        ASSERT_EQ(idn_successors_json(codeOf(each), nullptr, 0, &length), IDN_OK);
        successors = length > successors ? length : successors;
        ASSERT_EQ(idn_now_codes_json(codeOf(each), nullptr, 0, &length), IDN_OK);
        now = length > now ? length : now;
    }
    EXPECT_EQ(history + 1, size_t{IDN_HISTORY_JSON_SIZE});
    EXPECT_EQ(successors + 1, size_t{IDN_SUCCESSORS_JSON_SIZE});
    EXPECT_EQ(now + 1, size_t{IDN_NOW_CODES_JSON_SIZE});

    // The longest record: a valid number of the code with the most to say
    // (every code of the history and the tables), or an
    // input of 64 bytes each escaped as \u00XX with the longest message.
    size_t longest = 0;
    const auto measure = [&](int32_t code) {
        const std::string stem = std::to_string(code) + "19490101001";
        const std::string number = stem + computeCheckCharacter(stem.c_str());
        size_t length = 0;
        ASSERT_EQ(idn_verify_json(number.data(), number.size(), yearLimit, IDN_VERIFY_JSON_HISTORY, nullptr, 0,
                                  &length),
                  IDN_OK);
        longest = length > longest ? length : longest;
    };
    for (const HistoryRecord& each : allHistoryRecords())
        if (codeOf(each) >= 100000) measure(codeOf(each));
    size_t tableCursor = 0;
    auto tableRecord = sized<idn_region_t>();
    while (idn_search_regions(nullptr, 0, &tableCursor, &tableRecord) == 1) measure(tableRecord.code);
    const std::string controls(IDN_INPUT_HELD_BYTES, '\x01');
    size_t refused = 0;
    ASSERT_EQ(idn_verify_json_prefix(controls.data(), controls.size(), UINT64_MAX, yearLimit, IDN_VERIFY_JSON_HISTORY,
                                     nullptr, 0, &refused),
              IDN_OK);
    longest = refused > longest ? refused : longest;
    // One byte more than measured: in_use_at_birth may be false ("false"
    // is one byte longer than "true") for a birth year not measured here.
    EXPECT_EQ(longest + 2, size_t{IDN_VERIFY_JSON_SIZE});

    size_t message = 0;
    auto verdict = sized<idn_verdict_t>();
    verdict.reason = IDN_REASON_LENGTH;
    verdict.length = UINT64_MAX;
    idn_reason_message(&verdict, nullptr, 0, &message);
    EXPECT_LT(message, size_t{IDN_REASON_MESSAGE_SIZE});

    // Every picker list fits IDN_PICKER_LIST_MAX.
    int32_t codes[IDN_PICKER_LIST_MAX];
    size_t count = 0, most = 0;
    int32_t parents[] = {IDN_PICKER_MUNICIPALITIES, IDN_PICKER_PROVINCES};
    for (int32_t parent : parents) ASSERT_EQ(idn_picker_list(parent, codes, IDN_PICKER_LIST_MAX, &count), IDN_OK);
    size_t cursor = 0;
    auto region = sized<idn_region_t>();
    while (idn_search_regions(nullptr, 0, &cursor, &region) == 1) {
        const int status = idn_picker_list(region.code, codes, IDN_PICKER_LIST_MAX, &count);
        ASSERT_TRUE(status == IDN_OK || status == IDN_ERROR_NOT_FOUND) << region.code;
        if (status == IDN_OK) most = count > most ? count : most;
    }
    for (int32_t unit = 110000; unit <= 820000; unit += 10000)
        if (idn_picker_list(unit, codes, IDN_PICKER_LIST_MAX, &count) == IDN_OK) most = count > most ? count : most;
    EXPECT_GT(most, 20u);
}

TEST(CApiArguments, ManyThreadsAtOnceGetTheSameAnswers) {
    const std::vector<std::string> lines = sampleLines();
    std::vector<std::string> expected;
    for (const std::string& line : lines) expected.push_back(verifyJson(line));
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 200; ++round) {
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    char out[IDN_VERIFY_JSON_SIZE];
                    size_t written = 0;
                    idn_verify_json(lines[i].data(), lines[i].size(), yearLimit, IDN_VERIFY_JSON_HISTORY, out, sizeof out,
                                    &written);
                    if (std::string(out, written) != expected[i]) ++mismatches[t];
                }
                Generation generation = birthOptions("110105", "19491001", 1);
                char number[19];
                generation.prepare();
                idn_generator_number(&generation.generator, 0, number, sizeof number, nullptr);
                if (std::strcmp(number, "11010519491001805X") != 0) ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

// One call gives what a cache keeps per code: the same answers as the single
// calls, and an answer for in_use_at_birth that holds for every birth year of
// its span and for no year just outside it.
TEST(CApiRegions, RegionInfoAnswersAsEachCallDoesOverItsSpan) {
    std::vector<int32_t> codes = {110105, 330124, 510222, 140302, 810000, 911840, 999999, 0};
    for (const HistoryRecord& each : allHistoryRecords())
        if (codes.size() < 600) codes.push_back(codeOf(each));
    for (const int32_t code : codes) {
        for (int year = 1900; year <= 2100;) {
            auto info = sized<idn_region_info_t>();
            ASSERT_EQ(idn_region_info(code, year, &info), IDN_OK);
            ASSERT_LE(info.years_from, year);
            ASSERT_GE(info.years_to, year);
            EXPECT_EQ(info.in_use_at_birth, idn_in_use_at_birth(code, year)) << code << " " << year;
            for (int y : {info.years_from, info.years_to, (info.years_from + info.years_to) / 2})
                EXPECT_EQ(idn_in_use_at_birth(code, y), info.in_use_at_birth) << code << " " << y;
            if (info.years_from > 0) {
                EXPECT_NE(idn_in_use_at_birth(code, info.years_from - 1), info.in_use_at_birth);
            }
            if (info.years_to < 9999) {
                EXPECT_NE(idn_in_use_at_birth(code, info.years_to + 1), info.in_use_at_birth);
            }
            if (year == 1900) {
                EXPECT_EQ(info.status, idn_code_status_of(code));
                auto fields = sized<idn_region_fields_t>();
                idn_region_fields(code, &fields);
                EXPECT_STREQ(info.province, fields.province);
                EXPECT_STREQ(info.city, fields.city);
                EXPECT_STREQ(info.county, fields.county);
            }
            year = info.years_to + 1;
        }
    }
    auto card = sized<idn_region_info_t>();
    ASSERT_EQ(idn_region_info(911840, 1990, &card), IDN_OK);
    EXPECT_EQ(card.kind, IDN_KIND_FOREIGNER_CARD);
    EXPECT_EQ(card.nationality_code, 840);
    EXPECT_STREQ(card.nationality, "美国");
    ASSERT_EQ(idn_region_info(820000, 1990, &card), IDN_OK);
    EXPECT_EQ(card.kind, IDN_KIND_HMT_PERMIT);
    EXPECT_EQ(card.nationality, nullptr);
}

// A code handed over in two steps is one successor; the entries of a caller
// whose structs are larger (a later header) are written at its own stride.
TEST(CApiRegions, SuccessorsOnceAtTheCallersStride) {
    for (const HistoryRecord& each : allHistoryRecords()) {
        idn_successor_t successors[IDN_MAX_SUCCESSORS];
        successors[0].size = sizeof successors[0];
        size_t count = 0;
        ASSERT_EQ(idn_successors(codeOf(each), successors, IDN_MAX_SUCCESSORS, &count), IDN_OK);
        for (size_t i = 0; i < count; ++i)
            for (size_t j = 0; j < i; ++j) EXPECT_NE(successors[i].code, successors[j].code) << codeOf(each);
    }
    struct Wider {
        idn_successor_t successor;
        uint64_t later;
    } wide[IDN_MAX_SUCCESSORS];
    for (Wider& entry : wide) entry.later = 0x5555;
    wide[0].successor.size = sizeof(Wider);
    size_t count = 0;
    ASSERT_EQ(idn_successors(512201, &wide[0].successor, IDN_MAX_SUCCESSORS, &count), IDN_OK);
    ASSERT_GT(count, 0u);
    idn_successor_t plain[IDN_MAX_SUCCESSORS];
    plain[0].size = sizeof plain[0];
    size_t plainCount = 0;
    idn_successors(512201, plain, IDN_MAX_SUCCESSORS, &plainCount);
    ASSERT_EQ(count, plainCount);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(wide[i].successor.code, plain[i].code);
        EXPECT_EQ(wide[i].successor.size, sizeof(Wider));
        EXPECT_EQ(wide[i].later, 0x5555u);
    }
}

TEST(CApiDates, AgeInCompletedYears) {
    auto verdict = sized<idn_verdict_t>();
    ASSERT_EQ(idn_verify("11010519491231002X", 18, yearLimit, &verdict), IDN_OK);
    int32_t age = -1;
    EXPECT_EQ(idn_age_on(&verdict, 2024, 12, 30, &age), IDN_OK);
    EXPECT_EQ(age, 74);
    EXPECT_EQ(idn_age_on(&verdict, 2024, 12, 31, &age), IDN_OK);
    EXPECT_EQ(age, 75);
    EXPECT_EQ(idn_age_on(&verdict, 1949, 12, 31, &age), IDN_OK);
    EXPECT_EQ(age, 0);
    age = -1;
    EXPECT_EQ(idn_age_on(&verdict, 1949, 12, 30, &age), IDN_ERROR_NOT_FOUND);
    EXPECT_EQ(age, -1);
    EXPECT_EQ(idn_age_on(&verdict, 2023, 2, 29, &age), IDN_ERROR_BAD_DATE);
    // A birthday of 29 February comes on 1 March in other years.
    const std::string leap = "11010520000229" + std::string("001");
    const std::string leapNumber = leap + computeCheckCharacter(leap.c_str());
    ASSERT_EQ(idn_verify(leapNumber.data(), 18, yearLimit, &verdict), IDN_OK);
    ASSERT_EQ(verdict.reason, IDN_VALID);
    EXPECT_EQ(idn_age_on(&verdict, 2001, 2, 28, &age), IDN_OK);
    EXPECT_EQ(age, 0);
    EXPECT_EQ(idn_age_on(&verdict, 2001, 3, 1, &age), IDN_OK);
    EXPECT_EQ(age, 1);
    EXPECT_EQ(idn_age_on(&verdict, 2004, 2, 29, &age), IDN_OK);
    EXPECT_EQ(age, 4);
    // A valid number whose date the calendar lacks has no age; nor a refusal.
    const std::string stem = "11010519900231001";
    const std::string february31 = stem + computeCheckCharacter(stem.c_str());
    ASSERT_EQ(idn_verify(february31.data(), 18, yearLimit, &verdict), IDN_OK);
    ASSERT_EQ(verdict.reason, IDN_VALID);
    EXPECT_EQ(idn_age_on(&verdict, 2024, 1, 1, &age), IDN_ERROR_NOT_FOUND);
    ASSERT_EQ(idn_verify("1", 1, yearLimit, &verdict), IDN_OK);
    EXPECT_EQ(idn_age_on(&verdict, 2024, 1, 1, &age), IDN_ERROR_NOT_FOUND);
    EXPECT_EQ(idn_age_on(nullptr, 2024, 1, 1, &age), IDN_ERROR_NULL_POINTER);
    int32_t year = 0, month = 0, day = 0;
    ASSERT_EQ(idn_current_date(&year, &month, &day), IDN_OK);
    EXPECT_EQ(idn_is_calendar_date(year, month, day), 1);
}

// Every size a caller can ask for by id is its macro's, or its struct's.
TEST(CApiSizes, SizesByIdAreTheMacros) {
    EXPECT_EQ(idn_size_of(IDN_ID_NUMBER_SIZE), size_t{IDN_NUMBER_SIZE});
    EXPECT_EQ(idn_size_of(IDN_ID_VERIFY_JSON_SIZE), size_t{IDN_VERIFY_JSON_SIZE});
    EXPECT_EQ(idn_size_of(IDN_ID_MESSAGE_SIZE), size_t{IDN_MESSAGE_SIZE});
    EXPECT_EQ(idn_size_of(IDN_ID_MASK_EXTRA_SIZE) + 100, size_t{IDN_MASK_SIZE(100)});
    EXPECT_EQ(idn_size_of(IDN_ID_VERDICT_STRUCT), sizeof(idn_verdict_t));
    EXPECT_EQ(idn_size_of(IDN_ID_REGION_INFO_STRUCT), sizeof(idn_region_info_t));
    EXPECT_EQ(idn_size_of(0), 0u);
    EXPECT_EQ(idn_size_of(9999), 0u);
}

}  // namespace
