// Verification of the typed number: length, check character and birth date
// are refused with one message box each; a number that passes fills the
// birth-date, sex and region fields.
#include "dialog/verify_number.h"

#include <cstdlib>
#include <cstring>

#include "dialog/resource_ids.h"
#include "core/number_rules.h"
#include "core/gbk_text.h"
#include "platform/dialog_text.h"
#include "core/region_tables.h"

namespace {

// At most 24 bytes of the field are read, and the terminator.
constexpr int numberBufferSize = 25;

const char unknownLocation[] = "未知位置";
const char wrongRegionCode[] = "错误地区码";

void showLengthMessage(int wholeLength) {
    // The field's whole length, not that of the cut text that was read.
    char lengthText[12];
    _itoa(wholeLength, lengthText, 10);
    char message[128];
    wsprintfA(message, "您输入的身份证号为%s位，正确的应为18位", lengthText);
    showMessage(nullptr, message, "提示", MB_OK | MB_ICONWARNING);
}

void showBirthDate(HWND dialog, const char* number) {
    // Exactly as typed: a month typed 03 shows as 03.
    char part[5];
    copySlice(part, number, birthDateOffset, 4);
    writeField(dialog, IDC_YEAR_FIELD, part);
    copySlice(part, number, birthDateOffset + 4, 2);
    writeField(dialog, IDC_MONTH_FIELD, part);
    copySlice(part, number, birthDateOffset + 6, 2);
    writeField(dialog, IDC_DAY_FIELD, part);
}

void showUnknownRegion(HWND dialog) {
    writeField(dialog, IDC_CITY_FIELD, unknownLocation);
    writeField(dialog, IDC_COUNTY_FIELD, wrongRegionCode);
}

void showRegion(HWND dialog, const char* number) {
    const int regionCode = sliceToInt(number, 0, regionCodeLength);
    const int cityLevelCode = sliceToInt(number, 0, 4) * 100;
    const ProvinceUnit* unit = findUnit(regionCode / 10000);
    if (unit == nullptr) {
        // No unit has this code: say so rather than leave an earlier region.
        writeField(dialog, IDC_PROVINCE_FIELD, unknownLocation);
        writeField(dialog, IDC_CITY_FIELD, "");
        writeField(dialog, IDC_COUNTY_FIELD, wrongRegionCode);
        return;
    }
    writeField(dialog, IDC_PROVINCE_FIELD, unit->fullName);

    if (unit->kind == UnitKind::municipality) {
        // A municipality's districts sit directly under it: the district's
        // name goes into the city field and the county field stays empty.
        const MunicipalTable& table = *unit->municipalTable;
        const int found = findByCode(table, regionCode);
        if (found < table.count)
            writeField(dialog, IDC_CITY_FIELD, table.records[found].name);
        else
            showUnknownRegion(dialog);
        return;
    }

    const ProvinceTable& table = *unit->provinceTable;
    const int city = findByCode(table, cityLevelCode);
    writeField(dialog, IDC_CITY_FIELD, city < table.count ? table.records[city].name : unknownLocation);
    const int county = findByCode(table, regionCode);
    if (county < table.count)
        writeField(dialog, IDC_COUNTY_FIELD, table.records[county].name);
    else
        showUnknownRegion(dialog);
}

}  // namespace

void verifyNumber(HWND dialog) {
    char number[numberBufferSize] = {};
    const int wholeLength = readField(dialog, IDC_NUMBER_FIELD, number, numberBufferSize);
    writeField(dialog, IDC_COUNTY_FIELD, "");

    if (wholeLength != numberLength) {
        showLengthMessage(wholeLength);
        return;
    }
    if (!passesCheck(number)) {
        showMessage(nullptr, "身份证未通过校验", "校验结果", MB_OK);
        return;
    }
    const int yearLimit = localYear(clockAndGenerator().now());
    if (!withinDateLimits(birthDateAt(number + birthDateOffset), yearLimit)) {
        showMessage(dialog, "出生日期不正确", "错误", MB_OK);
        return;
    }

    showBirthDate(dialog, number);
    writeField(dialog, IDC_SEX_FIELD, isMaleCharacter(number[sexOffset]) ? "男" : "女");
    showRegion(dialog, number);
}
