// Cost of one verify press, one generate press (both through the dialog's
// command dispatch and the stand-in's controls) and of the check alone over a
// batch of numbers.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "dialog/main_dialog.h"
#include "tests/standin_main_dialog.h"
#include "dialog/resource_ids.h"
#include "core/number_rules.h"

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

void checkBatch(benchmark::State& state) {
    constexpr int batchSize = 1024;
    static char numbers[batchSize][numberLength + 1];
    for (int i = 0; i < batchSize; ++i) {
        char stem[stemLength + 1];
        std::snprintf(stem, sizeof stem, "1101%02d19%06d%03d", i % 100, (i * 7919) % 1000000, i % 999);
        std::snprintf(numbers[i], sizeof numbers[i], "%s%c", stem, computeCheckCharacter(stem));
        if (i % 4 == 3) numbers[i][i % 17] = 'a';  // some fail on a letter
    }
    int passed = 0;
    for (auto _ : state) {
        passed = 0;
        for (int i = 0; i < batchSize; ++i) passed += passesCheck(numbers[i]) ? 1 : 0;
        benchmark::DoNotOptimize(passed);
    }
    state.SetItemsProcessed(state.iterations() * batchSize);
    state.counters["passed"] = passed;
}
BENCHMARK(checkBatch);

}  // namespace

BENCHMARK_MAIN();
