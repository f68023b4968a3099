// Program entry: runs the main dialog until it is closed.
#include "app/main_dialog.h"
#include "app/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, dialogProc, 0);
    return 0;
}
