// Cost of one verify press, one generate press (both through the dialog's
// command dispatch and the stand-in's controls), and of the core's
// verification per number over a batch of numbers beside two floors doing
// the same checks, a plain loop and a vectorised one without branches, and
// the C API's verify through the shared library.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "capi/idnumber.h"
#include "core/number_rules.h"
#include "core/verification.h"
#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"
#include "tests/standin_main_dialog.h"

namespace {

HWND openDialog() {
    useMainDialogTemplate();
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, dialogProc, 0);
}

void sendCommand(HWND dialog, int id, int code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void pick(HWND dialog, int listId, int index) {
    sendCommand(dialog, listId, CBN_SETFOCUS);
    SendMessageA(GetDlgItem(dialog, listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    sendCommand(dialog, listId, CBN_SELCHANGE);
}

void verifyPress(benchmark::State& state) {
    HWND dialog = openDialog();
    // A number of the last province's last county: the unit, city-level and
    // county lookups each scan as far as they can.
    char number[numberLength + 1];
    assembleNumber(number, 659004, "19900307", 1);
    SetDlgItemTextA(dialog, IDC_NUMBER_FIELD, number);
    for (auto _ : state) sendCommand(dialog, IDC_VERIFY_BUTTON, BN_CLICKED);
    char county[64];
    GetDlgItemTextA(dialog, IDC_COUNTY_FIELD, county, sizeof county);
    if (county[0] == '\0') state.SkipWithError("the number did not verify");
    DestroyWindow(dialog);
}
BENCHMARK(verifyPress);

void generatePress(benchmark::State& state) {
    HWND dialog = openDialog();
    pick(dialog, IDC_PROVINCE_LIST, 26);  // the last province, its last city
    sendCommand(dialog, IDC_CITY_LIST, CBN_SETFOCUS);
    pick(dialog, IDC_CITY_LIST,
         static_cast<int>(SendMessageA(GetDlgItem(dialog, IDC_CITY_LIST), CB_GETCOUNT, 0, 0)) - 1);
    pick(dialog, IDC_COUNTY_LIST, 0);
    pick(dialog, IDC_SEX_LIST, 1);
    SetDlgItemTextA(dialog, IDC_BIRTH_DATE_FIELD, "19870102");
    for (auto _ : state) sendCommand(dialog, IDC_GENERATE_BUTTON, BN_CLICKED);
    char number[32];
    GetDlgItemTextA(dialog, IDC_RESULT_FIELD, number, sizeof number);
    if (!passesCheck(number)) state.SkipWithError("no number was generated");
    DestroyWindow(dialog);
}
BENCHMARK(generatePress);

// --- Verification per number: the core beside the floor ---------------------

constexpr int yearLimit = 2026;

// A line of a batch as idtool's reader hands it over: its bytes and length.
struct BatchLine {
    char bytes[24];
    int length;
};

constexpr int batchSize = 4096;
BatchLine batch[batchSize];

// The floor: the same checks in one plain loop, written here and nowhere else
// so that the compiler sees all of it. Its result is the core's outcome.
VerifyOutcome floorVerify(const char* number, int length, int limit) {
    static constexpr int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    static constexpr char checkMap[] = "10X98765432";
    VerifyOutcome out{};
    out.wholeLength = length;
    if (length >= 17) {
        int sum = 0;
        int position = 0;
        for (; position < 17; ++position) {
            const unsigned digit = static_cast<unsigned char>(number[position]) - unsigned{'0'};
            if (digit > 9) break;
            sum += static_cast<int>(digit) * weights[position];
        }
        if (position == 17) out.expectedCheck = checkMap[sum % 11];
    }
    if (length != 18) {
        out.refusal = VerifyRefusal::length;
        return out;
    }
    const char last = number[17];
    if (out.expectedCheck == '\0' || !((last >= '0' && last <= '9') || last == 'X')) {
        out.refusal = VerifyRefusal::characters;
        return out;
    }
    if (last != out.expectedCheck) {
        out.refusal = VerifyRefusal::check;
        return out;
    }
    auto digitAt = [number](int position) { return number[position] - '0'; };
    const int year = digitAt(6) * 1000 + digitAt(7) * 100 + digitAt(8) * 10 + digitAt(9);
    const int month = digitAt(10) * 10 + digitAt(11);
    const int day = digitAt(12) * 10 + digitAt(13);
    out.birthDate = {year, month, day};
    if (year > limit || month > 12 || day > 31) {
        out.refusal = VerifyRefusal::date;
        return out;
    }
    out.male = digitAt(16) % 2 == 1;
    out.regionCode = digitAt(0) * 100000 + digitAt(1) * 10000 + digitAt(2) * 1000 + digitAt(3) * 100 +
                     digitAt(4) * 10 + digitAt(5);
    return out;
}

// The vectorised floor: the same checks without a branch on the bytes, for
// the mix of a batch, which no branch predictor can foresee. SSE2 (the x86-64
// baseline): 16 bytes from position 0 and 16 from position 2, the digit test
// by a subtract and an unsigned compare, the weighted sum by a multiply-add of
// 16-bit lanes, the check character by a table of the sum, the date's digit
// pairs by a multiply and quads by a multiply-add, compared side by side, and
// the refusal by a table of the failed tests. A text with fewer than 18 bytes
// to read (5% of the batch) goes to the plain floor, as it does elsewhere
// than SSE2. Written here and nowhere else, as the plain floor is.
VerifyOutcome vectorFloorVerify(const char* number, int length, int limit) {
#if defined(__SSE2__)
    if (length < 18) return floorVerify(number, length, limit);
    struct CheckOfSum {
        char of[1024];
    };
    // 1024 > 900, the largest sum of digits; other sums are masked into it.
    static constexpr CheckOfSum checkOfSum = [] {
        CheckOfSum table{};
        for (int sum = 0; sum < 1024; ++sum) table.of[sum] = "10X98765432"[sum % 11];
        return table;
    }();
    // Failed tests as bits, length 8, characters 4, check 2, date 1: the
    // refusal is the highest one's.
    static constexpr unsigned char refusalOf[16] = {0, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1};
    const __m128i bytes0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(number));
    const __m128i bytes2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(number + 2));
    const __m128i digits0 = _mm_sub_epi8(bytes0, _mm_set1_epi8('0'));
    const __m128i digits2 = _mm_sub_epi8(bytes2, _mm_set1_epi8('0'));
    const __m128i nine = _mm_set1_epi8(9);
    const __m128i xLast = _mm_and_si128(_mm_cmpeq_epi8(bytes2, _mm_set1_epi8('X')),
                                        _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1));
    // Bit i: positions i and i + 2 are digits (or 17 is 'X').
    const unsigned fit = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_max_epu8(digits0, nine), nine),
                                        _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(digits2, nine), nine), xLast))));
    const bool stemDigits = (fit | 0x8000u) == 0xFFFF;
    const unsigned sexDigit = static_cast<unsigned char>(number[16]) - unsigned{'0'};
    const char last = number[17];
    const __m128i zero = _mm_setzero_si128();
    __m128i sums =
        _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(digits0, zero), _mm_setr_epi16(7, 9, 10, 5, 8, 4, 2, 1)),
                      _mm_madd_epi16(_mm_unpackhi_epi8(digits0, zero), _mm_setr_epi16(6, 3, 7, 9, 10, 5, 8, 4)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(1, 0, 3, 2)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(2, 3, 0, 1)));
    const unsigned sum = static_cast<unsigned>(_mm_cvtsi128_si32(sums)) + sexDigit * 2;
    const char expected = static_cast<char>(checkOfSum.of[sum & 1023] & -static_cast<int>(stemDigits));
    // From position 2: pairs 23 45 67 89 1011 1213 1415 1617 (a + 256 b times
    // 0x0A01 has 10 a + b as its high byte), quads 2345 6789 10-13 14-17.
    const __m128i pairs = _mm_srli_epi16(_mm_mullo_epi16(digits2, _mm_set1_epi16(0x0A01)), 8);
    const __m128i quads = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00010064));
    const __m128i beyond =
        _mm_or_si128(_mm_cmpgt_epi16(pairs, _mm_setr_epi16(32767, 32767, 32767, 32767, 12, 31, 32767, 32767)),
                     _mm_cmpgt_epi32(quads, _mm_setr_epi32(INT_MAX, limit, INT_MAX, INT_MAX)));
    const unsigned failures = unsigned{length != 18} << 3 | unsigned{fit != 0xFFFF} << 2 |
                              unsigned{last != expected} << 1 | unsigned{_mm_movemask_epi8(beyond) != 0};
    // The parts as the plain floor leaves them: the date from the date test
    // on, the sex and region of an accepted number.
    const int dated = -static_cast<int>(failures <= 1);
    const int accepted = -static_cast<int>(failures == 0);
    VerifyOutcome out{};
    out.refusal = static_cast<VerifyRefusal>(refusalOf[failures]);
    out.expectedCheck = expected;
    out.wholeLength = length;
    out.birthDate = {_mm_extract_epi16(quads, 2) & dated, _mm_extract_epi16(pairs, 4) & dated,
                     _mm_extract_epi16(pairs, 5) & dated};
    out.male = (sexDigit & 1u & static_cast<unsigned>(accepted)) != 0;
    out.regionCode = ((number[0] * 10 + number[1] - 11 * '0') * 10000 + _mm_extract_epi16(quads, 0)) & accepted;
    return out;
