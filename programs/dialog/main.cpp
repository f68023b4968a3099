// Program entry: runs the main dialog until it is closed.
#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    // The wide form, so that the template's UTF-16 texts reach the controls
    // unconverted whatever the process's ANSI code page.
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr, dialogProc, 0);
    return 0;
}
