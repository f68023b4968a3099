#include "tests/dialog_harness.h"

#include <cstring>
#include <utility>

#include "app/main_dialog.h"
#include "app/resource_ids.h"

namespace {

// Boxes are caught on the test's own thread, one fixture at a time.
std::vector<ShownBox> shownBoxes;
std::function<void(const ShownBox&)> whileBoxShown;
int boxesStanding = 0;

void runWhileShown(const ShownBox& box) {
    if (whileBoxShown) {
        // The callback may open further boxes; it runs once per box.
        auto callback = whileBoxShown;
        callback(box);
    }
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
    char buffer[4096] = "";
    GetWindowTextA(box, buffer, sizeof buffer);
    shown.caption = buffer;
    buffer[0] = '\0';
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    shown.text = buffer;
    // The icon is a static with SS_ICON; it holds an icon only when one was asked for.
    const HICON warning = LoadIconA(nullptr, IDI_WARNING);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameA(child, buffer, sizeof buffer);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (std::strcmp(buffer, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (icon != nullptr) {
                shown.anyIcon = true;
                shown.warningIcon = icon == warning;
            }
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
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (isMessageBox(box) && GetPropA(box, "seenByTest") == nullptr) {
            SetPropA(box, "seenByTest", reinterpret_cast<HANDLE>(1));
            shownBoxes.push_back(readBox(box));
            ++boxesStanding;
            if (whileBoxShown) {
                // Let the box's own loop run the callback while it stands.
                boxesAwaitingCallback.push_back(box);
                SetTimer(nullptr, 0, 0, closeBoxAfterCallback);
            } else {
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
    } else if (code == HCBT_DESTROYWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (GetPropA(window, "seenByTest") != nullptr) {
            RemovePropA(window, "seenByTest");
            --boxesStanding;
        }
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

}  // namespace

void DialogTest::SetUp() {
    shownBoxes.clear();
    whileBoxShown = nullptr;
    boxesStanding = 0;
    cbtHook = SetWindowsHookExA(WH_CBT, watchForBoxes, nullptr, GetCurrentThreadId());
    ASSERT_NE(cbtHook, nullptr);
    creatingDialog = true;
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                dialogProc, 0);
    creatingDialog = false;
    testDialog = dialog;
    ASSERT_NE(dialog, nullptr);
}

void DialogTest::TearDown() {
    if (dialog != nullptr) DestroyWindow(dialog);
    dialog = nullptr;
    testDialog = nullptr;
    if (cbtHook != nullptr) UnhookWindowsHookEx(cbtHook);
    cbtHook = nullptr;
    whileBoxShown = nullptr;
}

#else  // the stand-in

namespace {

void recordBox(const StandinMessageBox& box) {
    ShownBox shown{};
    shown.owner = box.owner;
    shown.text = box.text;
    shown.caption = box.caption;
    shown.anyIcon = (box.flags & MB_ICONMASK) != 0;
    shown.warningIcon = (box.flags & MB_ICONMASK) == MB_ICONWARNING;
    shownBoxes.push_back(shown);
    // The stand-in's box "stands" for as long as this call lasts.
    ++boxesStanding;
    runWhileShown(shown);
    --boxesStanding;
}

}  // namespace

void DialogTest::SetUp() {
    shownBoxes.clear();
    whileBoxShown = nullptr;
    boxesStanding = 0;
    standinSetMessageBoxHook(recordBox);
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                dialogProc, 0);
    ASSERT_NE(dialog, nullptr);
}

void DialogTest::TearDown() {
    if (dialog != nullptr) DestroyWindow(dialog);
    dialog = nullptr;
    standinSetMessageBoxHook(nullptr);
    whileBoxShown = nullptr;
}

#endif

void DialogTest::setText(int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

std::string DialogTest::text(int id) {
    const int length = GetWindowTextLengthA(GetDlgItem(dialog, id));
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    GetDlgItemTextA(dialog, id, &buffer[0], length + 1);
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

int DialogTest::itemCount(int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCOUNT, 0, 0));
}

int DialogTest::selection(int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCURSEL, 0, 0));
}

std::string DialogTest::itemText(int listId, int index) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return std::string();
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&buffer[0]));
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

std::vector<std::string> DialogTest::items(int listId) {
    std::vector<std::string> texts;
    const int count = itemCount(listId);
    for (int i = 0; i < count; ++i) texts.push_back(itemText(listId, i));
    return texts;
}

void DialogTest::notify(int id, int notificationCode) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, notificationCode),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DialogTest::pick(int listId, int index) {
    // What a list reports when the user clicks into it, opens it, chooses an
    // item and moves on. The list fills itself (if it does) on gaining the focus.
    notify(listId, CBN_SETFOCUS);
    notify(listId, CBN_DROPDOWN);
    SendMessageA(GetDlgItem(dialog, listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    notify(listId, CBN_SELCHANGE);
    notify(listId, CBN_CLOSEUP);
    notify(listId, CBN_SELENDOK);
    notify(listId, CBN_KILLFOCUS);
}

void DialogTest::pickText(int listId, const std::string& wanted) {
    notify(listId, CBN_SETFOCUS);
    const std::vector<std::string> texts = items(listId);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == wanted) {
            pick(listId, static_cast<int>(i));
            return;
        }
    }
    ADD_FAILURE() << "list " << listId << " has no item with the wanted text";
}

void DialogTest::click(int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void DialogTest::command(int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool DialogTest::isChecked(int buttonId) { return IsDlgButtonChecked(dialog, buttonId) == BST_CHECKED; }

std::vector<ShownBox> DialogTest::takeBoxes() {
    std::vector<ShownBox> taken;
    taken.swap(shownBoxes);
    return taken;
}

void DialogTest::onBoxShown(std::function<void(const ShownBox&)> whileShown) {
    whileBoxShown = std::move(whileShown);
}

int DialogTest::standingBoxCount() { return boxesStanding; }