#else
    return floorVerify(number, length, limit);
#endif
}

// What a caller takes from an outcome, folded into one value, by arithmetic
// only: a branch here on the sex would be mispredicted for half the numbers.
uint64_t digest(const VerifyOutcome& outcome) {
    return static_cast<uint64_t>(outcome.refusal) + static_cast<uint64_t>(outcome.expectedCheck) * 7 +
           static_cast<uint64_t>(outcome.male) * 11 + static_cast<uint64_t>(outcome.birthDate.day) * 13 +
           static_cast<uint64_t>(outcome.regionCode);
}

bool sameOutcome(const VerifyOutcome& a, const VerifyOutcome& b) {
    return a.refusal == b.refusal && a.expectedCheck == b.expectedCheck && a.wholeLength == b.wholeLength &&
           (a.refusal != VerifyRefusal::none ||
            (a.male == b.male && a.regionCode == b.regionCode && a.birthDate.year == b.birthDate.year &&
             a.birthDate.month == b.birthDate.month && a.birthDate.day == b.birthDate.day));
}

// A fixed pseudo-random sequence, so that every run sees the same batch.
uint32_t nextDraw(uint64_t& state) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<uint32_t>(state >> 33);
}

// About 70% valid numbers of real regions; the rest spread evenly over a
// wrong length, a non-digit, a wrong check character and a date beyond the
// limits (with the right check character, so that the date is what fails).
// Or, as in a file of numbers already checked once, only valid ones.
void fillBatch(bool onlyValid) {
    static constexpr int regions[] = {110101, 120104, 130102, 310104, 320106, 330106, 370102,
                                      410105, 440305, 510107, 530102, 610113, 650102, 659004};
    uint64_t state = 2024;
    for (BatchLine& line : batch) {
        char stem[stemLength + 1];
        const int region = regions[nextDraw(state) % (sizeof regions / sizeof regions[0])];
        int year = 1950 + static_cast<int>(nextDraw(state) % 70);
        int month = 1 + static_cast<int>(nextDraw(state) % 12);
        int day = 1 + static_cast<int>(nextDraw(state) % 28);
        const int sequence = static_cast<int>(nextDraw(state) % 999);
        const uint32_t kind = onlyValid ? 0 : nextDraw(state) % 40;  // 0-27 valid, then 3 each
        if (kind >= 37) {
            const uint32_t which = nextDraw(state) % 3;
            if (which == 0) year = yearLimit + 1 + static_cast<int>(nextDraw(state) % 50);
            if (which == 1) month = 13 + static_cast<int>(nextDraw(state) % 87);
            if (which == 2) day = 32 + static_cast<int>(nextDraw(state) % 68);
        }
        std::snprintf(stem, sizeof stem, "%06d%04d%02d%02d%03d", region, year, month, day, sequence);
        std::memcpy(line.bytes, stem, stemLength);
        line.bytes[stemLength] = computeCheckCharacter(stem);
        line.length = numberLength;
        if (kind >= 28 && kind < 31) {
            // A digit too few or too many, or a 15-digit number.
            const uint32_t which = nextDraw(state) % 3;
            line.length = which == 0 ? 17 : which == 1 ? 19 : 15;
            line.bytes[18] = '7';
        } else if (kind >= 31 && kind < 34) {
            // A letter among the 17, or a lower-case x at the end.
            if (nextDraw(state) % 2 == 0)
                line.bytes[nextDraw(state) % stemLength] = 'a';
            else
                line.bytes[stemLength] = 'x';
        } else if (kind >= 34 && kind < 37) {
            const char right = line.bytes[stemLength];
            line.bytes[stemLength] = right == '0' ? 'X' : right == 'X' ? '1' : static_cast<char>(right - 1);
        }
        line.bytes[line.length] = '\0';
    }
}

