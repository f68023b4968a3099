#include "idnumber/verify_number.h"

void verifyNumber(HWND) {}
