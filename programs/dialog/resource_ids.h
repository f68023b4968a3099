/* Control, command and resource IDs of the main dialog.
   Plain #defines so that both the resource compiler and the C++ code read this file. */
#ifndef PROGRAMS_DIALOG_RESOURCE_IDS_H
#define PROGRAMS_DIALOG_RESOURCE_IDS_H

/* Resources */
#define IDD_MAIN_DIALOG        101
#define IDR_MAIN_MENU          104
#define IDI_APP_ICON           1

/* Static texts and group boxes */
#define IDC_STATIC             (-1)

/* Verification: number entry and result fields (1000-1012) */
#define IDC_VERIFY_BUTTON      1000
#define IDC_NUMBER_FIELD       1004
#define IDC_PROVINCE_FIELD     1006
#define IDC_CITY_FIELD         1007
#define IDC_COUNTY_FIELD       1008
#define IDC_YEAR_FIELD         1009
#define IDC_MONTH_FIELD        1010
#define IDC_DAY_FIELD          1011
#define IDC_SEX_FIELD          1012

/* Generation: inputs, region lists, result (1013-1023) */
#define IDC_SEX_LIST           1013
#define IDC_BIRTH_DATE_FIELD   1014
#define IDC_MUNICIPALITY_LIST  1015
#define IDC_DISTRICT_LIST      1016
#define IDC_PROVINCE_LIST      1017
#define IDC_CITY_LIST          1018
#define IDC_COUNTY_LIST        1019
#define IDC_GENERATE_BUTTON    1020
#define IDC_RESULT_FIELD       1021
#define IDC_MUNICIPALITY_MODE  1022
#define IDC_PROVINCE_MODE      1023

/* Help menu commands (40001-40015) */
#define IDM_EMPTY_ITEM         40001
#define IDM_HELP_CODE_SOURCE   40003
#define IDM_HELP_BIRTH_DATE    40004
#define IDM_HELP_SEPARATE_LISTS 40005
#define IDM_HELP_VALIDITY      40008
#define IDM_HELP_LETTER_CASE   40009
#define IDM_HELP_FIFTEEN_DIGITS 40010
#define IDM_HELP_PURPOSE       40012
#define IDM_HELP_AUTHOR        40013
#define IDM_HELP_CONTACT       40014
#define IDM_HELP_VERSION       40015

#endif
