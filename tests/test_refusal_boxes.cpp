// The dialog's message box for each refusal of the core: its text (the
// core's message for verification's refusals), caption, owner and icon, and
// the refusals that end a press silently.
#include <gtest/gtest.h>

#include "core/generation.h"
#include "core/verification.h"
#include "programs/dialog/refusal_box.h"

namespace {

TEST(RefusalBoxes, VerificationsRefusalsShowTheCoresMessages) {
    const struct {
        VerifyRefusal refusal;
        const char* caption;
        BoxOwner owner;
        bool warningIcon;
    } cases[] = {
        {VerifyRefusal::length, "提示", BoxOwner::none, true},
        // The dialog shows the check's box for a number of wrong characters.
        {VerifyRefusal::characters, "校验结果", BoxOwner::none, false},
        {VerifyRefusal::check, "校验结果", BoxOwner::none, false},
        {VerifyRefusal::date, "错误", BoxOwner::dialog, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(refusalName(c.refusal));
        const RefusalBox* box = refusalBox(c.refusal);
        ASSERT_NE(box, nullptr);
        EXPECT_STREQ(box->text, refusalText(c.refusal));
        EXPECT_STREQ(box->caption, c.caption);
        EXPECT_EQ(box->owner, c.owner);
        EXPECT_EQ(box->warningIcon, c.warningIcon);
    }
    EXPECT_EQ(refusalBox(VerifyRefusal::none), nullptr);
}

TEST(RefusalBoxes, GenerationsSilentRefusalsHaveNoBox) {
    for (GenerateRefusal silent : {GenerateRefusal::none, GenerateRefusal::unknownRegion,
                                   GenerateRefusal::cannotAssemble})
        EXPECT_EQ(refusalBox(silent), nullptr);
    // The date's box is verification's.
    EXPECT_EQ(refusalBox(GenerateRefusal::birthDateValue), refusalBox(VerifyRefusal::date));
    EXPECT_EQ(refusalBox(GenerateRefusal::noMunicipality), refusalBox(GenerateRefusal::noCity));
}

}  // namespace
