// dialogProc and onCommand: the dialog's messages and the dispatch of each
// control or menu command to its handler, by ID alone.
#include "programs/dialog/main_dialog.h"

#include "programs/dialog/resource_ids.h"
#include "programs/dialog/help_messages.h"
#include "programs/dialog/generate_number.h"
#include "programs/dialog/verify_number.h"
#include "programs/dialog/region_pickers.h"

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // TRUE lets the dialog manager put the focus on the first tab stop,
        // the verify button.
        return initPickers(dialog);
    case WM_COMMAND:
        // Only the ID matters: list handlers run on every notification.
        onCommand(dialog, LOWORD(wParam));
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

void onCommand(HWND dialog, int commandId) {
    switch (commandId) {
    case IDC_VERIFY_BUTTON:
        verifyNumber(dialog);
        break;
    case IDC_MUNICIPALITY_LIST:
        onMunicipalityList(dialog);
        break;
    case IDC_DISTRICT_LIST:
        onDistrictList(dialog);
        break;
    case IDC_PROVINCE_LIST:
        onProvinceList(dialog);
        break;
    case IDC_CITY_LIST:
        onCityList(dialog);
        break;
    case IDC_COUNTY_LIST:
        onCountyList(dialog);
        break;
    case IDC_GENERATE_BUTTON:
        generateNumber(dialog);
        break;
    case IDM_HELP_CODE_SOURCE:
    case IDM_HELP_BIRTH_DATE:
    case IDM_HELP_SEPARATE_LISTS:
    case IDM_HELP_VALIDITY:
    case IDM_HELP_LETTER_CASE:
    case IDM_HELP_FIFTEEN_DIGITS:
    case IDM_HELP_PURPOSE:
    case IDM_HELP_AUTHOR:
    case IDM_HELP_CONTACT:
    case IDM_HELP_VERSION:
        showHelpMessage(dialog, commandId);
        break;
    default:
        // Escape (IDCANCEL), IDOK, the empty menu item, typing in a field,
        // the mode buttons and the sex list: nothing to do.
        break;
    }
}
