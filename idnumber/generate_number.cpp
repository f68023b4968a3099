#include "idnumber/generate_number.h"

void generateNumber(HWND) {}
