// The message boxes of refused presses: for each refusal of the core, the
// box the dialog shows (text, caption, owner and icon), or none for the
// refusals that end a press silently. Offers refusalBox and showRefusal.
#ifndef PROGRAMS_DIALOG_REFUSAL_BOX_H
#define PROGRAMS_DIALOG_REFUSAL_BOX_H

#include "core/generation.h"
#include "core/verification.h"
#include "platform/windows_api.h"

// Who owns a message box: the dialog, which it disables until it is closed,
// or no window, which leaves the dialog usable.
enum class BoxOwner : unsigned char { none, dialog };

// One message box. Its text may hold "%s", which stands for a number (the
// length message). Texts are UTF-8.
struct RefusalBox {
    const char* text;
    const char* caption;
    BoxOwner owner;
    bool warningIcon;
};

// The box of a verify refusal; null for none.
const RefusalBox* refusalBox(VerifyRefusal refusal);
// The box of a generate refusal; null for none, and for a region the tables
// lack and a number that cannot be assembled, which end a press silently.
const RefusalBox* refusalBox(GenerateRefusal refusal);

// Shows `box` with its "%s" replaced by `number`, owned by the dialog or by
// no window, with the warning icon or none.
void showRefusal(HWND dialog, const RefusalBox& box, int number = 0);

#endif
