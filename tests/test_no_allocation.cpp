// No command allocates: presses of verify and generate on every path, and
// every notification of every region list, run with the global operator new
// (and, under AddressSanitizer, malloc itself) counted.
//
// Natively only, against the stand-in, which sets its storage aside when the
// dialog is created. The test drives the dialog itself instead of through the
// shared fixture, whose recording of message boxes allocates.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"
#include "core/check_character.h"
#include "tests/allocation_counter.h"
#include "tests/standin_main_dialog.h"


namespace {

int boxesShown = 0;
void countBox(const StandinMessageBox&) { ++boxesShown; }

class NoAllocation : public ::testing::Test {
protected:
    HWND dialog = nullptr;

    void SetUp() override {
        useMainDialogTemplate();
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                    dialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        standinSetMessageBoxHook(countBox);
        boxesShown = 0;
        // The first look at the local clock loads the time zone once.
        setText(IDC_NUMBER_FIELD, "11010519491231002X");
        press(IDC_VERIFY_BUTTON);
    }
    void TearDown() override {
        stopCountingAllocations();
        standinSetMessageBoxHook(nullptr);
        DestroyWindow(dialog);
    }

    void startCounting() {
        boxesShown = 0;
        startCountingAllocations();
    }
    long stopCounting() { return stopCountingAllocations(); }

    void press(int id, int code = BN_CLICKED) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0); }
    void setText(int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
    // A pick as the list reports it: focus, selection change, focus lost.
    void pick(int listId, int index) {
        press(listId, CBN_SETFOCUS);
        SendMessageA(GetDlgItem(dialog, listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        press(listId, CBN_SELCHANGE);
        press(listId, CBN_KILLFOCUS);
    }
};

// The counter itself: an allocation between start and stop is seen, so the
// zeros below mean something.
TEST(AllocationCounter, SeesAnAllocation) {
    startCountingAllocations();
    delete new int(7);
    EXPECT_GE(stopCountingAllocations(), 1);
}

TEST_F(NoAllocation, VerifyOnEveryPath) {
    const char* const stems[] = {
        "11010519491231002",  // Beijing district
        "11000019900307001",  // municipality, code not in its table
        "13010119900307001",  // province, city and county found
        "41900119900307001",  // no city-level record
        "61990119900307001",  // neither found
        "16010119851130002",  // no such unit
        "11010199991231001",  // year beyond the limit
    };
    constexpr int stemCount = sizeof stems / sizeof stems[0];
    char numbers[stemCount + 4][32] = {"", "123456789012345678901234567890", "11010519491231002x",
                                       "abcdefghijklmnopq7"};
    for (int i = 0; i < stemCount; ++i) {
        std::snprintf(numbers[4 + i], sizeof numbers[0], "%s%c", stems[i], computeCheckCharacter(stems[i]));
    }
    startCounting();
    for (int round = 0; round < 20; ++round) {
        for (const char* number : numbers) {
            setText(IDC_NUMBER_FIELD, number);
            press(IDC_VERIFY_BUTTON);
        }
    }
    EXPECT_EQ(stopCounting(), 0);
    EXPECT_EQ(boxesShown, 20 * 5);  // three lengths, two checks, one date
}

TEST_F(NoAllocation, GenerateAndEveryListHandler) {
    startCounting();
    for (int round = 0; round < 10; ++round) {
        // Municipality mode: each municipality's districts, then a number.
        SendMessageA(GetDlgItem(dialog, IDC_MUNICIPALITY_MODE), BM_CLICK, 0, 0);
        for (int municipality = 0; municipality < 4; ++municipality) {
            pick(IDC_MUNICIPALITY_LIST, municipality);
            press(IDC_GENERATE_BUTTON);  // no district yet
            pick(IDC_DISTRICT_LIST, 0);
            setText(IDC_BIRTH_DATE_FIELD, "19870102");
            press(IDC_GENERATE_BUTTON);
        }
        // Province mode: every province, its first city with listed counties.
        SendMessageA(GetDlgItem(dialog, IDC_PROVINCE_MODE), BM_CLICK, 0, 0);
        for (int province = 0; province < 27; ++province) {
            pick(IDC_PROVINCE_LIST, province);
            press(IDC_GENERATE_BUTTON);  // no city
            pick(IDC_CITY_LIST, 0);
            pick(IDC_COUNTY_LIST, 0);
            pick(IDC_SEX_LIST, province % 3 - 1);
            for (const char* date : {"20000229", "1987", "1987ab02"}) {
                setText(IDC_BIRTH_DATE_FIELD, date);
                press(IDC_GENERATE_BUTTON);
            }
        }
    }
    EXPECT_EQ(stopCounting(), 0);
    char result[32] = "";
    GetDlgItemTextA(dialog, IDC_RESULT_FIELD, result, sizeof result);
    EXPECT_EQ(std::strlen(result), 18u);
    EXPECT_GT(boxesShown, 10 * (4 + 27 * 3) - 20);
}

}  // namespace

#endif
