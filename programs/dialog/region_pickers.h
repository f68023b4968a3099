// The cascading region lists of the generator and the sex list.
//
// Each dependent list is emptied by any report of the list above it and filled
// from the region tables at its own next report while it is empty. The
// handlers run on every notification of their list and never ask which.
#ifndef PROGRAMS_DIALOG_REGION_PICKERS_H
#define PROGRAMS_DIALOG_REGION_PICKERS_H

#include "platform/windows_api.h"

// Fills the sex, municipality and province lists and checks the province mode
// button. Returns TRUE.
BOOL initPickers(HWND dialog);

void onMunicipalityList(HWND dialog);
void onDistrictList(HWND dialog);
void onProvinceList(HWND dialog);
void onCityList(HWND dialog);
void onCountyList(HWND dialog);

#endif
