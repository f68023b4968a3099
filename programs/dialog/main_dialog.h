// The main dialog's procedure and its command dispatch.
#ifndef PROGRAMS_DIALOG_MAIN_DIALOG_H
#define PROGRAMS_DIALOG_MAIN_DIALOG_H

#include "platform/windows_api.h"

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the action of one control or menu command; every other ID does nothing.
void onCommand(HWND dialog, int commandId);

#endif
