// Verification of the number typed into the number field (the verify button).
#ifndef PROGRAMS_DIALOG_VERIFY_NUMBER_H
#define PROGRAMS_DIALOG_VERIFY_NUMBER_H

#include "platform/windows_api.h"

void verifyNumber(HWND dialog);

#endif
