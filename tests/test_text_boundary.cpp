// Texts crossing between the program and the controls: the program's UTF-8
// written and read back whole, GBK byte limits of the reads the dialog counts
// with double-byte characters straddling them, exact GBK lengths, characters
// that code page 936 lacks, and, under Wine, controls that overstate their
// ANSI lengths as double-byte Windows does. Run under code page 936 and 1252.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "programs/dialog/resource_ids.h"
#include "platform/dialog_text.h"
#include "tests/dialog_harness.h"

namespace {

using TextBoundary = DialogTest;

struct ReadCase {
    const char* held;    // the field's text
    int size;            // buffer size given to the read, in GBK bytes
    const char* read;    // what arrives, in GBK
};

// A double-byte character that does not fit whole stays out; the length is
// always that of the whole text.
const ReadCase readCases[] = {
    {"", 25, ""},
    {"19870102", 10, "19870102"},
    {"198701020", 10, "198701020"},
    {"1987010203", 10, "198701020"},        // cut to size - 1 bytes
    {"19870102中", 10, "19870102"},         // 中 would straddle bytes 9 and 10
    {"1987010中", 10, "1987010中"},         // ends exactly at byte 9
    {"中文中文中", 10, "中文中文"},
    {"123456789012345678901234", 25, "123456789012345678901234"},
    {"12345678901234567890123中", 25, "12345678901234567890123"},
    {"1234567890123456789012中", 25, "1234567890123456789012中"},
    {"埇桥区", 4, "埇"},                    // outside GB 2312, inside GBK
    {"中", 2, ""},
    {"中", 1, ""},
};

TEST_F(TextBoundary, ReadsStopBeforeACharacterThatDoesNotFitAndMeasureTheWholeText) {
    for (const ReadCase& c : readCases) {
        SCOPED_TRACE(std::string(c.held) + " into " + std::to_string(c.size));
        setText(IDC_NUMBER_FIELD, c.held);
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        const int length = readField(dialog, IDC_NUMBER_FIELD, buffer, c.size);
        EXPECT_EQ(length, static_cast<int>(gbkOf(c.held).size()));
        EXPECT_EQ(buffer, gbkOf(c.read));
        EXPECT_EQ(buffer[c.size], '#');  // nothing written past the buffer
    }
}

TEST_F(TextBoundary, WrittenFieldsItemsAndBoxesReadBackByteForByte) {
    // The names with an ideographic space, leading spaces, a mark, and
    // characters outside GB 2312.
    for (const char* name : {"蓟　县", "  江源区", "红寺堡区 (*)", "埇桥区", "瀍河回族区", "硚口区", "猇亭区"}) {
        writeField(dialog, IDC_CITY_FIELD, name);
        EXPECT_EQ(text(IDC_CITY_FIELD), name);
        char buffer[64];
        const std::string gbk = gbkOf(name);
        EXPECT_EQ(readField(dialog, IDC_CITY_FIELD, buffer, sizeof buffer), static_cast<int>(gbk.size()));
        EXPECT_EQ(buffer, gbk);
        EXPECT_EQ(gbk.find('?'), std::string::npos) << name;  // every one has its GBK form
    }
    // The GBK bytes themselves, in hex: what counts is GBK, not UTF-8.
    writeField(dialog, IDC_CITY_FIELD, "蓟　县");
    char gbk[16];
    EXPECT_EQ(readField(dialog, IDC_CITY_FIELD, gbk, sizeof gbk), 6);
    EXPECT_STREQ(gbk, "\xBC\xBB\xA1\xA1\xCF\xD8");
    SendMessageA(GetDlgItem(dialog, IDC_COUNTY_LIST), CB_RESETCONTENT, 0, 0);
    appendListItem(dialog, IDC_COUNTY_LIST, "中沙群岛的岛礁及其海域");
    appendListItem(dialog, IDC_COUNTY_LIST, "蓟　县");
    EXPECT_EQ(items(IDC_COUNTY_LIST), (std::vector<std::string>{"中沙群岛的岛礁及其海域", "蓟　县"}));
    char item[listItemTextSize];
    ASSERT_TRUE(readListItem(dialog, IDC_COUNTY_LIST, 0, item, sizeof item));
    EXPECT_STREQ(item, "中沙群岛的岛礁及其海域");
    EXPECT_FALSE(readListItem(dialog, IDC_COUNTY_LIST, 2, item, sizeof item));
    EXPECT_FALSE(readListItem(dialog, IDC_COUNTY_LIST, -1, item, sizeof item));
    char small[8];
    EXPECT_FALSE(readListItem(dialog, IDC_COUNTY_LIST, 0, small, sizeof small));  // does not fit

    showMessage(nullptr, "出生日期为8位", "错误！", MB_OK);
    expectOnlyBox("出生日期为8位", "错误！", nullptr, false);
    showMessage(dialog, "请选择区（县）", "提示", MB_ICONWARNING);
    expectOnlyBox("请选择区（县）", "提示", dialog, true);
}

TEST_F(TextBoundary, LengthsAreExactBytesForTheMessagesAndTheBirthDate) {
    setText(IDC_NUMBER_FIELD, "1101051949123100中");  // 16 digits and one character: 18 GBK bytes
    click(IDC_VERIFY_BUTTON);
    expectOnlyBox("身份证未通过校验", "校验结果", nullptr, false);
    setText(IDC_NUMBER_FIELD, "中文中文中文中文中文中文中文");  // 14 characters, 28 GBK bytes (42 in UTF-8)
    click(IDC_VERIFY_BUTTON);
    expectOnlyBox("您输入的身份证号为28位，正确的应为18位", "提示", nullptr, true);

    pickText(IDC_PROVINCE_LIST, "河北省");
    pickText(IDC_CITY_LIST, "石家庄市");
    pickText(IDC_COUNTY_LIST, "长安区");
    setText(IDC_BIRTH_DATE_FIELD, "1987中");  // 6 GBK bytes, two of them one character
    click(IDC_GENERATE_BUTTON);
    expectOnlyBox("出生日期为8位", "错误！", nullptr, false);
    setText(IDC_BIRTH_DATE_FIELD, "198701中");  // 8 GBK bytes, not all digits
    click(IDC_GENERATE_BUTTON);
    expectOnlyBox("出生日期不正确", "错误", dialog, false);
}

#ifdef _WIN32

// What the program's rule makes of a text typed as UTF-16: the bytes that
// WideCharToMultiByte gives for code page 936 without best-fit look-alikes,
// where a character GBK lacks becomes the default character '?'.
std::string asTheProgramReadsIt(const wchar_t* typed) {
    char bytes[256];
    const int length = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, typed, -1, bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<size_t>(length > 0 ? length - 1 : 0));
}

