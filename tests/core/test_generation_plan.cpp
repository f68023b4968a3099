// The checks of a batch's options as error codes, with the option each
// concerns, and the plan's numbers: distinct, valid, of the asked sex and
// dates, and the same for a seed as idtool has always given.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/calendar.h"
#include "core/generation_messages.h"
#include "core/generation_plan.h"
#include "core/verification.h"

namespace {

constexpr int yearLimit = 2026;

GenerationRequest birthRequest(const char* birth, uint64_t count = 1, SexChoice sex = SexChoice::any) {
    GenerationRequest request{};
    request.regionCode = 110105;
    request.birth = birth;
    request.birthLength = std::char_traits<char>::length(birth);
    request.sex = sex;
    request.count = count;
    request.seed = 7;
    request.yearLimit = yearLimit;
    return request;
}

GenerationRequest rangeRequest(const char* from, const char* to, uint64_t count = 1) {
    GenerationRequest request = birthRequest("", count);
    request.birth = nullptr;
    request.bornFrom = from;
    request.bornFromLength = std::char_traits<char>::length(from);
    request.bornTo = to;
    request.bornToLength = to != nullptr ? std::char_traits<char>::length(to) : 0;
    return request;
}

std::string messageOf(const GenerationRequest& request, const OptionWords& words = neutralOptionWords) {
    char out[generationMessageCapacity];
    const GenerationPlan plan = planGeneration(request);
    return std::string(out, writeGenerationErrorMessage(out, sizeof out, plan, request, Encoding::utf8, words));
}

TEST(GenerationPlan, EachErrorAndTheOptionItConcerns) {
    const struct {
        GenerationRequest request;
        GenerationError error;
        GenerationOption offending;
    } cases[] = {
        {birthRequest("1990010"), GenerationError::birthNotEightDigits, GenerationOption::birth},
        {birthRequest("1990010a"), GenerationError::birthNotEightDigits, GenerationOption::birth},
        {birthRequest("19901301"), GenerationError::birthBeyondLimits, GenerationOption::birth},
        {birthRequest("20270101"), GenerationError::birthBeyondLimits, GenerationOption::birth},
        {rangeRequest("19900230", "19900301"), GenerationError::rangeNotDate, GenerationOption::bornFrom},
        {rangeRequest("19900101", "1990"), GenerationError::rangeNotDate, GenerationOption::bornTo},
        {rangeRequest("20260101", "20270101"), GenerationError::rangeYearAfterLimit, GenerationOption::bornTo},
        {rangeRequest("19900102", "19900101"), GenerationError::rangeReversed, GenerationOption::bornFrom},
        {birthRequest("19900101", 0), GenerationError::countZero, GenerationOption::count},
        {birthRequest("19900101", 500, SexChoice::male), GenerationError::countExceedsCandidates, GenerationOption::count},
        {rangeRequest("", ""), GenerationError::rangeNotDate, GenerationOption::bornFrom},
    };
    for (const auto& c : cases) {
        const GenerationPlan plan = planGeneration(c.request);
        EXPECT_EQ(plan.error, c.error) << messageOf(c.request);
        EXPECT_EQ(plan.offending, c.offending) << messageOf(c.request);
    }
    GenerationRequest noDates = birthRequest("19900101");
    noDates.birth = nullptr;
    EXPECT_EQ(planGeneration(noDates).error, GenerationError::noBirthDate);
    GenerationRequest badRegion = birthRequest("19900101");
    badRegion.regionCode = 99999;
    EXPECT_EQ(planGeneration(badRegion).error, GenerationError::badRegionCode);

    // The messages in the C API's words, and in a caller's own.
    EXPECT_EQ(messageOf(rangeRequest("19900102", "19900101")),
              "born_from 19900102: the first date comes after the second");
    OptionWords sqlWords = neutralOptionWords;
    sqlWords.birth = sqlWords.bornFrom = "birth_from";
    sqlWords.bornTo = "birth_to";
    EXPECT_EQ(messageOf(rangeRequest("19900102", "19900101"), sqlWords),
              "birth_from 19900102: the first date comes after the second");
    EXPECT_EQ(messageOf(noDates), "birth or born_from is required");
    EXPECT_EQ(messageOf(noDates, sqlWords), "birth_from is required");
    // One parameter for both ends of a range is named once.
    OptionWords pairWords = neutralOptionWords;
    pairWords.bornFrom = pairWords.bornTo = "born_between";
    EXPECT_EQ(messageOf(rangeRequest("19900101", nullptr), pairWords), "born_between needs both ends of the range");
    EXPECT_EQ(messageOf(rangeRequest("19900101", nullptr)), "born_from and born_to are both needed for a range");
    GenerationRequest lateRange = rangeRequest("20260101", "20270101");
    EXPECT_EQ(messageOf(lateRange), "born_to 20270101: the year may not be after the current one");
    lateRange.yearLimitGiven = true;
    EXPECT_EQ(messageOf(lateRange), "born_to 20270101: the year may not be after 2026");
    EXPECT_EQ(messageOf(birthRequest("19900101", 500, SexChoice::male)),
              "count 500 is more than the 499 distinct numbers that this region, birth date and sex "
              "can give");
    GenerationRequest femaleRange = rangeRequest("20240228", "20240301", 1501);
    femaleRange.sex = SexChoice::female;
    EXPECT_EQ(messageOf(femaleRange),
              "count 1501 is more than the 1500 distinct numbers that this region, range of birth "
              "dates and sex can give");
}

TEST(GenerationPlan, CandidatesBySexAndDates) {
    EXPECT_EQ(planGeneration(birthRequest("19900101", 1, SexChoice::any)).candidateCount, 999u);
    EXPECT_EQ(planGeneration(birthRequest("19900101", 1, SexChoice::male)).candidateCount, 499u);
    EXPECT_EQ(planGeneration(birthRequest("19900101", 1, SexChoice::female)).candidateCount, 500u);
    // 2000 was a leap year: 366 real dates.
    EXPECT_EQ(planGeneration(rangeRequest("20000101", "20001231")).dayCount, 366u);
    EXPECT_EQ(planGeneration(rangeRequest("20000229", "20000229")).dayCount, 1u);
    // A date that is no calendar date passes, as the dialog lets it, with a warning.
    const GenerationPlan february31 = planGeneration(birthRequest("20230231"));
    EXPECT_EQ(february31.error, GenerationError::none);
    EXPECT_TRUE(february31.birthNotCalendarDate);
    char warning[generationMessageCapacity];
    writeBirthDateWarning(warning, sizeof warning, february31);
    EXPECT_STREQ(warning, "20230231 is not a real calendar date; the numbers carry it as given");
}

TEST(GenerationPlan, NumbersAreDistinctValidAndPinnedToTheSeed) {
    // idtool generate --region 110105 --birth 19491001 --count 5 --seed 7
    // (tests/idtool/cases/generate-district).
    const GenerationPlan pinned = planGeneration(birthRequest("19491001", 5));
    ASSERT_EQ(pinned.error, GenerationError::none);
    const char* expected[] = {"11010519491001805X", "110105194910016900", "110105194910014059",
                              "110105194910017321", "110105194910013996"};
    char number[numberLength + 1];
    for (uint64_t i = 0; i < 5; ++i) {
        numberAt(pinned, i, number);
        EXPECT_STREQ(number, expected[i]);
    }

    // Every candidate of a female range, each once, each valid and even.
    GenerationRequest request = rangeRequest("20240228", "20240301", 1500);
    request.sex = SexChoice::female;
    const GenerationPlan plan = planGeneration(request);
    ASSERT_EQ(plan.error, GenerationError::none);
    std::set<std::string> seen;
    for (uint64_t i = 0; i < plan.count; ++i) {
        numberAt(plan, i, number);
        const VerifyOutcome outcome = verifyNumberText(number, numberLength, numberLength, yearLimit);
        ASSERT_EQ(outcome.refusal, VerifyRefusal::none) << number;
        EXPECT_FALSE(outcome.male) << number;
        EXPECT_TRUE(isCalendarDate(outcome.birthDate)) << number;
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 1500u);
}

}  // namespace
