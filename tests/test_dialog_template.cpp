// The main dialog's resources: dialog template 101 as stored (exact styles),
// menu 104, the icon group and the manifest; the dialog as the window system
// builds it; and the real modal loop. Needs the real window system (Wine).
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"
#include "tests/dialog_harness.h"

namespace {

// --- What the resources must hold ---------------------------------------------

// Control classes as the template stores them (atoms of the predefined classes).
constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kComboBox = 0x0085;

const char* className(WORD atom) {
    return atom == kButton ? "Button" : atom == kEdit ? "Edit" : atom == kStatic ? "Static" : "ComboBox";
}

constexpr DWORD kDialogStyle = 0x80CB00C4;
static_assert(kDialogStyle == (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                               DS_MODALFRAME | DS_SETFONT | DS_3DLOOK),
              "the dialog's style is exactly these bits");
constexpr DWORD kDialogExStyle = WS_EX_CLIENTEDGE;

// Style groups shared by several controls.
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kHeading = SS_CENTER | WS_GROUP;
constexpr DWORD kReadOnlyField = ES_LEFT | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP;
constexpr DWORD kRegionList = CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP;

const std::string regionBanner = std::string(31, '*') + "请选择省或直辖市" + std::string(23, '*');
const std::string generateRule = [] {  // 36 em dashes U+2014, GBK A1 AA each
    std::string rule;
    for (int i = 0; i < 36; ++i) rule += "—";
    return rule;
}();

struct ExpectedControl {
    int id;
    WORD atom;
    DWORD style;    // besides WS_CHILD | WS_VISIBLE, which every control has
    DWORD exStyle;
    short x, y, cx, cy;  // dialog units
    const char* text;
};

// One row per control, in template order, which is also the tab order.
const ExpectedControl expectedControls[] = {
    {IDC_VERIFY_BUTTON, kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 200, 15, 31, 14, "校验"},
    {IDC_NUMBER_FIELD, kEdit, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 91, 14, 99, 16, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 15, 14, 63, 16, "输入身份证号"},
    {IDC_STATIC, kButton, BS_GROUPBOX, 0, 7, 34, 293, 44, "身份证详情"},
    {IDC_STATIC, kStatic, kHeading, 0, 7, 45, 137, 13, "区域"},
    {IDC_STATIC, kStatic, kHeading, 0, 164, 45, 81, 13, "出生日期"},
    {IDC_STATIC, kStatic, kHeading, 0, 260, 45, 36, 13, "性别"},
    {IDC_PROVINCE_FIELD, kEdit, kReadOnlyField, 0, 7, 62, 37, 13, ""},
    {IDC_CITY_FIELD, kEdit, kReadOnlyField, WS_EX_TRANSPARENT, 45, 62, 53, 13, ""},
    {IDC_COUNTY_FIELD, kEdit, kReadOnlyField, WS_EX_TRANSPARENT, 98, 62, 54, 13, ""},
    {IDC_YEAR_FIELD, kEdit, kReadOnlyField, 0, 163, 62, 24, 13, ""},
    {IDC_MONTH_FIELD, kEdit, kReadOnlyField, 0, 197, 62, 18, 13, ""},
    {IDC_DAY_FIELD, kEdit, kReadOnlyField, 0, 225, 62, 18, 13, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 188, 64, 8, 9, "年"},
    {IDC_STATIC, kStatic, kLabel, 0, 215, 64, 8, 12, "月"},
    {IDC_STATIC, kStatic, kLabel, 0, 245, 63, 10, 11, "日"},
    {IDC_SEX_FIELD, kEdit, kReadOnlyField, 0, 264, 62, 28, 13, ""},
    {IDC_STATIC, kButton, BS_GROUPBOX | BS_CENTER, WS_EX_TRANSPARENT, 7, 79, 293, 100, "随机生成身份证"},
    {IDC_STATIC, kStatic, kLabel, 0, 201, 90, 50, 12, "性别(可不选)"},
    {IDC_SEX_LIST, kComboBox, CBS_DROPDOWNLIST | CBS_SORT | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 0,
     259, 90, 32, 36, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 12, 92, 41, 12, "出生年月日"},
    {IDC_BIRTH_DATE_FIELD, kEdit, ES_LEFT | ES_AUTOHSCROLL | ES_NUMBER | WS_BORDER | WS_TABSTOP, 0, 64, 91, 54, 12,
     ""},
    {IDC_STATIC, kStatic, kLabel | SS_NOPREFIX | SS_NOTIFY, 0, 126, 89, 61, 18, "*请按年月日输入    如19870102"},
    {IDC_STATIC, kStatic, kLabel, 0, 28, 125, 31, 12, "直辖市"},
    {IDC_MUNICIPALITY_LIST, kComboBox, kRegionList, 0, 81, 123, 59, 56, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 172, 125, 43, 11, "区（县）"},
    {IDC_DISTRICT_LIST, kComboBox, kRegionList, 0, 219, 124, 75, 12, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 29, 142, 8, 11, "省"},
    {IDC_PROVINCE_LIST, kComboBox, kRegionList, 0, 40, 141, 73, 12, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 115, 142, 8, 11, "市"},
    {IDC_CITY_LIST, kComboBox, kRegionList, 0, 127, 141, 75, 12, ""},
    {IDC_STATIC, kStatic, kLabel, 0, 205, 141, 8, 11, "县"},
    {IDC_COUNTY_LIST, kComboBox, kRegionList, 0, 215, 140, 85, 12, ""},
    {IDC_GENERATE_BUTTON, kButton, BS_PUSHBUTTON | WS_TABSTOP, 0, 34, 164, 49, 13, "生成"},
    {IDC_RESULT_FIELD, kEdit, kReadOnlyField, 0, 97, 164, 124, 14, ""},
    {IDC_MUNICIPALITY_MODE, kButton, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 14, 124, 8, 8, "Radio1"},
    {IDC_PROVINCE_MODE, kButton, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 14, 142, 8, 8, "Radio1"},
    {IDC_STATIC, kStatic, kLabel, 0, 154, 41, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 154, 49, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 154, 57, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 154, 65, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 253, 43, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 253, 51, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 253, 59, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 253, 67, 8, 8, "|"},
    {IDC_STATIC, kStatic, kLabel, 0, 12, 108, 281, 11, regionBanner.c_str()},
    {IDC_STATIC, kStatic, kLabel, 0, 7, 154, 293, 8, generateRule.c_str()},
};
constexpr int kControlCount = 47;
static_assert(sizeof expectedControls / sizeof expectedControls[0] == kControlCount, "one row per control");

// The menu bar, one line per item indented by depth (see describeMenu).
const std::vector<std::string> expectedMenu = {
    "popup 帮助(&h)",
    "  40001 ",
    "  popup 内容帮助",
    "    40003 区位码来源",
    "    40004 出生日期的处理",
    "    40005 直辖市及普通省划分开",
    "    40009 X大小写",
    "  separator",
    "  popup 关于",
    "    40008 生成身份证号码是否有效",
    "    40010 能否验证15位身份证",
    "  popup 软件相关",
    "    40012 用途",
    "    40013 作者",
    "    40014 联系",
    "  separator",
    "  40015 v1.0版",
};

// --- Reading the resources as stored ----------------------------------------

// The text in UTF-8, when every character of it has a GBK form too, as the
// dialog's texts always had.
std::string asText(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lossy);
    return lossy ? "(not representable in GBK)" : utf8FromWide(text.data(), length);
}