// The template's texts are UTF-16 and reach the controls unconverted.
TEST_F(TextBoundary, TemplateTextsArriveWhole) {
    wchar_t caption[64] = L"";
    GetWindowTextW(dialog, caption, 64);
    EXPECT_EQ(utf8FromWide(caption), "身份证号码校验生成器v1.0");
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t wide[64] = L"";
        GetWindowTextW(child, wide, 64);
        texts.push_back(utf8FromWide(wide));
    }
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "校验");
    EXPECT_EQ(texts[2], "输入身份证号");
    EXPECT_EQ(texts[3], "身份证详情");
}

TEST_F(TextBoundary, RunsInTheCodePageItWasAskedFor) {
    const char* locale = std::getenv("WINE_LOCALE");
    const std::string asked = locale != nullptr ? locale : "zh_CN.UTF-8";
    EXPECT_EQ(GetACP(), asked.rfind("zh_CN", 0) == 0 ? 936u : 1252u) << asked;
}

TEST_F(TextBoundary, CharactersOutsideTheCodePageCountAsTheDefaultCharacter) {
    EXPECT_EQ(asTheProgramReadsIt(L"\u0E01"), "?");                 // Thai
    EXPECT_EQ(asTheProgramReadsIt(L"\u00B2"), "?");                 // superscript two, no look-alike digit
    EXPECT_EQ(asTheProgramReadsIt(L"\u4E2D"), "\xD6\xD0");           // 中 in GBK

    struct Typed {
        const wchar_t* number;
        const wchar_t* birthDate;
    };
    const Typed cases[] = {
        {L"11010519491231002\u0E01", L"1987\u0E01102"},        // one '?' each: 18 and 8 bytes
        {L"1101051949123100\U0001F600", L"1987010\U0001F600"},  // an emoji, a surrogate pair
        {L"11010519491231002\u00B2", L"1987010\u00B2"},
    };
    pickText(IDC_PROVINCE_LIST, "河北省");
    pickText(IDC_CITY_LIST, "石家庄市");
    pickText(IDC_COUNTY_LIST, "长安区");
    for (const Typed& typed : cases) {
        SetDlgItemTextW(dialog, IDC_NUMBER_FIELD, typed.number);
        const std::string number = asTheProgramReadsIt(typed.number);
        click(IDC_VERIFY_BUTTON);
        if (number.size() == 18)
            expectOnlyBox("身份证未通过校验", "校验结果", nullptr, false);
        else
            expectOnlyBox("您输入的身份证号为" + std::to_string(number.size()) + "位，正确的应为18位", "提示",
                          nullptr, true);

        SetDlgItemTextW(dialog, IDC_BIRTH_DATE_FIELD, typed.birthDate);
        const std::string date = asTheProgramReadsIt(typed.birthDate);
        click(IDC_GENERATE_BUTTON);
        if (date.size() == 8)
            expectOnlyBox("出生日期不正确", "错误", dialog, false);
        else
            expectOnlyBox("出生日期为8位", "错误！", nullptr, false);
    }
}

