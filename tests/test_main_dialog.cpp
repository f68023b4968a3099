// The dialog shell: start-up state, commands that do nothing, closing, and the
// ten help messages. Runs against the stand-in and under Wine.
#include <gtest/gtest.h>

#include <string>

#include "app/main_dialog.h"
#include "app/resource_ids.h"
#include "tests/dialog_harness.h"

namespace {

const int allFields[] = {IDC_NUMBER_FIELD, IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_COUNTY_FIELD,
                         IDC_YEAR_FIELD,   IDC_MONTH_FIELD,    IDC_DAY_FIELD,  IDC_SEX_FIELD,
                         IDC_BIRTH_DATE_FIELD, IDC_RESULT_FIELD};

using MainDialog = DialogTest;


struct Snapshot {
    std::vector<std::string> fields;
    std::vector<int> counts;
    std::vector<int> selections;
    bool municipalityMode;
    bool provinceMode;
    bool operator==(const Snapshot& other) const {
        return fields == other.fields && counts == other.counts && selections == other.selections &&
               municipalityMode == other.municipalityMode && provinceMode == other.provinceMode;
    }
};

class QuietCommands : public DialogTest {
protected:
    Snapshot snapshot() {
        Snapshot s;
        for (int id : allFields) s.fields.push_back(text(id));
        for (int list = IDC_SEX_LIST; list <= IDC_COUNTY_LIST; ++list) {
            if (list == IDC_BIRTH_DATE_FIELD) continue;
            s.counts.push_back(itemCount(list));
            s.selections.push_back(selection(list));
        }
        s.municipalityMode = isChecked(IDC_MUNICIPALITY_MODE);
        s.provinceMode = isChecked(IDC_PROVINCE_MODE);
        return s;
    }
};

TEST_F(QuietCommands, IdsWithoutAnActionChangeNothingAndSayNothing) {
    for (int id : allFields) setText(id, "mark" + std::to_string(id));
    pick(IDC_SEX_LIST, 1);
    const Snapshot before = snapshot();
    // Escape, IDOK, the empty menu item, the hint static (ID -1 as 65535),
    // the edit fields, the sex list, and IDs nobody uses.
    const int quietIds[] = {IDCANCEL, IDOK, IDM_EMPTY_ITEM, 0xFFFF, IDC_NUMBER_FIELD, IDC_BIRTH_DATE_FIELD,
                            IDC_RESULT_FIELD, IDC_SEX_LIST, IDC_SEX_FIELD, 0, 1001, 40002, 40016};
    for (int id : quietIds) command(id);
    notify(IDC_NUMBER_FIELD, EN_CHANGE);
    notify(IDC_SEX_LIST, CBN_SELCHANGE);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(QuietCommands, ModeButtonsOnlyToggleEachOther) {
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    click(IDC_MUNICIPALITY_MODE);
    EXPECT_TRUE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_FALSE(isChecked(IDC_PROVINCE_MODE));
    click(IDC_PROVINCE_MODE);
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_TRUE(takeBoxes().empty());
}

TEST(MainDialogProcedure, AnswersInitDialogWithTrueAndOtherMessagesWithFalse) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                     dialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialogProc(dialog, WM_INITDIALOG, 0, 0), TRUE);
    EXPECT_EQ(dialogProc(dialog, WM_COMMAND, MAKEWPARAM(IDM_EMPTY_ITEM, 0), 0), FALSE);
    EXPECT_EQ(dialogProc(dialog, 0x0400 /* WM_USER */, 0, 0), FALSE);
    DestroyWindow(dialog);
}

#ifndef _WIN32
// Under Wine the modal loop itself is run and closed (see the template tests).
TEST(MainDialogProcedure, CloseEndsTheDialogWithZero) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                     dialogProc, 0);
    INT_PTR result = -1;
    EXPECT_FALSE(standinDialogEnded(dialog, &result));
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(standinDialogEnded(dialog, &result));
    EXPECT_EQ(result, 0);
    DestroyWindow(dialog);
}
#endif

struct HelpCase {
    int commandId;
    const char* caption;
    const char* text;  // nullptr: checked by prefix/suffix below
};

