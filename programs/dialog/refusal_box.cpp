// The dialog's boxes, refusal by refusal. Verification's texts are the
// core's, which other faces show too; the picks' texts are the dialog's own.
#include "programs/dialog/refusal_box.h"

#include "platform/dialog_text.h"

namespace {

// The caption of the boxes that ask for something missing or mended.
const char promptCaption[] = "提示";

const RefusalBox lengthBox = {refusalText(VerifyRefusal::length), promptCaption, BoxOwner::none, true};
const RefusalBox checkBox = {refusalText(VerifyRefusal::check), "校验结果", BoxOwner::none, false};
const RefusalBox dateBox = {refusalText(VerifyRefusal::date), "错误", BoxOwner::dialog, false};

const RefusalBox noCityBox = {"请选择市", promptCaption, BoxOwner::dialog, true};
const RefusalBox noDistrictBox = {"请选择区（县）", promptCaption, BoxOwner::dialog, true};
const RefusalBox noCountyBox = {"请选择县", promptCaption, BoxOwner::dialog, true};
const RefusalBox birthDateLengthBox = {"出生日期为8位", "错误！", BoxOwner::none, false};

}  // namespace

const RefusalBox* refusalBox(VerifyRefusal refusal) {
    switch (refusal) {
    case VerifyRefusal::length:
        return &lengthBox;
    case VerifyRefusal::characters:  // the check's box, as the dialog has always shown
    case VerifyRefusal::check:
        return &checkBox;
    case VerifyRefusal::date:
        return &dateBox;
    case VerifyRefusal::none:
        break;
    }
    return nullptr;
}

const RefusalBox* refusalBox(GenerateRefusal refusal) {
    switch (refusal) {
    case GenerateRefusal::noMunicipality:  // the same words as for a city
    case GenerateRefusal::noCity:
        return &noCityBox;
    case GenerateRefusal::noDistrict:
        return &noDistrictBox;
    case GenerateRefusal::noCounty:
        return &noCountyBox;
    case GenerateRefusal::birthDateNotEightBytes:
        return &birthDateLengthBox;
    case GenerateRefusal::birthDateValue:
        return &dateBox;
    case GenerateRefusal::none:
    case GenerateRefusal::unknownRegion:
    case GenerateRefusal::cannotAssemble:
        break;
    }
    return nullptr;
}

void showRefusal(HWND dialog, const RefusalBox& box, int number) {
    char text[128];
    formatMessage(text, sizeof text, box.text, static_cast<uint64_t>(number));
    showMessage(box.owner == BoxOwner::dialog ? dialog : nullptr, text, box.caption,
                box.warningIcon ? MB_ICONWARNING : MB_OK);
}
