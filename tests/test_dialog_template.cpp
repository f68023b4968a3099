// The main dialog's resources: dialog template 101, menu 104, the icon group
// and the manifest, checked both as stored in the program file and as the
// window system builds them, and the real modal loop. Needs the real window
// system (runs under Wine).
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/resource_ids.h"

namespace {

// --- What the template must hold --------------------------------------------

// Control classes as the template stores them (atoms of the predefined classes).
constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;
constexpr WORD kComboBox = 0x0085;

const char* className(WORD atom) {
    switch (atom) {
    case kButton: return "Button";
    case kEdit: return "Edit";
    case kStatic: return "Static";
    case kComboBox: return "ComboBox";
    default: return "?";
    }
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

std::string repeated(const char* piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

const std::string regionBanner = std::string(31, '*') + "请选择省或直辖市" + std::string(23, '*');
const std::string generateRule = repeated("—", 36);  // U+2014, GBK A1 AA

struct ExpectedControl {
    int id;
    WORD atom;
    DWORD style;    // besides WS_CHILD | WS_VISIBLE, which every control has
    DWORD exStyle;
    short x, y, cx, cy;  // dialog units
    const char* text;    // GBK
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

// The menu bar as a tree: a command (id, text), a separator, or a popup.
struct ExpectedItem {
    enum Kind { Command, Separator, Popup } kind;
    UINT id;
    std::string text;  // GBK
    std::vector<ExpectedItem> items;  // of a popup
};

ExpectedItem command(UINT id, const char* text) { return {ExpectedItem::Command, id, text, {}}; }
ExpectedItem separator() { return {ExpectedItem::Separator, 0, "", {}}; }
ExpectedItem popup(const char* text, std::vector<ExpectedItem> items) {
    return {ExpectedItem::Popup, 0, text, std::move(items)};
}

const std::vector<ExpectedItem>& expectedMenuBar() {
    static const std::vector<ExpectedItem> bar = {
        popup("帮助(&h)",
              {command(IDM_EMPTY_ITEM, ""),
               popup("内容帮助", {command(IDM_HELP_CODE_SOURCE, "区位码来源"),
                                  command(IDM_HELP_BIRTH_DATE, "出生日期的处理"),
                                  command(IDM_HELP_SEPARATE_LISTS, "直辖市及普通省划分开"),
                                  command(IDM_HELP_LETTER_CASE, "X大小写")}),
               separator(),
               popup("关于", {command(IDM_HELP_VALIDITY, "生成身份证号码是否有效"),
                              command(IDM_HELP_FIFTEEN_DIGITS, "能否验证15位身份证")}),
               popup("软件相关", {command(IDM_HELP_PURPOSE, "用途"), command(IDM_HELP_AUTHOR, "作者"),
                                  command(IDM_HELP_CONTACT, "联系")}),
               separator(),
               command(IDM_HELP_VERSION, "v1.0版")}),
    };
    return bar;
}

// --- Reading the resources as stored ----------------------------------------

std::string toGbk(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lossy);
    std::string gbk(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, text.data(), length, &gbk[0], size, nullptr, &lossy);
    return lossy ? "(not representable in GBK)" : gbk;
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

// A name-or-ordinal field of a template: absent, an ordinal, or a UTF-16 name.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring name;
};

// Sequential reader of a template in memory (little-endian, as on Windows).
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* start) : start_(start), at_(start) {}
    WORD word() { return read<WORD>(); }
    DWORD dword() { return read<DWORD>(); }
    short coordinate() { return read<short>(); }
    BYTE byte() { return read<BYTE>(); }
    std::wstring string() {
        std::wstring text;
        for (WORD c = word(); c != 0; c = word()) text += static_cast<wchar_t>(c);
        return text;
    }
    NameOrOrdinal nameOrOrdinal() {
        NameOrOrdinal field;
        const WORD first = word();
        if (first == 0xFFFF) {
            field.isOrdinal = true;
            field.ordinal = word();
        } else if (first != 0) {
            field.name = static_cast<wchar_t>(first) + string();
        }
        return field;
    }
    void alignToDword() { at_ += (4 - static_cast<size_t>(at_ - start_) % 4) % 4; }
    size_t offset() const { return static_cast<size_t>(at_ - start_); }

private:
    template <typename T>
    T read() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    const BYTE* start_;
    const BYTE* at_;
};

// The fixed part of an extended dialog template, before its controls.
struct DialogHeader {
    WORD version, signature;
    DWORD helpId, exStyle, style;
    WORD controlCount;
    short x, y, cx, cy;
    NameOrOrdinal menu, windowClass;
    std::string caption;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::string typeface;
};

DialogHeader readDialogHeader(TemplateReader& in) {
    DialogHeader h;
    h.version = in.word();
    h.signature = in.word();
    h.helpId = in.dword();
    h.exStyle = in.dword();
    h.style = in.dword();
    h.controlCount = in.word();
    h.x = in.coordinate();
    h.y = in.coordinate();
    h.cx = in.coordinate();
    h.cy = in.coordinate();
    h.menu = in.nameOrOrdinal();
    h.windowClass = in.nameOrOrdinal();
    h.caption = toGbk(in.string());
    // The font fields are there because the style has DS_SETFONT.
    h.pointSize = in.word();
    h.weight = in.word();
    h.italic = in.byte();
    h.charset = in.byte();
    h.typeface = toGbk(in.string());
    return h;
}

BOOL CALLBACK collectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

// --- The live dialog ----------------------------------------------------------

// The main dialog created from its template with the program's procedure, as
// the entry creates it but modeless, so that the test can look at it.
class CreatedDialog {
public:
    CreatedDialog() {
        InitCommonControls();
        handle = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                    dialogProc, 0);
    }
    ~CreatedDialog() {
        if (handle != nullptr) DestroyWindow(handle);
    }
    CreatedDialog(const CreatedDialog&) = delete;
    CreatedDialog& operator=(const CreatedDialog&) = delete;

