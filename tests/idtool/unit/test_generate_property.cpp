// generate's promises over many random option sets, through runGenerate in
// process: every number verifies, carries the chosen region, its birth date
// is the given one or a real calendar date of the range, its sex is the
// chosen one, and the numbers of a run are distinct; a seed gives the same
// numbers again, and a count beyond the candidates is refused with nothing
// written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/region_tables.h"
#include "core/verification.h"
#include "programs/idtool/generate_command.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/session.h"
#include "idtool_test_support.h"

namespace {

// One session whose outputs the test reads back and empties between runs.
struct GenerateRun {
    CapturingStream<1 << 16> out;
    CapturingStream<> err;
    ProgressDisplay progress{err.stream, false};
    Session session{out.stream, err.stream, progress, Encoding::utf8};

    int run(const GenerateOptions& options) {
        out.captured.bytes.clear();
        err.captured.bytes.clear();
        const int status = runGenerate(options, session);
        out.text();
        err.text();
        return status;
    }
    const std::string& numbers() const { return out.captured.bytes; }
    const std::string& messages() const { return err.captured.bytes; }
};

// Every code generate takes: the districts of the municipalities and the
// county-level records of the provinces.
std::vector<int> countyLevelCodes() {
    std::vector<int> codes;
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.kind == UnitKind::municipality) {
            for (int i = 0; i < unit.municipalTable->count; ++i) codes.push_back(unit.municipalTable->records[i].code);
        } else {
            for (int i = 0; i < unit.provinceTable->count; ++i)
                if (isCountyLevel(unit.provinceTable->records[i])) codes.push_back(unit.provinceTable->records[i].code);
        }
    }
    return codes;
}