struct Resource {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

Resource findResource(LPCSTR type, int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

// Sequential reader of a resource in memory (little-endian, as on Windows).
class Reader {
public:
    explicit Reader(const BYTE* start) : start_(start), at_(start) {}
    template <typename T = WORD>
    T read() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    DWORD dword() { return read<DWORD>(); }
    short coordinate() { return read<short>(); }
    BYTE byte() { return read<BYTE>(); }
    std::string string() {  // UTF-16 up to its terminator, as UTF-8 (asText)
        std::wstring text;
        for (WORD c = read(); c != 0; c = read()) text += static_cast<wchar_t>(c);
        return asText(text);
    }
    void alignToDword() { at_ += (4 - static_cast<size_t>(at_ - start_) % 4) % 4; }
    size_t offset() const { return static_cast<size_t>(at_ - start_); }

private:
    const BYTE* start_;
    const BYTE* at_;
};

// --- The resources as stored --------------------------------------------------

TEST(DialogTemplate, HoldsExactlyTheHeaderAndEachControlsStylePlaceIdClassAndText) {
    const Resource resource = findResource(RT_DIALOG, IDD_MAIN_DIALOG);
    ASSERT_NE(resource.data, nullptr);
    Reader in(resource.data);
    EXPECT_EQ(in.read(), 1);  // the extended form
    EXPECT_EQ(in.read(), 0xFFFF);
    EXPECT_EQ(in.dword(), 0u);  // help context
    EXPECT_EQ(in.dword(), kDialogExStyle);
    EXPECT_EQ(in.dword(), kDialogStyle);
    EXPECT_EQ(in.read(), kControlCount);
    for (int position : {0, 0, 303, 192}) EXPECT_EQ(in.coordinate(), position);
    EXPECT_EQ(in.read(), 0xFFFF);  // the menu by ordinal
    EXPECT_EQ(in.read(), IDR_MAIN_MENU);
    EXPECT_EQ(in.read(), 0) << "the standard dialog class";
    const std::string caption = in.string();
    ASSERT_GT(caption.size(), 4u) << "a title, then the version";
    EXPECT_EQ(caption.substr(caption.size() - 4), "v1.0");
    EXPECT_EQ(in.read(), 12);  // points
    EXPECT_EQ(in.read(), 0);   // weight
    EXPECT_EQ(in.byte(), 0);   // not italic
    EXPECT_EQ(in.byte(), DEFAULT_CHARSET);
    EXPECT_EQ(in.string(), "宋体");

    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        in.alignToDword();
        EXPECT_EQ(in.dword(), 0u);  // help context
        EXPECT_EQ(in.dword(), want.exStyle);
        EXPECT_EQ(in.dword(), WS_CHILD | WS_VISIBLE | want.style);
        for (short position : {want.x, want.y, want.cx, want.cy}) EXPECT_EQ(in.coordinate(), position);
        EXPECT_EQ(in.dword(), static_cast<DWORD>(want.id));
        EXPECT_EQ(in.read(), 0xFFFF);  // the class by its atom
        EXPECT_EQ(in.read(), want.atom);
        EXPECT_EQ(in.string(), want.text);
        EXPECT_EQ(in.read(), 0) << "no creation data";
    }
    EXPECT_LE(in.offset(), static_cast<size_t>(resource.size));
}

BOOL CALLBACK collectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

TEST(ProgramResources, AreAllInChinesePrc) {
    for (const auto& [type, id] : {std::pair<LPCSTR, int>{RT_DIALOG, IDD_MAIN_DIALOG}, {RT_MENU, IDR_MAIN_MENU},
                                   {RT_GROUP_ICON, IDI_APP_ICON}, {RT_MANIFEST, 1}}) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(GetModuleHandleA(nullptr), type, MAKEINTRESOURCEA(id), collectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{2052}) << "type " << reinterpret_cast<UINT_PTR>(type) << " ID " << id;
    }
}