const HelpCase helpCases[] = {
    {IDM_HELP_BIRTH_DATE, "关于出生日期的处理",
     "出生日期每月都按31天算，只要不超过31都算正确，原因？\n作者比较懒，不想写关于时间的计算验证了，大家自己验证吧。O(∩_∩)O哈哈~"},
    {IDM_HELP_SEPARATE_LISTS, "直辖市及普通省划分开",
     "为什么要划分开呢？\n个人感觉每次找直辖市都不方便，不如分开呢，这样好找多了！"},
    {IDM_HELP_LETTER_CASE, "X大小写", "有部分身份证号最后一位为X。\n注意：这里的X都是大写的。小写的验证不正确的！"},
    {IDM_HELP_VALIDITY, "生成身份证号码是否有效",
     "作者不是公安部的，没有权利查看国家档案什么的\n所以，软件只是根据身份证号码算法粗略计算身份证是否正确！\n"
     "现在网络上的所有不收费的身份证查验也是根据这个算法计算的，\n都没进入公安系统！\n\n 所以一般的校验此软件完全可以搞定！\n"
     "请放心使用"},
    {IDM_HELP_FIFTEEN_DIGITS, "能否验证15位身份证",
     "很抱歉，因为我就没见过15位的身份证，所以制作的软件就没加入15位的算法\n以后有空可以加上！"},
    {IDM_HELP_PURPOSE, "用途", "本软件只是学习交流之用！请勿用于商业，违法等……"},
    {IDM_HELP_AUTHOR, "作者", "留下本人大名\n Zuvo "},
    {IDM_HELP_VERSION, "V1.0版本",
     "第一次写程序，疏漏之处请谅解！现在正在学习ing \n 至于什么V2.0之类的后续版本，呵呵，以后再说"},
    {IDM_HELP_CODE_SOURCE, "关于区位码来源", nullptr},
    {IDM_HELP_CONTACT, "联系", nullptr},
};

class HelpMessages : public DialogTest, public ::testing::WithParamInterface<HelpCase> {};

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST_P(HelpMessages, ShowExactlyTheirCaptionAndTextWithoutIconOrOwner) {
    const HelpCase& c = GetParam();
    for (int id : allFields) setText(id, "mark");
    command(c.commandId);
    const std::vector<ShownBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, c.caption);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_FALSE(boxes[0].anyIcon);
    const std::string& text = boxes[0].text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
    if (c.text != nullptr) {
        EXPECT_EQ(text, c.text);
    } else if (c.commandId == IDM_HELP_CODE_SOURCE) {
        // The web address follows directly and ends the text.
        const std::string head = "所用区位码来自“中华人民共和国国家统计局”\n网址：";
        ASSERT_TRUE(startsWith(text, head));
        const std::string address = text.substr(head.size());
        EXPECT_TRUE(startsWith(address, "http://") || startsWith(address, "https://"));
        EXPECT_EQ(address.find_first_of(" \n"), std::string::npos);
    } else {
        // The address stands alone on the second line between two spaces.
        const std::string head = "留个邮箱吧，有什么bug错误什么的可以发邮件到\n ";
        const std::string tail = " \n 谢绝广告，垃圾邮件！";
        ASSERT_TRUE(startsWith(text, head));
        ASSERT_TRUE(endsWith(text, tail));
        const std::string address = text.substr(head.size(), text.size() - head.size() - tail.size());
        EXPECT_NE(address.find('@'), std::string::npos);
        EXPECT_EQ(address.find_first_of(" \n"), std::string::npos);
    }
    for (int id : allFields) EXPECT_EQ(this->text(id), "mark");
}

INSTANTIATE_TEST_SUITE_P(AllTen, HelpMessages, ::testing::ValuesIn(helpCases));

TEST_F(MainDialog, TwoHelpMessagesCanStandAtOnce) {
    int standingWhenSecondShown = 0;
    bool openedSecond = false;
    onBoxShown([&](const ShownBox&) {
        if (!openedSecond) {
            openedSecond = true;
            command(IDM_HELP_AUTHOR);  // the same item again, while the first stands
        } else {
            standingWhenSecondShown = standingBoxCount();
        }
    });
    command(IDM_HELP_AUTHOR);
    const std::vector<ShownBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, boxes[1].text);
    EXPECT_EQ(boxes[0].caption, boxes[1].caption);
    EXPECT_EQ(standingWhenSecondShown, 2);
}

}  // namespace
