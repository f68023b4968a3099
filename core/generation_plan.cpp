// The checks of a batch's options, in the order a user fixes them, and the
// numbers of a checked plan: the i-th candidate of the sampler's permutation
// is a day (candidate / sequences) and a sequence number (the remainder).
#include "core/generation_plan.h"

#include <cstring>

#include "core/calendar.h"
#include "core/generation.h"

namespace {

GenerationPlan refused(GenerationError error, GenerationOption offending) {
    GenerationPlan plan{};
    plan.error = error;
    plan.offending = offending;
    return plan;
}

// A date option: exactly 8 digits.
bool readDate(const char* text, std::size_t length, BirthDate& date) {
    if (text == nullptr || length != birthDateLength || !allDigits(text, birthDateLength)) return false;
    date = birthDateAt(text);
    return true;
}

void writeDateText(char* out, const BirthDate& date) {
    const int values[3] = {date.year, date.month, date.day};
    const int widths[3] = {4, 2, 2};
    for (int part = 0, at = 0; part < 3; at += widths[part], ++part)
        for (int i = widths[part] - 1, value = values[part]; i >= 0; --i, value /= 10)
            out[at + i] = static_cast<char>('0' + value % 10);
    out[birthDateLength] = '\0';
}

}  // namespace

uint64_t sequenceCountFor(SexChoice sex) {
    // 000-998: the odd ones are one fewer than the even ones.
    switch (sex) {
    case SexChoice::male: return sequenceModulus / 2;
    case SexChoice::female: return (sequenceModulus + 1) / 2;
    case SexChoice::any: break;
    }
    return sequenceModulus;
}

int sequenceAt(uint64_t position, SexChoice sex) {
    const int value = static_cast<int>(position);
    switch (sex) {
    case SexChoice::male: return 2 * value + 1;
    case SexChoice::female: return 2 * value;
    case SexChoice::any: break;
    }
    return value;
}

GenerationPlan planGeneration(const GenerationRequest& request) {
    if (request.regionCode < 100000 || request.regionCode > 999999)
        return refused(GenerationError::badRegionCode, GenerationOption::region);
    GenerationPlan plan{};
    if (request.birth != nullptr) {
        BirthDate date{};
        if (!readDate(request.birth, request.birthLength, date))
            return refused(GenerationError::birthNotEightDigits, GenerationOption::birth);
        if (judgeBirthDate(request.birth, birthDateLength, request.yearLimit) != GenerateRefusal::none)
            return refused(GenerationError::birthBeyondLimits, GenerationOption::birth);
        // Taken as the dialog takes it, so that testers can make such numbers
        // on purpose; but said.
        plan.birthNotCalendarDate = !isCalendarDate(date);
        std::memcpy(plan.birth, request.birth, birthDateLength);
        plan.birth[birthDateLength] = '\0';
        plan.singleDate = true;
        plan.dayCount = 1;
    } else {
        if (request.bornFrom == nullptr && request.bornTo == nullptr)
            return refused(GenerationError::noBirthDate, GenerationOption::birth);
        BirthDate from{}, to{};
        if (!readDate(request.bornFrom, request.bornFromLength, from) || !isCalendarDate(from))
            return refused(GenerationError::rangeNotDate, GenerationOption::bornFrom);
        if (!readDate(request.bornTo, request.bornToLength, to) || !isCalendarDate(to))
            return refused(GenerationError::rangeNotDate, GenerationOption::bornTo);
        if (to.year > request.yearLimit) return refused(GenerationError::rangeYearAfterLimit, GenerationOption::bornTo);
        plan.firstDay = dayNumber(from);
        const long long lastDay = dayNumber(to);
        if (lastDay < plan.firstDay) return refused(GenerationError::rangeReversed, GenerationOption::bornFrom);
        plan.dayCount = static_cast<uint64_t>(lastDay - plan.firstDay + 1);
    }

    plan.sequenceCount = sequenceCountFor(request.sex);
    plan.candidateCount = plan.dayCount * plan.sequenceCount;
    if (request.count == 0) return refused(GenerationError::countZero, GenerationOption::count);
    if (request.count > plan.candidateCount) {
        // The figures stay, for the message.
        plan.error = GenerationError::countExceedsCandidates;
        plan.offending = GenerationOption::count;
        return plan;
    }
    plan.regionCode = request.regionCode;
    plan.sex = request.sex;
    plan.count = request.count;
    plan.sampler = DistinctSampler(plan.candidateCount, request.seed);
    return plan;
}

void numberAt(const GenerationPlan& plan, uint64_t position, char (&number)[numberLength + 1]) {
    const uint64_t candidate = plan.sampler.at(position);
    char dateText[birthDateLength + 1];
    const char* date = plan.birth;
    if (!plan.singleDate) {
        writeDateText(dateText, dateOfDayNumber(plan.firstDay + static_cast<long long>(candidate / plan.sequenceCount)));
        date = dateText;
    }
    // Six-digit codes and digit dates: a check character always exists.
    assembleNumber(number, plan.regionCode, date, sequenceAt(candidate % plan.sequenceCount, plan.sex));
}