// Each verifies the batch the same way: each line's bytes, its length as both
// the bytes read and the whole length, and the year limit.
template <VerifyOutcome (*verify)(const char*, int, int, int), bool onlyValid = false>
void verifyBatch(benchmark::State& state) {
    fillBatch(onlyValid);
    int valid = 0;
    for (const BatchLine& line : batch) {
        const VerifyOutcome outcome = verify(line.bytes, line.length, line.length, yearLimit);
        if (!sameOutcome(outcome, floorVerify(line.bytes, line.length, yearLimit))) {
            state.SkipWithError("the floor and the verification measured disagree");
            return;
        }
        valid += outcome.refusal == VerifyRefusal::none ? 1 : 0;
    }
    for (auto _ : state) {
        uint64_t sum = 0;
        for (const BatchLine& line : batch) sum += digest(verify(line.bytes, line.length, line.length, yearLimit));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * batchSize);
    // Time per number, shown in seconds with an SI prefix (7.3n is 7.3 ns).
    state.counters["per_number"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * batchSize,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["valid%"] = 100.0 * valid / batchSize;
}

VerifyOutcome coreVerify(const char* number, int readLength, int wholeLength, int limit) {
    return verifyNumberText(number, readLength, wholeLength, limit);
}
VerifyOutcome floorVerifyAsCore(const char* number, int, int wholeLength, int limit) {
    return floorVerify(number, wholeLength, limit);
}
VerifyOutcome vectorFloorVerifyAsCore(const char* number, int, int wholeLength, int limit) {
    return vectorFloorVerify(number, wholeLength, limit);
}

// The C API's verify through the shared library, as a foreign caller makes
// it: one call per number, its verdict turned back into the core's outcome.
VerifyOutcome capiVerify(const char* number, int, int wholeLength, int limit) {
    idn_verdict_t verdict{};
    verdict.size = sizeof verdict;
    idn_verify(number, static_cast<size_t>(wholeLength), limit, &verdict);
    VerifyOutcome outcome{};
    outcome.refusal = static_cast<VerifyRefusal>(verdict.reason);
    outcome.expectedCheck = static_cast<char>(verdict.expected_check);
    outcome.wholeLength = static_cast<int>(verdict.length);
    outcome.male = verdict.sex == IDN_SEX_MALE;
    outcome.birthDate = {verdict.birth_year, verdict.birth_month, verdict.birth_day};
    outcome.regionCode = verdict.region_code;
    return outcome;
}

BENCHMARK(verifyBatch<coreVerify>)->Name("verifyPerNumber/core");
BENCHMARK(verifyBatch<capiVerify>)->Name("verifyPerNumber/capi");
BENCHMARK(verifyBatch<floorVerifyAsCore>)->Name("verifyPerNumber/floor");
BENCHMARK(verifyBatch<vectorFloorVerifyAsCore>)->Name("verifyPerNumber/vectorFloor");
BENCHMARK(verifyBatch<coreVerify, true>)->Name("verifyPerNumber/onlyValid/core");
BENCHMARK(verifyBatch<capiVerify, true>)->Name("verifyPerNumber/onlyValid/capi");
BENCHMARK(verifyBatch<floorVerifyAsCore, true>)->Name("verifyPerNumber/onlyValid/floor");
BENCHMARK(verifyBatch<vectorFloorVerifyAsCore, true>)->Name("verifyPerNumber/onlyValid/vectorFloor");

}  // namespace

BENCHMARK_MAIN();
