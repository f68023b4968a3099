// The judging order is the one place that decides which of several bad
// options a caller hears of: the region first (nothing else can be judged
// without knowing which record it is), then the values that need no plan,
// then the plan's dates and count.
#include "core/generation_options.h"

#include <cstring>

#include "core/sex_words.h"

namespace {

template <std::size_t Capacity>
void keep(KeptText<Capacity>& kept, const char* text, std::size_t length) {
    kept.given = true;
    kept.length = length;
    if (kept.kept() > 0) std::memcpy(kept.bytes, text, kept.kept());
}

KeptNumber signedNumber(int64_t value) {
    KeptNumber number;
    number.given = true;
    number.value = value;
    return number;
}

KeptNumber unsignedNumber(uint64_t value) {
    KeptNumber number;
    number.given = true;
    number.isUnsigned = true;
    number.unsignedValue = value;
    return number;
}

KeptNumber* numberOption(GenerationOptions& options, GenerationOptionId option) {
    switch (option) {
    case GenerationOptionId::sex: return &options.sex;
    case GenerationOptionId::count: return &options.count;
    case GenerationOptionId::seed: return &options.seed;
    case GenerationOptionId::asOfYear: return &options.asOfYear;
    case GenerationOptionId::yearLimit: return &options.yearLimit;
    default: return nullptr;
    }
}

// A number as a signed value, when it is one; a value above INT64_MAX is not.
bool signedValueOf(const KeptNumber& number, int64_t& value) {
    if (number.isUnsigned && number.unsignedValue > static_cast<uint64_t>(INT64_MAX)) return false;
    value = number.isUnsigned ? static_cast<int64_t>(number.unsignedValue) : number.value;
    return true;
}

// A number whose value is within [low, high], or not given (then 0).
bool numberWithin(const KeptNumber& number, int64_t low, int64_t high) {
    if (!number.given) return true;
    int64_t value = 0;
    return signedValueOf(number, value) && value >= low && value <= high;
}

int64_t valueOr(const KeptNumber& number, int64_t fallback) {
    int64_t value = fallback;
    if (number.given) signedValueOf(number, value);
    return value;
}

// A decimal text of the number as given, for echoing a refused one.
struct DecimalText {
    char digits[24];
    std::size_t length = 0;
    explicit DecimalText(const KeptNumber& number) {
        const bool negative = !number.isUnsigned && number.value < 0;
        uint64_t magnitude = number.isUnsigned ? number.unsignedValue
                             : negative        ? 0 - static_cast<uint64_t>(number.value)
                                               : static_cast<uint64_t>(number.value);
        char reversed[24];
        std::size_t count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative) digits[length++] = '-';
        while (count > 0) digits[length++] = reversed[--count];
        digits[length] = '\0';
    }
};

GenerationCheck refuse(GenerationCheck check, GenerationOptionId option, OptionRefusal refusal) {
    check.refusal = GenerationRefusal::option;
    check.option = option;
    check.optionRefusal = refusal;
    return check;
}

SexChoice sexOf(const GenerationOptions& options) {
    SexChoice sex = SexChoice::any;
    if (options.sexWord.given) {
        parseSexWord(options.sexWord.bytes, options.sexWord.kept(), sex);
        return sex;
    }
    const int64_t value = valueOr(options.sex, 0);
    return value == 1 ? SexChoice::male : value == 2 ? SexChoice::female : SexChoice::any;
}

bool sexTaken(const GenerationOptions& options) {
    if (!options.sexWord.given) return numberWithin(options.sex, 0, 2);
    SexChoice sex = SexChoice::any;
    return options.sexWord.length <= maxEchoedLength &&
           parseSexWord(options.sexWord.bytes, options.sexWord.length, sex);
}

// The request the plan is made from: its texts point into the options.
GenerationRequest requestOf(const GenerationOptions& options, const GenerationCheck& check, uint64_t seed) {
    GenerationRequest request{};
    request.regionCode = check.resolution.code;
    if (options.birth.given) {
        request.birth = options.birth.bytes;
        request.birthLength = options.birth.length;
    }
    if (options.bornFrom.given) {
        request.bornFrom = options.bornFrom.bytes;
        request.bornFromLength = options.bornFrom.length;
    }
    if (options.bornTo.given) {
        request.bornTo = options.bornTo.bytes;
        request.bornToLength = options.bornTo.length;
    }
    request.sex = sexOf(options);
    request.count = static_cast<uint64_t>(valueOr(options.count, 1));
    request.seed = seed;
    request.yearLimit = check.yearLimit;
    request.yearLimitGiven = valueOr(options.yearLimit, 0) != 0;
    return request;
}

}  // namespace

bool setTextOption(GenerationOptions& options, GenerationOptionId option, const char* text, std::size_t length) {
    switch (option) {
    case GenerationOptionId::region: keep(options.region, text, length); return true;
    case GenerationOptionId::birth: keep(options.birth, text, length); return true;
    case GenerationOptionId::bornFrom: keep(options.bornFrom, text, length); return true;
    case GenerationOptionId::bornTo: keep(options.bornTo, text, length); return true;
    case GenerationOptionId::sex:
        keep(options.sexWord, text, length);
        options.sex = KeptNumber{};
        return true;
    default: return false;
    }
}

