// Program entry: runs the main dialog until it is closed.
#include "dialog/main_dialog.h"
#include "dialog/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, dialogProc, 0);
    return 0;
}