TEST(ProgramResources, IconGroupHoldsSevenBitmapsWithMasks) {
    const struct {
        int size, bits;
    } expected[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}, {32, 24}, {48, 24}, {48, 32}};
    const Resource group = findResource(RT_GROUP_ICON, IDI_APP_ICON);
    ASSERT_NE(group.data, nullptr);
    Reader in(group.data);
    EXPECT_EQ(in.read(), 0);
    EXPECT_EQ(in.read(), 1);  // icons, not cursors
    ASSERT_EQ(in.read(), 7);
    std::vector<Resource> images;
    for (const auto& want : expected) {
        SCOPED_TRACE("image " + std::to_string(images.size() + 1));
        EXPECT_EQ(in.byte(), want.size);
        EXPECT_EQ(in.byte(), want.size);
        in.read();  // colour count, reserved
        EXPECT_EQ(in.read(), 1);  // planes
        EXPECT_EQ(in.read(), want.bits);
        const DWORD bytes = in.dword();
        const Resource image = findResource(RT_ICON, in.read());
        ASSERT_NE(image.data, nullptr);
        EXPECT_EQ(image.size, bytes);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data, sizeof header);
        EXPECT_EQ(header.biWidth, want.size);
        EXPECT_EQ(header.biHeight, 2 * want.size) << "colour bitmap and mask";
        EXPECT_EQ(header.biBitCount, want.bits);
        const DWORD stride = static_cast<DWORD>((want.size * want.bits + 31) / 32 * 4);
        const DWORD maskStride = static_cast<DWORD>((want.size + 31) / 32 * 4);
        const DWORD palette = want.bits == 8 ? 256 * 4 : 0;
        EXPECT_EQ(image.size, header.biSize + palette + (stride + maskStride) * static_cast<DWORD>(want.size));
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE, 0x00030000, want.size,
                                              want.size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << "the system accepts the image";
        if (icon != nullptr) DestroyIcon(icon);
        images.push_back(image);
    }
    // The two 32 x 32 true-colour images are different pictures.
    EXPECT_NE(std::memcmp(images[3].data, images[4].data, images[3].size), 0);
}

