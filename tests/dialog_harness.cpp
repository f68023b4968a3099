// The dialog tests' harness: opens the dialog (the real one under Wine, the
// stand-in natively), records every message box it shows and closes it, and
// converts texts between UTF-8 and UTF-16, and to GBK, for the expectations.
#include "tests/dialog_harness.h"

#include <cstring>
#include <utility>

#include "programs/dialog/main_dialog.h"
#include "programs/dialog/resource_ids.h"
#include "core/gbk_table.h"
#include "core/number_rules.h"
#include "programs/dialog/clock_and_generator.h"
#include "tests/standin_main_dialog.h"

namespace {

// Boxes are caught on the test's own thread, one fixture at a time.
std::vector<ShownBox> shownBoxes;
std::function<void(const ShownBox&)> whileBoxShown;
int boxesStanding = 0;

void runWhileShown(const ShownBox& box) {
    if (whileBoxShown) {
        auto callback = whileBoxShown;  // it may open further boxes
        callback(box);
    }
}

// As the entry opens it (with the wide form) but modeless.
HWND openDialog() {
#ifdef _WIN32
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr, dialogProc,
                              0);
#else
    useMainDialogTemplate();
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, dialogProc,
                              0);
#endif
}

}  // namespace

#ifdef _WIN32

namespace {

HHOOK cbtHook = nullptr;
HWND testDialog = nullptr;
bool creatingDialog = false;  // the dialog itself is a #32770 window too
std::vector<HWND> boxesAwaitingCallback;

bool isMessageBox(HWND window) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    return !creatingDialog && window != testDialog && std::strcmp(className, "#32770") == 0;
}

ShownBox readBox(HWND box) {
    ShownBox shown{};
    shown.owner = GetWindow(box, GW_OWNER);
    wchar_t wide[4096] = L"";
    GetWindowTextW(box, wide, 4096);
    shown.caption = utf8FromWide(wide);
    wide[0] = L'\0';
    GetDlgItemTextW(box, 0xFFFF, wide, 4096);
    shown.text = utf8FromWide(wide);
    // The icon is a static with SS_ICON; it holds an icon only when one was asked for.
    const HICON warning = LoadIconA(nullptr, IDI_WARNING);
    char buffer[64];
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameA(child, buffer, sizeof buffer);
        if (std::strcmp(buffer, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            shown.anyIcon |= icon != nullptr;
            shown.warningIcon |= icon != nullptr && icon == warning;
        }
    }
    return shown;
}

void CALLBACK closeBoxAfterCallback(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (boxesAwaitingCallback.empty()) return;
    HWND box = boxesAwaitingCallback.front();
    boxesAwaitingCallback.erase(boxesAwaitingCallback.begin());
    runWhileShown(readBox(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK watchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && isMessageBox(window) && GetPropA(window, "seenByTest") == nullptr) {
        SetPropA(window, "seenByTest", reinterpret_cast<HANDLE>(1));
        shownBoxes.push_back(readBox(window));
        ++boxesStanding;
        if (whileBoxShown) {
            // Let the box's own loop run the callback while it stands.
            boxesAwaitingCallback.push_back(window);
            SetTimer(nullptr, 0, 0, closeBoxAfterCallback);
        } else {
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    } else if (code == HCBT_DESTROYWND && GetPropA(window, "seenByTest") != nullptr) {
        RemovePropA(window, "seenByTest");
        --boxesStanding;
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

}  // namespace

std::string utf8FromWide(const wchar_t* text, int length) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, &utf8[0], bytes, nullptr, nullptr);
    if (length < 0 && !utf8.empty()) utf8.pop_back();  // the terminator
    return utf8;
}

std::wstring wideFromUtf8(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), length, &wide[0], units);
    return wide;
}

std::string gbkOf(const std::string& utf8) {
    const std::wstring wide = wideFromUtf8(utf8);
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), length, &gbk[0], bytes, nullptr, nullptr);
    return gbk;
}

void DialogTest::SetUp() {
    shownBoxes.clear();
    whileBoxShown = nullptr;
    boxesStanding = 0;
    InitCommonControls();  // as the entry does before the dialog exists
    cbtHook = SetWindowsHookExA(WH_CBT, watchForBoxes, nullptr, GetCurrentThreadId());
    ASSERT_NE(cbtHook, nullptr);
    creatingDialog = true;
    dialog = testDialog = openDialog();
    creatingDialog = false;
    ASSERT_NE(dialog, nullptr);
}

void DialogTest::TearDown() {
    if (dialog != nullptr) DestroyWindow(dialog);
    setClockAndGenerator(nullptr);  // a test may have put in its own clock
    dialog = testDialog = nullptr;
    if (cbtHook != nullptr) UnhookWindowsHookEx(cbtHook);
    cbtHook = nullptr;
    whileBoxShown = nullptr;
}

#else  // the stand-in

namespace {

void recordBox(const StandinMessageBox& box) {
    const UINT icon = box.flags & MB_ICONMASK;
    const ShownBox shown{box.owner, box.text, box.caption, icon == MB_ICONWARNING, icon != 0};
    shownBoxes.push_back(shown);
    ++boxesStanding;  // the stand-in's box stands for as long as this call lasts
    runWhileShown(shown);
    --boxesStanding;
}

}  // namespace