    std::vector<HWND> children() const {
        std::vector<HWND> found;
        for (HWND child = GetWindow(handle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            found.push_back(child);
        }
        return found;
    }

    HWND handle = nullptr;
};

std::string windowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string where(int index) { return "control #" + std::to_string(index + 1); }

// --- The template as stored ---------------------------------------------------

TEST(DialogTemplate, HeaderHasTheStyleSizeMenuFontAndCaption) {
    const Resource resource = findResource(RT_DIALOG, IDD_MAIN_DIALOG);
    ASSERT_NE(resource.data, nullptr);
    TemplateReader in(resource.data);
    const DialogHeader header = readDialogHeader(in);
    EXPECT_EQ(header.version, 1);  // the extended form
    EXPECT_EQ(header.signature, 0xFFFF);
    EXPECT_EQ(header.helpId, 0u);
    EXPECT_EQ(header.exStyle, kDialogExStyle);
    EXPECT_EQ(header.style, kDialogStyle);
    EXPECT_EQ(header.controlCount, kControlCount);
    EXPECT_EQ(header.x, 0);
    EXPECT_EQ(header.y, 0);
    EXPECT_EQ(header.cx, 303);
    EXPECT_EQ(header.cy, 192);
    EXPECT_TRUE(header.menu.isOrdinal);
    EXPECT_EQ(header.menu.ordinal, IDR_MAIN_MENU);
    EXPECT_TRUE(!header.windowClass.isOrdinal && header.windowClass.name.empty()) << "the standard dialog class";
    ASSERT_GT(header.caption.size(), 4u) << "a title, then the version";
    EXPECT_EQ(header.caption.substr(header.caption.size() - 4), "v1.0");
    EXPECT_EQ(header.pointSize, 12);
    EXPECT_EQ(header.weight, 0);
    EXPECT_EQ(header.italic, 0);
    EXPECT_EQ(header.charset, DEFAULT_CHARSET);
    EXPECT_EQ(header.typeface, "宋体");
}

TEST(DialogTemplate, ControlsHaveExactlyTheirStylesPlacesAndTexts) {
    const Resource resource = findResource(RT_DIALOG, IDD_MAIN_DIALOG);
    ASSERT_NE(resource.data, nullptr);
    TemplateReader in(resource.data);
    readDialogHeader(in);  // checked above

    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(where(i));
        in.alignToDword();
        EXPECT_EQ(in.dword(), 0u);  // help context
        EXPECT_EQ(in.dword(), want.exStyle);
        EXPECT_EQ(in.dword(), WS_CHILD | WS_VISIBLE | want.style);
        EXPECT_EQ(in.coordinate(), want.x);
        EXPECT_EQ(in.coordinate(), want.y);
        EXPECT_EQ(in.coordinate(), want.cx);
        EXPECT_EQ(in.coordinate(), want.cy);
        EXPECT_EQ(in.dword(), static_cast<DWORD>(want.id));
        const NameOrOrdinal controlClass = in.nameOrOrdinal();
        EXPECT_TRUE(controlClass.isOrdinal);
        EXPECT_EQ(controlClass.ordinal, want.atom);
        const NameOrOrdinal text = in.nameOrOrdinal();
        EXPECT_FALSE(text.isOrdinal);
        EXPECT_EQ(toGbk(text.name), want.text);
        EXPECT_EQ(in.word(), 0) << "no creation data";
    }
    EXPECT_LE(in.offset(), static_cast<size_t>(resource.size));
}