TEST(ProgramResources, ManifestAsksForCommonControlsSixForThisArchitecture) {
    const Resource resource = findResource(RT_MANIFEST, 1);
    ASSERT_NE(resource.data, nullptr);
    const std::string manifest(reinterpret_cast<const char*>(resource.data), resource.size);
    const std::string architecture =
        sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    ASSERT_NE(manifest.find("<dependency"), std::string::npos);
    const std::string own = manifest.substr(0, manifest.find("<dependency"));
    const std::string theirs = manifest.substr(manifest.find("<dependency"));
    for (const std::string& wanted : {std::string("type=\"win32\""), std::string("version=\"5.1.0.0\""), architecture})
        EXPECT_NE(own.find(wanted), std::string::npos) << wanted;
    for (const std::string& wanted :
         {std::string("name=\"Microsoft.Windows.Common-Controls\""), std::string("version=\"6.0.0.0\""), architecture,
          std::string("publicKeyToken=\"6595b64144ccf1df\""), std::string("language=\"*\"")})
        EXPECT_NE(theirs.find(wanted), std::string::npos) << wanted;
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_EQ(manifest.find('@'), std::string::npos) << "every placeholder filled in";
}

// --- The dialog as the window system built it ---------------------------------

// The main dialog created from its template with the program's procedure, as
// the entry creates it but modeless (the shared fixture), to be looked at.
using LiveDialog = DialogTest;

TEST_F(LiveDialog, ControlsComeInTemplateOrderWithTheirIdsClassesAndPlaces) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), static_cast<size_t>(kControlCount));
    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        const int id = GetDlgCtrlID(children[i]);
        // The statics' -1 may come back whole or as its low word.
        EXPECT_TRUE(id == want.id || (want.id == IDC_STATIC && id == 0xFFFF)) << "ID " << id;
        char name[32] = "";
        GetClassNameA(children[i], name, sizeof name);
        EXPECT_STREQ(name, className(want.atom));
        // MapDialogRect converts each field alone: here x, y, width, height.
        RECT expected = {want.x, want.y, want.cx, want.cy};
        MapDialogRect(dialog, &expected);
        RECT actual;
        GetWindowRect(children[i], &actual);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        // A combo box's height is its closed height, set at run time; the
        // template's height is that of the open list.
        const LONG height = actual.bottom - actual.top;
        EXPECT_TRUE(want.atom == kComboBox || height == expected.bottom) << height;
    }
}

