// The dialog shell: commands that do nothing, the procedure's answers, closing,
// and the ten help messages. Runs against the stand-in and under Wine.
#include <string>

#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"
#include "tests/dialog_harness.h"

namespace {

class MainDialog : public DialogTest {
protected:
    // Every field marked and a pick in both cascades, so that any change shows.
    void fillEverything() {
        for (int id : {IDC_NUMBER_FIELD, IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_COUNTY_FIELD, IDC_YEAR_FIELD,
                       IDC_MONTH_FIELD, IDC_DAY_FIELD, IDC_SEX_FIELD, IDC_BIRTH_DATE_FIELD, IDC_RESULT_FIELD})
            setText(id, "mark" + std::to_string(id));
        pick(IDC_SEX_LIST, 1);
        pickText(IDC_MUNICIPALITY_LIST, "天津");
        pickText(IDC_DISTRICT_LIST, "和平区");
        pickText(IDC_PROVINCE_LIST, "河北省");
        pickText(IDC_CITY_LIST, "石家庄市");
        pickText(IDC_COUNTY_LIST, "长安区");
    }
};

TEST_F(MainDialog, IdsWithoutAnActionChangeNothingAndSayNothing) {
    fillEverything();
    const std::string before = state();
    // Escape, IDOK, the empty menu item, the hint static (ID -1 as 65535), the
    // fields, the sex list, the mode buttons, and IDs nobody uses.
    for (int id : {IDCANCEL, IDOK, IDM_EMPTY_ITEM, 0xFFFF, IDC_NUMBER_FIELD, IDC_BIRTH_DATE_FIELD, IDC_RESULT_FIELD,
                   IDC_SEX_LIST, IDC_SEX_FIELD, IDC_MUNICIPALITY_MODE, IDC_PROVINCE_MODE, 0, 1001, 40002, 40016})
        command(id);
    notify(IDC_NUMBER_FIELD, EN_CHANGE);
    notify(IDC_SEX_LIST, CBN_SELCHANGE);
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(MainDialog, ProcedureAnswersInitDialogWithTrueOthersWithFalseAndCloseEndsWithZero) {
    EXPECT_EQ(dialogProc(dialog, WM_INITDIALOG, 0, 0), TRUE);
    EXPECT_EQ(dialogProc(dialog, WM_COMMAND, MAKEWPARAM(IDM_EMPTY_ITEM, 0), 0), FALSE);
    EXPECT_EQ(dialogProc(dialog, 0x0400 /* WM_USER */, 0, 0), FALSE);
#ifndef _WIN32  // under Wine the real modal loop is closed (see the template tests)
    INT_PTR result = -1;
    EXPECT_FALSE(standinDialogEnded(dialog, &result));
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(standinDialogEnded(dialog, &result));
    EXPECT_EQ(result, 0);
#endif
}

struct HelpCase {
    int commandId;
    const char* caption;
    const char* text;  // up to the address, which is checked for its form only
    const char* afterAddress = nullptr;  // set for the two with an address
};

const HelpCase helpCases[] = {
    {IDM_HELP_CODE_SOURCE, "关于区位码来源", "所用区位码来自“中华人民共和国国家统计局”\n网址：", ""},
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
    {IDM_HELP_CONTACT, "联系", "留个邮箱吧，有什么bug错误什么的可以发邮件到\n ", " \n 谢绝广告，垃圾邮件！"},
    {IDM_HELP_VERSION, "V1.0版本",
     "第一次写程序，疏漏之处请谅解！现在正在学习ing \n 至于什么V2.0之类的后续版本，呵呵，以后再说"},
};

void PrintTo(const HelpCase& c, std::ostream* os) { *os << "command " << c.commandId; }

class HelpMessages : public MainDialog, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(HelpMessages, ShowExactlyTheirCaptionAndTextWithoutIconOrOwnerAndChangeNothing) {
    const HelpCase& c = GetParam();
    fillEverything();
    const std::string before = state();
    command(c.commandId);
    EXPECT_EQ(state(), before);
    const std::vector<ShownBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, c.caption);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_FALSE(boxes[0].anyIcon);
    const std::string& text = boxes[0].text;
    if (c.afterAddress == nullptr) {
        EXPECT_EQ(text, c.text);
        return;
    }
    // The code-source message ends with a web address right after its text;
    // the contact message's e-mail address stands alone between two spaces.
    const std::string head = c.text, tail = c.afterAddress;
    ASSERT_GT(text.size(), head.size() + tail.size());
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    const std::string address = text.substr(head.size(), text.size() - head.size() - tail.size());
    EXPECT_EQ(address.find_first_of(" \r\n"), std::string::npos) << address;
    if (c.commandId == IDM_HELP_CONTACT) {
        EXPECT_NE(address.find('@'), std::string::npos) << address;
    } else {
        EXPECT_TRUE(address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) << address;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTen, HelpMessages, ::testing::ValuesIn(helpCases));

TEST_F(MainDialog, TwoHelpMessagesCanStandAtOnce) {
    int shown = 0, standingWhenSecondShown = 0;
    onBoxShown([&](const ShownBox&) {
        if (++shown == 1)
            command(IDM_HELP_AUTHOR);  // the same item again, while the first stands
        else
            standingWhenSecondShown = standingBoxCount();
    });
    command(IDM_HELP_AUTHOR);
    const std::vector<ShownBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, boxes[1].text);
    EXPECT_EQ(boxes[0].caption, boxes[1].caption);
    EXPECT_EQ(standingWhenSecondShown, 2);
}

}  // namespace
