// The main dialog's controls for the stand-in, in the template's order, as
// resources give them on Windows.
#ifndef _WIN32

#include "tests/standin_main_dialog.h"

#include "programs/dialog/resource_ids.h"
#include "platform/windows_api.h"

namespace {

// In the template's order, which is the tab order.
const StandinControl mainDialogControls[] = {
    {IDC_VERIFY_BUTTON, StandinControlKind::pushButton},
    {IDC_NUMBER_FIELD, StandinControlKind::edit},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::groupBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_PROVINCE_FIELD, StandinControlKind::edit},
    {IDC_CITY_FIELD, StandinControlKind::edit},
    {IDC_COUNTY_FIELD, StandinControlKind::edit},
    {IDC_YEAR_FIELD, StandinControlKind::edit},
    {IDC_MONTH_FIELD, StandinControlKind::edit},
    {IDC_DAY_FIELD, StandinControlKind::edit},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_SEX_FIELD, StandinControlKind::edit},
    {IDC_STATIC, StandinControlKind::groupBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_SEX_LIST, StandinControlKind::comboBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_BIRTH_DATE_FIELD, StandinControlKind::edit},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_MUNICIPALITY_LIST, StandinControlKind::comboBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_DISTRICT_LIST, StandinControlKind::comboBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_PROVINCE_LIST, StandinControlKind::comboBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_CITY_LIST, StandinControlKind::comboBox},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_COUNTY_LIST, StandinControlKind::comboBox},
    {IDC_GENERATE_BUTTON, StandinControlKind::pushButton},
    {IDC_RESULT_FIELD, StandinControlKind::edit},
    {IDC_MUNICIPALITY_MODE, StandinControlKind::radioButton},
    {IDC_PROVINCE_MODE, StandinControlKind::radioButton},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
    {IDC_STATIC, StandinControlKind::staticText},
};

constexpr int controlCount = sizeof mainDialogControls / sizeof mainDialogControls[0];
static_assert(controlCount == 47, "the main dialog has 47 controls");

}  // namespace

void useMainDialogTemplate() { standinSetDialogControls(mainDialogControls, controlCount); }

#endif
