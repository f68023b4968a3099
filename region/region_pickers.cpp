#include "region/region_pickers.h"

BOOL initPickers(HWND) { return TRUE; }
void onMunicipalityList(HWND) {}
void onDistrictList(HWND) {}
void onProvinceList(HWND) {}
void onCityList(HWND) {}
void onCountyList(HWND) {}