// Reads a menu template's items up to and including the one with MF_END.
std::vector<ExpectedItem> readMenuItems(TemplateReader& in, std::vector<WORD>& flagsSeen) {
    std::vector<ExpectedItem> items;
    for (;;) {
        const WORD flags = in.word();
        flagsSeen.push_back(flags);
        ExpectedItem item{};
        if (flags & MF_POPUP) {
            item.kind = ExpectedItem::Popup;
        } else {
            item.id = in.word();
        }
        item.text = toGbk(in.string());
        if (item.kind == ExpectedItem::Popup) {
            item.items = readMenuItems(in, flagsSeen);
        } else if (item.id == 0 && item.text.empty()) {
            item.kind = ExpectedItem::Separator;
        }
        items.push_back(std::move(item));
        if (flags & MF_END) return items;
    }
}

void expectSameItems(const std::vector<ExpectedItem>& got, const std::vector<ExpectedItem>& want,
                     const std::string& path) {
    ASSERT_EQ(got.size(), want.size()) << path;
    for (size_t i = 0; i < want.size(); ++i) {
        const std::string at = path + "/" + std::to_string(i);
        EXPECT_EQ(got[i].kind, want[i].kind) << at;
        EXPECT_EQ(got[i].id, want[i].id) << at;
        EXPECT_EQ(got[i].text, want[i].text) << at;
        expectSameItems(got[i].items, want[i].items, at);
    }
}

TEST(MenuTemplate, HoldsTheHelpPopupWithOnlyPopupAndEndFlags) {
    const Resource resource = findResource(RT_MENU, IDR_MAIN_MENU);
    ASSERT_NE(resource.data, nullptr);
    TemplateReader in(resource.data);
    EXPECT_EQ(in.word(), 0);  // standard menu template, version 0
    EXPECT_EQ(in.word(), 0);
    std::vector<WORD> flags;
    expectSameItems(readMenuItems(in, flags), expectedMenuBar(), "menu");
    for (WORD f : flags) EXPECT_EQ(f & ~(MF_POPUP | MF_END), 0) << "no checked, greyed or disabled item";
}

