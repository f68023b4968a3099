// The message box of a refused command, as the core describes it.
#ifndef PROGRAMS_DIALOG_REFUSAL_BOX_H
#define PROGRAMS_DIALOG_REFUSAL_BOX_H

#include "core/verification.h"
#include "platform/windows_api.h"

// Shows `message` with its "%s" replaced by `number`, owned by the dialog or
// by no window, with the warning icon or none.
void showRefusal(HWND dialog, const RefusalMessage& message, int number = 0);

#endif