bool setNumberOption(GenerationOptions& options, GenerationOptionId option, int64_t value) {
    KeptNumber* number = numberOption(options, option);
    if (number == nullptr) return false;
    *number = signedNumber(value);
    if (option == GenerationOptionId::sex) options.sexWord = {};
    return true;
}

bool setUnsignedOption(GenerationOptions& options, GenerationOptionId option, uint64_t value) {
    KeptNumber* number = numberOption(options, option);
    if (number == nullptr) return false;
    *number = unsignedNumber(value);
    if (option == GenerationOptionId::sex) options.sexWord = {};
    return true;
}

GenerationCheck checkGenerationOptions(const GenerationOptions& options, int currentYear, uint64_t seedIfNone) {
    GenerationCheck check;
    if (!options.region.given) return refuse(check, GenerationOptionId::region, OptionRefusal::noRegion);
    if (!numberWithin(options.asOfYear, 0, lastListedYear) ||
        (valueOr(options.asOfYear, 0) != 0 && valueOr(options.asOfYear, 0) < firstListedYear))
        return refuse(check, GenerationOptionId::asOfYear, OptionRefusal::asOfYearRange);

    const int asOfYear = static_cast<int>(valueOr(options.asOfYear, 0));
    const char* region = options.region.bytes;
    const std::size_t regionLength = options.region.kept();
    check.resolution = asOfYear != 0 ? resolveRegionAsOf(region, regionLength, asOfYear)
                                     : resolveRegion(region, regionLength, Encoding::utf8);
    if (check.resolution.error != RegionError::none) {
        check.refusal = GenerationRefusal::region;
        check.option = GenerationOptionId::region;
        return check;
    }
    if (!numberWithin(options.yearLimit, 0, 9999))
        return refuse(check, GenerationOptionId::yearLimit, OptionRefusal::yearLimitRange);
    if (options.birth.given && (options.bornFrom.given || options.bornTo.given))
        return refuse(check, GenerationOptionId::birth, OptionRefusal::birthAndRange);
    if (!sexTaken(options)) return refuse(check, GenerationOptionId::sex, OptionRefusal::badSex);
    if (!numberWithin(options.count, 1, INT64_MAX))
        return refuse(check, GenerationOptionId::count, OptionRefusal::countRange);

    const int64_t yearLimit = valueOr(options.yearLimit, 0);
    check.yearLimit = yearLimit != 0 ? static_cast<int>(yearLimit) : currentYear;
    const uint64_t seed = !options.seed.given  ? seedIfNone
                          : options.seed.isUnsigned ? options.seed.unsignedValue
                                                    : static_cast<uint64_t>(options.seed.value);
    check.seed = seed;
    // No dates at all, or a range with one end missing, is refused by the plan.
    check.plan = planGeneration(requestOf(options, check, seed));
    if (check.plan.error != GenerationError::none) {
        check.refusal = GenerationRefusal::plan;
        switch (check.plan.offending) {
        case GenerationOption::birth: check.option = GenerationOptionId::birth; break;
        case GenerationOption::bornFrom: check.option = GenerationOptionId::bornFrom; break;
        case GenerationOption::bornTo: check.option = GenerationOptionId::bornTo; break;
        case GenerationOption::count: check.option = GenerationOptionId::count; break;
        case GenerationOption::region: check.option = GenerationOptionId::region; break;
        case GenerationOption::none: break;
        }
    }
    return check;
}

std::size_t writeGenerationCheckMessage(char* out, std::size_t size, const GenerationOptions& options,
                                        const GenerationCheck& check, const OptionWords& words) {
    switch (check.refusal) {
    case GenerationRefusal::option: {
        const KeptNumber* number = nullptr;
        switch (check.option) {
        case GenerationOptionId::sex:
            if (options.sexWord.given)
                return writeOptionRefusal(out, size, check.optionRefusal, options.sexWord.bytes,
                                          options.sexWord.length, Encoding::utf8, words);
            number = &options.sex;
            break;
        case GenerationOptionId::count: number = &options.count; break;
        case GenerationOptionId::asOfYear: number = &options.asOfYear; break;
        case GenerationOptionId::yearLimit: number = &options.yearLimit; break;
        default: break;
        }
        const DecimalText value(number != nullptr ? *number : KeptNumber{});
        return writeOptionRefusal(out, size, check.optionRefusal, value.digits, number != nullptr ? value.length : 0,
                                  Encoding::utf8, words);
    }
    case GenerationRefusal::region:
        return writeRegionErrorMessage(out, size, check.resolution, options.region.bytes, options.region.length,
                                       static_cast<int>(valueOr(options.asOfYear, 0)), Encoding::utf8, words);
    case GenerationRefusal::plan:
        return writeGenerationErrorMessage(out, size, check.plan, requestOf(options, check, 0), Encoding::utf8,
                                           words);
    case GenerationRefusal::none: break;
    }
    if (check.plan.birthNotCalendarDate) return writeBirthDateWarning(out, size, check.plan);
    if (size > 0) out[0] = '\0';
    return 0;
}