TEST(ProgramResources, AreAllInChinesePrc) {
    const struct {
        LPCSTR type;
        int id;
    } resources[] = {{RT_DIALOG, IDD_MAIN_DIALOG}, {RT_MENU, IDR_MAIN_MENU}, {RT_GROUP_ICON, IDI_APP_ICON},
                     {RT_MANIFEST, 1}};
    for (const auto& resource : resources) {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(GetModuleHandleA(nullptr), resource.type, MAKEINTRESOURCEA(resource.id),
                               collectLanguage, reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{2052}) << "resource type " << reinterpret_cast<UINT_PTR>(resource.type)
                                                      << " ID " << resource.id;
    }
}

TEST(ProgramResources, IconGroupHoldsSevenBitmapsWithMasks) {
    const struct {
        int size, bits;
    } expected[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}, {32, 24}, {48, 24}, {48, 32}};
    const Resource group = findResource(RT_GROUP_ICON, IDI_APP_ICON);
    ASSERT_NE(group.data, nullptr);
    TemplateReader in(group.data);
    EXPECT_EQ(in.word(), 0);
    EXPECT_EQ(in.word(), 1);  // icons, not cursors
    ASSERT_EQ(in.word(), 7);
    std::vector<Resource> images;
    for (const auto& want : expected) {
        SCOPED_TRACE("image " + std::to_string(images.size() + 1));
        EXPECT_EQ(in.byte(), want.size);
        EXPECT_EQ(in.byte(), want.size);
        in.byte(), in.byte();  // colour count, reserved
        EXPECT_EQ(in.word(), 1);  // planes
        EXPECT_EQ(in.word(), want.bits);
        const DWORD bytes = in.dword();
        const Resource image = findResource(RT_ICON, in.word());
        ASSERT_NE(image.data, nullptr);
        EXPECT_EQ(image.size, bytes);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data, sizeof header);
        EXPECT_EQ(header.biWidth, want.size);
        EXPECT_EQ(header.biHeight, 2 * want.size) << "colour bitmap and mask";
        EXPECT_EQ(header.biBitCount, want.bits);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
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
    ASSERT_EQ(images.size(), 7u);
    EXPECT_NE(std::memcmp(images[3].data, images[4].data, images[3].size), 0);
}