std::string dateText(const BirthDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

BirthDate dateOf(const char* digits) { return birthDateAt(digits); }

uint64_t sequencesFor(SexChoice sex) { return sex == SexChoice::any ? 999 : sex == SexChoice::male ? 499 : 500; }

// Checks one run's output against its options; returns the numbers.
std::vector<std::string> checkNumbers(const GenerateOptions& options, const std::string& output, int yearLimit) {
    std::vector<std::string> numbers;
    const int regionCode = std::stoi(options.region);
    const long long firstDay = options.hasBirthRange ? dayNumber(dateOf(options.bornFrom.c_str())) : 0;
    const long long lastDay = options.hasBirthRange ? dayNumber(dateOf(options.bornTo.c_str())) : 0;
    for (std::size_t at = 0; at < output.size(); at += numberLength + 1) {
        const std::string number = output.substr(at, numberLength);
        SCOPED_TRACE(number);
        EXPECT_EQ(output[at + numberLength], '\n');
        const VerifyOutcome outcome = verifyNumberText(number.data(), static_cast<int>(number.size()),
                                                       static_cast<int>(number.size()), yearLimit);
        EXPECT_EQ(outcome.refusal, VerifyRefusal::none);
        EXPECT_EQ(outcome.regionCode, regionCode);
        if (options.hasBirth) {
            EXPECT_EQ(number.substr(birthDateOffset, birthDateLength), options.birth);
        } else {
            const BirthDate born = dateOf(number.c_str() + birthDateOffset);
            EXPECT_TRUE(isCalendarDate(born));
            EXPECT_GE(dayNumber(born), firstDay);
            EXPECT_LE(dayNumber(born), lastDay);
        }
        if (options.sex != SexChoice::any) {
            EXPECT_EQ(outcome.male, options.sex == SexChoice::male);
        }
        numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end()) << "a number repeats";
    return numbers;
}

TEST(GenerateProperty, EveryNumberOfRandomOptionsVerifiesAndKeepsToThem) {
    const int yearLimit = localYear(time(nullptr));
    const std::vector<int> codes = countyLevelCodes();
    ASSERT_EQ(codes.size(), 2861u);  // regions' count of county-level records
    const long long earliest = dayNumber({1, 1, 1});
    const long long latest = dayNumber({yearLimit, 12, 31});
    std::mt19937_64 random(20240229);
    auto below = [&](uint64_t bound) { return random() % bound; };

    GenerateRun run;
    uint64_t total = 0;
    int runs = 0, notCalendarDates = 0, exhausted = 0, refusedCounts = 0, repeated = 0;
    while (total < 100000) {
        ++runs;
        GenerateOptions options;
        options.region = std::to_string(codes[static_cast<std::size_t>(below(codes.size()))]);
        options.sex = static_cast<SexChoice>(below(3));
        uint64_t days = 1;
        if (below(2) == 0) {
            // Any date the dialog takes: year up to the limit, month 00-12,
            // day 00-31, calendar or not; the edges often.
            const int year = below(8) == 0 ? (below(2) == 0 ? 0 : yearLimit) : static_cast<int>(below(yearLimit + 1));
            options.hasBirth = true;
            options.birth = dateText({year, static_cast<int>(below(13)), static_cast<int>(below(32))});
        } else {
            // Ranges of one day up to a century, anywhere from year 1 to the
            // last day of the current year.
            const long long first = earliest + static_cast<long long>(below(static_cast<uint64_t>(latest - earliest + 1)));
            const uint64_t span = below(4) == 0 ? below(3) : below(4) == 0 ? below(36525) : below(400);
            const long long last = std::min(latest, first + static_cast<long long>(span));
            options.hasBirthRange = true;
            options.bornFrom = dateText(dateOfDayNumber(first));
            options.bornTo = dateText(dateOfDayNumber(last));
            days = static_cast<uint64_t>(last - first + 1);
        }
        const uint64_t candidates = days * sequencesFor(options.sex);
        // Small sets of candidates: now and then all of them, or one more.
        const uint64_t smallSetRun = candidates <= 3000 ? below(10) : 10;
        const bool exhaust = smallSetRun == 0;
        const bool tooMany = smallSetRun == 1;
        options.count = static_cast<uint64_t>(exhaust    ? candidates
                                               : tooMany ? candidates + 1
                                                         : 1 + below(std::min<uint64_t>(candidates, 400)));
        options.hasSeed = below(10) != 0;
        options.seed = random();
        SCOPED_TRACE(testing::Message() << "run " << runs << ": --region " << options.region << " --birth "
                                        << options.birth << " --born-between " << options.bornFrom << " "
                                        << options.bornTo << " --sex " << static_cast<int>(options.sex)
                                        << " --count " << options.count << " --seed " << options.seed);

        const int status = run.run(options);
        std::string expectedMessages;
        if (options.hasBirth && !isCalendarDate(dateOf(options.birth.c_str()))) {
            expectedMessages = "idtool: generate: warning: " + options.birth +
                               " is not a real calendar date; the numbers carry it as given\n";
            ++notCalendarDates;
        }
        if (tooMany) {
            ++refusedCounts;
            ASSERT_EQ(status, exitTrouble);
            EXPECT_EQ(run.numbers(), "");
            EXPECT_EQ(run.messages().rfind(expectedMessages + "idtool: generate: --count ", 0), 0u)
                << run.messages();
            continue;
        }
        ASSERT_EQ(status, exitSuccess) << run.messages();
        EXPECT_EQ(run.messages(), expectedMessages);
        ASSERT_EQ(run.numbers().size(), static_cast<std::size_t>(options.count) * (numberLength + 1));
        const std::vector<std::string> numbers = checkNumbers(options, run.numbers(), yearLimit);
        if (exhaust) ++exhausted;
        total += numbers.size();

        // The same seed and options give the same numbers in the same order.
        if (options.hasSeed && runs % 16 == 0) {
            ++repeated;
            const std::string first = run.numbers();
            ASSERT_EQ(run.run(options), exitSuccess);
            EXPECT_EQ(run.numbers(), first);
        }
        if (HasFailure()) break;  // one run's story is enough
    }
    // The draw reached every kind of run.
    EXPECT_GT(notCalendarDates, 10);
    EXPECT_GT(exhausted, 10);
    EXPECT_GT(refusedCounts, 10);
    EXPECT_GT(repeated, 10);
}

TEST(GenerateProperty, ACountOfEveryCandidateGivesEachOnce) {
    // Three days around 29 February 2024, female: 3 x 500 candidates, all of
    // them; and one more is refused.
    GenerateRun run;
    GenerateOptions options;
    options.region = "419001";
    options.hasBirthRange = true;
    options.bornFrom = "20240228";
    options.bornTo = "20240301";
    options.sex = SexChoice::female;
    options.count = 1500;
    options.hasSeed = true;
    options.seed = 5;
    ASSERT_EQ(run.run(options), exitSuccess) << run.messages();
    const std::vector<std::string> numbers = checkNumbers(options, run.numbers(), localYear(time(nullptr)));
    std::vector<std::string> stems;
    for (const std::string& number : numbers) stems.push_back(number.substr(0, 17));
    std::vector<std::string> expected;
    for (const char* date : {"20240228", "20240229", "20240301"})
        for (int sequence = 0; sequence <= 998; sequence += 2) {
            char stem[18];
            std::snprintf(stem, sizeof stem, "419001%s%03d", date, sequence);
            expected.push_back(stem);
        }
    EXPECT_EQ(stems, expected);

    options.count = 1501;
    EXPECT_EQ(run.run(options), exitTrouble);
    EXPECT_EQ(run.numbers(), "");
    EXPECT_EQ(run.messages(),
              "idtool: generate: --count 1501 is more than the 1500 distinct numbers that this region, range of "
              "birth dates and sex can give\n");
}

TEST(GenerateProperty, ARangeOfOneDayGivesThatDay) {
    GenerateRun run;
    GenerateOptions options;
    options.region = "110105";
    options.hasBirthRange = true;
    options.bornFrom = options.bornTo = "20000229";
    options.sex = SexChoice::male;
    options.count = 499;
    options.hasSeed = true;
    options.seed = 1;
    ASSERT_EQ(run.run(options), exitSuccess) << run.messages();
    EXPECT_EQ(run.messages(), "");
    for (const std::string& number : checkNumbers(options, run.numbers(), localYear(time(nullptr))))
        EXPECT_EQ(number.substr(0, 14), "11010520000229");
}

}  // namespace