void DialogTest::SetUp() {
    shownBoxes.clear();
    whileBoxShown = nullptr;
    boxesStanding = 0;
    standinSetMessageBoxHook(recordBox);
    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
}

void DialogTest::TearDown() {
    if (dialog != nullptr) DestroyWindow(dialog);
    setClockAndGenerator(nullptr);  // a test may have put in its own clock
    dialog = nullptr;
    standinSetMessageBoxHook(nullptr);
    whileBoxShown = nullptr;
}

#endif

#ifdef _WIN32

void DialogTest::setText(int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, wideFromUtf8(text).c_str());
}

std::string DialogTest::text(int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int copied = GetWindowTextW(control, &buffer[0], static_cast<int>(buffer.size()));
    return utf8FromWide(buffer.c_str(), copied);
}

std::vector<std::string> DialogTest::items(int listId) {
    HWND list = GetDlgItem(dialog, listId);
    std::vector<std::string> texts;
    for (int i = 0; i < itemCount(listId); ++i) {
        const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring buffer(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&buffer[0]));
        texts.push_back(utf8FromWide(buffer.c_str(), static_cast<int>(copied < 0 ? 0 : copied)));
    }
    return texts;
}

#else  // the stand-in keeps the bytes it is given: the program's UTF-8

std::string gbkOf(const std::string& utf8) {
    std::string gbk(utf8.size(), '\0');  // GBK is never longer
    gbk.resize(utf8ToGbk(utf8.data(), utf8.size(), &gbk[0], gbk.size()));
    return gbk;
}

void DialogTest::setText(int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

std::string DialogTest::text(int id) {
    const int length = GetWindowTextLengthA(GetDlgItem(dialog, id));
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    GetDlgItemTextA(dialog, id, &buffer[0], length + 1);
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

std::vector<std::string> DialogTest::items(int listId) {
    HWND list = GetDlgItem(dialog, listId);
    std::vector<std::string> texts;
    for (int i = 0; i < itemCount(listId); ++i) {
        const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string buffer(static_cast<size_t>(length < 0 ? 0 : length) + 1, '\0');
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&buffer[0]));
        buffer.resize(std::strlen(buffer.c_str()));
        texts.push_back(buffer);
    }
    return texts;
}

#endif

int DialogTest::itemCount(int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCOUNT, 0, 0));
}

int DialogTest::selection(int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCURSEL, 0, 0));
}

void DialogTest::notify(int id, int notificationCode) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, notificationCode),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DialogTest::pick(int listId, int index) {
    notify(listId, CBN_SETFOCUS);  // a dependent list fills itself here
    notify(listId, CBN_DROPDOWN);
    SendMessageA(GetDlgItem(dialog, listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (int code : {CBN_SELCHANGE, CBN_CLOSEUP, CBN_SELENDOK, CBN_KILLFOCUS}) notify(listId, code);
}

void DialogTest::pickText(int listId, const std::string& wanted) {
    notify(listId, CBN_SETFOCUS);
    const std::vector<std::string> texts = items(listId);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == wanted) return pick(listId, static_cast<int>(i));
    }
    ADD_FAILURE() << "list " << listId << " has no item with the wanted text";
}

void DialogTest::click(int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void DialogTest::command(int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool DialogTest::isChecked(int buttonId) { return IsDlgButtonChecked(dialog, buttonId) == BST_CHECKED; }

std::string DialogTest::state() {
    std::string all;
    for (int id : {IDC_NUMBER_FIELD, IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_COUNTY_FIELD, IDC_YEAR_FIELD,
                   IDC_MONTH_FIELD, IDC_DAY_FIELD, IDC_SEX_FIELD, IDC_BIRTH_DATE_FIELD, IDC_RESULT_FIELD})
        all += text(id) + "|";
    for (int list : {IDC_SEX_LIST, IDC_MUNICIPALITY_LIST, IDC_DISTRICT_LIST, IDC_PROVINCE_LIST, IDC_CITY_LIST,
                     IDC_COUNTY_LIST}) {
        all += "\n" + std::to_string(list) + " selects " + std::to_string(selection(list)) + ":";
        for (const std::string& item : items(list)) all += " " + item;
    }
    return all + "\nmodes " + std::to_string(isChecked(IDC_MUNICIPALITY_MODE)) +
           std::to_string(isChecked(IDC_PROVINCE_MODE));
}

std::vector<ShownBox> DialogTest::takeBoxes() { return std::exchange(shownBoxes, {}); }

void DialogTest::expectOnlyBox(const std::string& text, const std::string& caption, HWND owner, bool warningIcon) {
    const std::vector<ShownBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u) << text;
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].caption, caption) << text;
    EXPECT_EQ(boxes[0].owner, owner) << text;
    EXPECT_EQ(boxes[0].warningIcon, warningIcon) << text;
    EXPECT_EQ(boxes[0].anyIcon, warningIcon) << text;
}

void DialogTest::onBoxShown(std::function<void(const ShownBox&)> whileShown) {
    whileBoxShown = std::move(whileShown);
}

int DialogTest::standingBoxCount() { return boxesStanding; }