TEST(ProgramResources, ManifestAsksForCommonControlsSixForThisArchitecture) {
    const Resource resource = findResource(RT_MANIFEST, 1);
    ASSERT_NE(resource.data, nullptr);
    const std::string manifest(reinterpret_cast<const char*>(resource.data), resource.size);
#ifdef _WIN64
    const std::string architecture = "processorArchitecture=\"amd64\"";
#else
    const std::string architecture = "processorArchitecture=\"x86\"";
#endif
    const size_t dependency = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(dependency, std::string::npos);
    const std::string own = manifest.substr(0, manifest.find("<dependency"));
    const std::string theirs = manifest.substr(manifest.find("<dependency"));
    EXPECT_NE(own.find("type=\"win32\""), std::string::npos);
    EXPECT_NE(own.find("version=\"5.1.0.0\""), std::string::npos);
    EXPECT_NE(own.find(architecture), std::string::npos);
    EXPECT_NE(theirs.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(theirs.find(architecture), std::string::npos);
    EXPECT_NE(theirs.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_NE(theirs.find("language=\"*\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_EQ(manifest.find('@'), std::string::npos) << "every placeholder filled in";
}

// --- The dialog as the window system built it ---------------------------------

TEST(LiveDialog, HasTheFortySevenControlsInOrderWithIdsClassesAndTexts) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    const std::vector<HWND> children = dialog.children();
    ASSERT_EQ(children.size(), static_cast<size_t>(kControlCount));
    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(where(i));
        const int id = GetDlgCtrlID(children[i]);
        // The statics' -1 may come back whole or as its low word.
        EXPECT_TRUE(id == want.id || (want.id == IDC_STATIC && id == 0xFFFF)) << "ID " << id;
        char name[32] = "";
        GetClassNameA(children[i], name, sizeof name);
        EXPECT_STREQ(name, className(want.atom));
        EXPECT_EQ(windowText(children[i]), want.text);
    }
}

TEST(LiveDialog, ControlsKeepTheirStylesApartFromRunTimeBits) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    const std::vector<HWND> children = dialog.children();
    ASSERT_EQ(children.size(), static_cast<size_t>(kControlCount));
    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(where(i));
        DWORD style = static_cast<DWORD>(GetWindowLongA(children[i], GWL_STYLE));
        // The dialog manager marks every control WS_EX_NOPARENTNOTIFY.
        DWORD exStyle = static_cast<DWORD>(GetWindowLongA(children[i], GWL_EXSTYLE)) & ~WS_EX_NOPARENTNOTIFY;
        DWORD ignored = 0;
        if (want.atom == kEdit && (exStyle & WS_EX_CLIENTEDGE) != 0) {
            // An edit control draws its WS_BORDER as a sunken client edge.
            exStyle &= ~WS_EX_CLIENTEDGE;
            style |= WS_BORDER;
        }
        if (want.atom == kComboBox) {
            // A combo box hands its scroll bar to the list and keeps strings.
            ignored = WS_VSCROLL | CBS_HASSTRINGS;
        }
        if (want.atom == kButton && (want.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            // Checking a radio button moves WS_TABSTOP to it; the pickers
            // check the province mode button at start.
            ignored = WS_TABSTOP;
        }
        EXPECT_EQ(style & ~ignored, (WS_CHILD | WS_VISIBLE | want.style) & ~ignored);
        EXPECT_EQ(exStyle, want.exStyle);
    }
}

TEST(LiveDialog, ControlsSitWhereTheTemplatePutsThem) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    const std::vector<HWND> children = dialog.children();
    ASSERT_EQ(children.size(), static_cast<size_t>(kControlCount));
    for (int i = 0; i < kControlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(where(i));
        // MapDialogRect converts each field alone: here x, y, width, height.
        RECT expected = {want.x, want.y, want.cx, want.cy};
        MapDialogRect(dialog.handle, &expected);
        RECT actual;
        GetWindowRect(children[i], &actual);
        MapWindowPoints(HWND_DESKTOP, dialog.handle, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right);
        // A combo box's height is its closed height, set at run time; the
        // template's height is that of the open list.
        if (want.atom != kComboBox) {
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
    }
}

TEST(LiveDialog, WindowHasItsStyleCaptionSizeAndPlace) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    // Not yet shown; the window manager adds WS_CLIPSIBLINGS, and the frame's
    // extended bits for the modal frame and the dialog's keyboard handling.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog.handle, GWL_STYLE)) & ~WS_CLIPSIBLINGS, kDialogStyle);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog.handle, GWL_EXSTYLE)) &
                  ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT),
              kDialogExStyle);
    const std::string caption = windowText(dialog.handle);
    ASSERT_GT(caption.size(), 4u);
    EXPECT_EQ(caption.substr(caption.size() - 4), "v1.0");
    EXPECT_EQ(GetWindow(dialog.handle, GW_OWNER), nullptr);

    RECT window;
    GetWindowRect(dialog.handle, &window);
    EXPECT_EQ(window.left, 0) << "top-left corner of the screen";
    EXPECT_EQ(window.top, 0);
    RECT size = {0, 0, 303, 192};
    MapDialogRect(dialog.handle, &size);
    RECT client;
    GetClientRect(dialog.handle, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
}

