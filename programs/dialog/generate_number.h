// Generation of a random number for the picked region, birth date and sex
// (the generate button).
#ifndef PROGRAMS_DIALOG_GENERATE_NUMBER_H
#define PROGRAMS_DIALOG_GENERATE_NUMBER_H

#include "platform/windows_api.h"

void generateNumber(HWND dialog);

#endif