// Longer than anything a user can type or paste (32,767 characters): only a
// program can set such a text. It is read safely and its length still shows.
TEST_F(TextBoundary, TextsLongerThanAnEditControlTakesAreMeasuredWhole) {
    const std::wstring digits(33000, L'7');
    SetDlgItemTextW(dialog, IDC_NUMBER_FIELD, digits.c_str());
    click(IDC_VERIFY_BUTTON);
    expectOnlyBox("您输入的身份证号为33000位，正确的应为18位", "提示", nullptr, true);
}

// Double-byte Windows documents that an ANSI length query to a Unicode
// control may answer up to twice the true length; Wine answers exactly. The
// fields and lists here are subclassed with an ANSI procedure that doubles
// every such answer, so code that trusted them would fail as it does on a
// Chinese Windows. The procedure is ANSI, so texts pass through the process
// code page: the test is only meaningful (and only run) in code page 936.
WNDPROC originalProcedures[64];
int originalIds[64];
int subclassed = 0;

LRESULT CALLBACK doubleAnsiLengths(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = nullptr;
    for (int i = 0; i < subclassed; ++i)
        if (originalIds[i] == GetDlgCtrlID(window)) original = originalProcedures[i];
    const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
    const bool lengthQuery = message == WM_GETTEXTLENGTH || message == CB_GETLBTEXTLEN || message == LB_GETTEXTLEN;
    return lengthQuery && result > 0 ? 2 * result : result;
}

class DoubledAnsiLengths : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (GetACP() != 936) GTEST_SKIP() << "double-byte lengths arise only in a double-byte code page";
        subclassed = 0;
        for (int id : {IDC_NUMBER_FIELD, IDC_BIRTH_DATE_FIELD, IDC_CITY_LIST, IDC_COUNTY_LIST, IDC_DISTRICT_LIST}) {
            HWND control = GetDlgItem(dialog, id);
            originalIds[subclassed] = id;
            originalProcedures[subclassed++] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(doubleAnsiLengths)));
        }
    }
};

TEST_F(DoubledAnsiLengths, TheSubclassOverstatesAnsiLengths) {
    setText(IDC_BIRTH_DATE_FIELD, "19870102");
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(dialog, IDC_BIRTH_DATE_FIELD)), 16);
}

TEST_F(DoubledAnsiLengths, VerifyGenerateAndThePickersBehaveAsBefore) {
    setText(IDC_NUMBER_FIELD, "11010519491231002X");
    click(IDC_VERIFY_BUTTON);
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_PROVINCE_FIELD), "北京市");
    EXPECT_EQ(text(IDC_CITY_FIELD), "朝阳区");
    EXPECT_EQ(text(IDC_YEAR_FIELD), "1949");

    setText(IDC_NUMBER_FIELD, "11010519491231002");
    click(IDC_VERIFY_BUTTON);
    expectOnlyBox("您输入的身份证号为17位，正确的应为18位", "提示", nullptr, true);

    pickText(IDC_PROVINCE_LIST, "山西省");
    pickText(IDC_CITY_LIST, "阳泉市");
    notify(IDC_COUNTY_LIST, CBN_SETFOCUS);  // the county list fills at its own report
    EXPECT_EQ(items(IDC_COUNTY_LIST), (std::vector<std::string>{"城区", "矿区", "郊区", "平定县", "盂县"}));
    pickText(IDC_COUNTY_LIST, "城区");
    setText(IDC_BIRTH_DATE_FIELD, "19870102");
    click(IDC_GENERATE_BUTTON);
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_RESULT_FIELD).substr(0, 14), "14030219870102");

    click(IDC_MUNICIPALITY_MODE);
    pickText(IDC_MUNICIPALITY_LIST, "天津");
    pickText(IDC_DISTRICT_LIST, "蓟　县");
    click(IDC_GENERATE_BUTTON);
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_RESULT_FIELD).substr(0, 14), "12022519870102");
}

#endif

}  // namespace
