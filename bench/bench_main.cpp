// Cost of one verify press, one generate press (both through the dialog's
// command dispatch and the stand-in's controls), and of the core's
// verification per number over a batch of numbers beside a plain loop doing
// the same checks, the floor it is measured against, and the C API's verify
// through the shared library.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

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

// What a caller takes from an outcome, folded into one value.
uint64_t digest(const VerifyOutcome& outcome) {
    return static_cast<uint64_t>(outcome.refusal) + static_cast<uint64_t>(outcome.expectedCheck) * 7 +
           (outcome.male ? 11u : 0u) + static_cast<uint64_t>(outcome.birthDate.day) * 13 +
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
void fillBatch() {
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
        const uint32_t kind = nextDraw(state) % 40;  // 0-27 valid, then 3 each
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

// Both verify the batch the same way: each line's bytes, its length as both
// the bytes read and the whole length, and the year limit.
template <VerifyOutcome (*verify)(const char*, int, int, int)>
void verifyBatch(benchmark::State& state) {
    fillBatch();
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

// The C API's verify through the shared library, as a foreign caller makes
// it: one call per number, its verdict turned back into the core's outcome.
VerifyOutcome capiVerify(const char* number, int, int wholeLength, int limit) {
    idn_verdict_t verdict;
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

}  // namespace

BENCHMARK_MAIN();