// "popup TEXT", "separator" or "ID TEXT", followed by " (state N)" when a flag
// is set besides those the system itself sets on an item without text (which
// it draws as an inert separator line, as it does item 40001): nothing is
// checked, greyed, disabled, broken or owner-drawn.
void describeMenu(HMENU menu, const std::string& indent, std::vector<std::string>& lines) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        wchar_t wide[128] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), wide, 128, MF_BYPOSITION);
        const std::string text = utf8FromWide(wide);
        HMENU popup = GetSubMenu(menu, i);
        std::string line = indent;
        if (popup != nullptr) {
            line += "popup " + text;
            state &= ~(0xFF00u | MF_POPUP);  // the high byte counts the popup's items
        } else {
            const UINT id = GetMenuItemID(menu, i);
            line += id == 0 && text.empty() ? std::string("separator") : std::to_string(id) + " " + text;
            if (text.empty()) state &= ~(MF_SEPARATOR | MF_GRAYED | MF_DISABLED);
        }
        lines.push_back(state == 0 ? line : line + " (state " + std::to_string(state) + ")");
        if (popup != nullptr) describeMenu(popup, indent + "  ", lines);
    }
}

TEST_F(LiveDialog, MenuBarHasTheHelpPopup) {
    std::vector<std::string> lines;
    describeMenu(GetMenu(dialog), "", lines);
    EXPECT_EQ(lines, expectedMenu);
}

// --- The real modal loop ------------------------------------------------------

bool shownWithFocusOnVerify = false;
bool escapeKeptItOpen = false;
std::string yearAfterEnter;

// Looks at the dialog once the loop has shown it and gone idle, types Escape
// and Enter into the number field, looks again and closes it; a watchdog ends
// a dialog that would otherwise never end, with a result no path gives.
INT_PTR CALLBACK lookThenClose(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    constexpr UINT_PTR lookTimer = 1, watchdogTimer = 2, afterKeysTimer = 3;
    if (message == WM_INITDIALOG) {
        SetTimer(dialog, lookTimer, 100, nullptr);
        SetTimer(dialog, watchdogTimer, 10000, nullptr);
    } else if (message == WM_TIMER && wParam == watchdogTimer) {
        EndDialog(dialog, 0x5EED);
        return TRUE;
    } else if (message == WM_TIMER && wParam == lookTimer) {
        // On a loaded machine the loop may not have shown the dialog yet:
        // look again at the next tick.
        if (!IsWindowVisible(dialog)) return TRUE;
        KillTimer(dialog, lookTimer);
        HWND verifyButton = GetDlgItem(dialog, IDC_VERIFY_BUTTON);
        shownWithFocusOnVerify = IsWindowVisible(dialog) && verifyButton != nullptr && GetFocus() == verifyButton;
        // The keys go through the loop's dialog-key handling, as typed ones do.
        HWND numberField = GetDlgItem(dialog, IDC_NUMBER_FIELD);
        SetFocus(numberField);
        SetWindowTextA(numberField, "11010519491231002X");
        PostMessageA(numberField, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(numberField, WM_KEYDOWN, VK_RETURN, 0);
        SetTimer(dialog, afterKeysTimer, 200, nullptr);
        return TRUE;
    } else if (message == WM_TIMER && wParam == afterKeysTimer) {
        KillTimer(dialog, afterKeysTimer);
        escapeKeptItOpen = IsWindowVisible(dialog) != FALSE;
        char year[8] = "";
        GetDlgItemTextA(dialog, IDC_YEAR_FIELD, year, sizeof year);
        yearAfterEnter = year;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    }
    return dialogProc(dialog, message, wParam, lParam);
}

TEST(ModalDialog, EscapeKeepsItOpenEnterVerifiesAndCloseEndsItWithZero) {
    shownWithFocusOnVerify = escapeKeptItOpen = false;
    yearAfterEnter.clear();
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr, lookThenClose,
                              0),
              0);
    EXPECT_TRUE(shownWithFocusOnVerify);
    EXPECT_TRUE(escapeKeptItOpen);
    EXPECT_EQ(yearAfterEnter, "1949");  // Enter in the number field pressed the verify button
}

}  // namespace

#endif  // _WIN32
