// Drives a running IdNumberTool for the README's second screenshot: verifies
// a number, picks 山西省 and 阳泉市 in the region lists, and opens the county
// list. Runs as a separate process beside the program, so it only sends
// messages that carry no pointers (or that the system copies across).
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "programs/dialog/resource_ids.h"

namespace {

HWND foundDialog = nullptr;

BOOL CALLBACK findDialog(HWND window, LPARAM) {
    char title[128] = "";
    GetWindowTextA(window, title, sizeof title);
    const size_t length = std::strlen(title);
    if (length >= 4 && std::strcmp(title + length - 4, "v1.0") == 0) {
        foundDialog = window;
        return FALSE;
    }
    return TRUE;
}

// What the list would report to the dialog itself.
void report(HWND dialog, int listId, int notification) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, notification),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}

void pick(HWND dialog, int listId, int index) {
    report(dialog, listId, CBN_SETFOCUS);
    SendMessageA(GetDlgItem(dialog, listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    report(dialog, listId, CBN_SELCHANGE);
    report(dialog, listId, CBN_KILLFOCUS);
}

}  // namespace

int main() {
    EnumWindows(findDialog, 0);
    if (foundDialog == nullptr) {
        std::fprintf(stderr, "pick_region: the dialog is not running\n");
        return 1;
    }
    HWND dialog = foundDialog;
    // A number of 阳泉市's 城区, verified.
    SendMessageA(GetDlgItem(dialog, IDC_NUMBER_FIELD), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("140302198701020036"));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_VERIFY_BUTTON, BN_CLICKED), 0);
    SendMessageA(GetDlgItem(dialog, IDC_BIRTH_DATE_FIELD), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("19870102"));
    pick(dialog, IDC_PROVINCE_LIST, 1);  // 山西省
    pick(dialog, IDC_CITY_LIST, 2);      // 太原市, 大同市, 阳泉市
    report(dialog, IDC_COUNTY_LIST, CBN_SETFOCUS);
    SendMessageA(GetDlgItem(dialog, IDC_COUNTY_LIST), CB_SHOWDROPDOWN, TRUE, 0);
    return 0;
}