void expectLiveMenu(HMENU menu, const std::vector<ExpectedItem>& want, const std::string& path) {
    ASSERT_NE(menu, nullptr) << path;
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(want.size())) << path;
    for (size_t i = 0; i < want.size(); ++i) {
        const UINT position = static_cast<UINT>(i);
        const std::string at = path + "/" + std::to_string(i);
        const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        char text[128] = "";
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(std::string(text), want[i].text) << at;
        switch (want[i].kind) {
        case ExpectedItem::Command:
            EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(i)), want[i].id) << at;
            // Item 40001 has no text, which the menu draws as a separator line;
            // the others are plain, enabled commands.
            if (!want[i].text.empty()) {
                EXPECT_EQ(state & (MF_SEPARATOR | MF_GRAYED | MF_CHECKED), 0u) << at;
            }
            break;
        case ExpectedItem::Separator:
            EXPECT_NE(state & MF_SEPARATOR, 0u) << at;
            break;
        case ExpectedItem::Popup:
            EXPECT_NE(state & MF_POPUP, 0u) << at;
            EXPECT_EQ(state & (MF_GRAYED | MF_CHECKED), 0u) << at;
            expectLiveMenu(GetSubMenu(menu, static_cast<int>(i)), want[i].items, at);
            break;
        }
    }
}

TEST(LiveDialog, MenuBarHasTheHelpPopup) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    expectLiveMenu(GetMenu(dialog.handle), expectedMenuBar(), "menu");
}

TEST(LiveDialog, FocusStartsOnTheVerifyButtonWhichIsTheDefault) {
    CreatedDialog dialog;
    ASSERT_NE(dialog.handle, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog.handle, IDC_VERIFY_BUTTON));
    const LRESULT defaultId = SendMessageA(dialog.handle, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), IDC_VERIFY_BUTTON);
}

// --- The real modal loop ------------------------------------------------------

// Ends a dialog that would otherwise never end, with a result no path gives.
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr INT_PTR kWatchdogResult = 0x5EED;
constexpr UINT_PTR kLookTimer = 2;

struct ModalRun {
    HWND dialog = nullptr;
    bool visible = false;
    HWND focus = nullptr;
    HWND verifyButton = nullptr;
} modalRun;

bool watchdog(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_INITDIALOG) SetTimer(dialog, kWatchdogTimer, 10000, nullptr);
    if (message != WM_TIMER || wParam != kWatchdogTimer) return false;
    EndDialog(dialog, kWatchdogResult);
    return true;
}

INT_PTR CALLBACK closeAtOnce(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (watchdog(dialog, message, wParam)) return TRUE;
    if (message == WM_INITDIALOG) {
        modalRun.dialog = dialog;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return dialogProc(dialog, message, wParam, lParam);
}

// Looks at the dialog once the loop has shown it and gone idle, then closes it.
INT_PTR CALLBACK lookThenClose(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (watchdog(dialog, message, wParam)) return TRUE;
    if (message == WM_INITDIALOG) SetTimer(dialog, kLookTimer, 100, nullptr);
    if (message == WM_TIMER && wParam == kLookTimer) {
        KillTimer(dialog, kLookTimer);
        modalRun.visible = IsWindowVisible(dialog) != FALSE;
        modalRun.focus = GetFocus();
        modalRun.verifyButton = GetDlgItem(dialog, IDC_VERIFY_BUTTON);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    }
    return dialogProc(dialog, message, wParam, lParam);
}

TEST(ModalDialog, CloseEndsTheLoopWithZero) {
    modalRun = {};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                           closeAtOnce, 0);
    EXPECT_EQ(result, 0);
    ASSERT_NE(modalRun.dialog, nullptr);
    EXPECT_FALSE(IsWindow(modalRun.dialog)) << "the dialog is gone";
}

TEST(ModalDialog, IsShownWithTheFocusOnTheVerifyButton) {
    modalRun = {};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                           lookThenClose, 0);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(modalRun.visible);
    EXPECT_NE(modalRun.verifyButton, nullptr);
    EXPECT_EQ(modalRun.focus, modalRun.verifyButton);
}

}  // namespace

#endif  // _WIN32
