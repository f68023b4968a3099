// The native stand-in for the window system: an in-memory dialog with the
// controls of a template, by ID and kind, and the USER32 calls the logic
// makes on it. Nothing is drawn and nothing waits for a user. The program (or
// its tests) gives the template's controls, as the resources give them on
// Windows.
//
// Storage is set aside when the dialog is created, so that the calls a command
// makes (texts of at most 1 KiB, list items) never allocate.
#include "platform/windows_api.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Kind = StandinControlKind;

constexpr int maxListItems = 256;
constexpr int maxItemBytes = 260;    // any region name with its terminator
constexpr size_t reservedTextBytes = 1024;


struct ListItems {
    int count = 0;
    int selection = CB_ERR;
    char texts[maxListItems][maxItemBytes];
};

}  // namespace

struct StandinWindow {
    Kind kind = Kind::staticText;
    int id = 0;
    StandinWindow* parent = nullptr;
    std::string text;
    bool checked = false;
    std::unique_ptr<ListItems> list;  // combo boxes only

    // The dialog only.
    DLGPROC procedure = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    std::vector<std::unique_ptr<StandinWindow>> controls;
};

namespace {

std::vector<StandinWindow*> liveDialogs;
const StandinControl* templateControls = nullptr;
int templateControlCount = 0;
StandinMessageBoxHook messageBoxHook = nullptr;

void copyText(const char* source, size_t length, char* buffer, size_t size) {
    if (size == 0) return;
    const size_t copied = std::min(length, size - 1);
    std::memcpy(buffer, source, copied);
    buffer[copied] = '\0';
}

LRESULT comboMessage(StandinWindow& combo, UINT message, WPARAM wParam, LPARAM lParam) {
    ListItems& list = *combo.list;
    const int index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
    case CB_INSERTSTRING: {
        // -1 appends; no index sorts, whatever the list's style.
        const int at = index == -1 ? list.count : index;
        if (at < 0 || at > list.count) return CB_ERR;
        if (list.count == maxListItems) return CB_ERRSPACE;
        const char* text = reinterpret_cast<const char*>(lParam);
        if (std::strlen(text) >= static_cast<size_t>(maxItemBytes)) return CB_ERRSPACE;
        for (int i = list.count; i > at; --i) std::memcpy(list.texts[i], list.texts[i - 1], maxItemBytes);
        std::strcpy(list.texts[at], text);
        ++list.count;
        if (list.selection >= at) ++list.selection;
        return at;
    }
    case CB_RESETCONTENT:
        list.count = 0;
        list.selection = CB_ERR;
        combo.text.clear();
        return TRUE;
    case CB_GETCOUNT:
        return list.count;
    case CB_GETCURSEL:
        return list.selection;
    case CB_SETCURSEL:
        // Like the real control: an index out of range clears the selection.
        if (index < 0 || index >= list.count) {
            list.selection = CB_ERR;
            combo.text.clear();
            return CB_ERR;
        }
        list.selection = index;
        combo.text.assign(list.texts[index]);
        return index;
    case CB_GETLBTEXTLEN:
        if (index < 0 || index >= list.count) return CB_ERR;
        return static_cast<LRESULT>(std::strlen(list.texts[index]));
    case CB_GETLBTEXT:
        if (index < 0 || index >= list.count) return CB_ERR;
        std::strcpy(reinterpret_cast<char*>(lParam), list.texts[index]);
        return static_cast<LRESULT>(std::strlen(list.texts[index]));
    default:
        return 0;
    }
}

LRESULT buttonMessage(StandinWindow& button, UINT message) {
    if (message != BM_CLICK) return 0;
    // An automatic radio button checks itself and clears the others of its
    // group (every radio button of the dialog is in one group), then the
    // dialog hears of the click.
    if (button.kind == Kind::radioButton)
        for (const auto& control : button.parent->controls)
            if (control->kind == Kind::radioButton) control->checked = control.get() == &button;
    SendMessageA(button.parent, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED), reinterpret_cast<LPARAM>(&button));
    return 0;
}

}  // namespace

void WINAPI InitCommonControls(void) {}

HMODULE WINAPI GetModuleHandleA(LPCSTR) {
    static char module;
    return &module;
}

HWND WINAPI CreateDialogParamA(HINSTANCE, LPCSTR, HWND, DLGPROC dialogProc, LPARAM initParam) {
    auto dialog = new StandinWindow;
    dialog->kind = Kind::dialog;
    dialog->procedure = dialogProc;
    dialog->text.reserve(reservedTextBytes);
    for (int i = 0; i < templateControlCount; ++i) {
        const StandinControl& entry = templateControls[i];
        auto control = std::make_unique<StandinWindow>();
        control->kind = entry.kind;
        control->id = entry.id;
        control->parent = dialog;
        control->text.reserve(reservedTextBytes);
        if (entry.kind == Kind::comboBox) control->list = std::make_unique<ListItems>();
        dialog->controls.push_back(std::move(control));
    }
    liveDialogs.push_back(dialog);
    if (dialogProc != nullptr) dialogProc(dialog, WM_INITDIALOG, 0, initParam);
    return dialog;
}

void standinSetDialogControls(const StandinControl* controls, int count) {
    templateControls = controls;
    templateControlCount = controls != nullptr ? count : 0;
}

BOOL WINAPI DestroyWindow(HWND window) {
    auto found = std::find(liveDialogs.begin(), liveDialogs.end(), window);
    if (found == liveDialogs.end()) return FALSE;
    liveDialogs.erase(found);
    delete window;
    return TRUE;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    if (dialog == nullptr || dialog->kind != Kind::dialog) return FALSE;
    dialog->ended = true;
    dialog->result = result;
    return TRUE;
}

bool standinDialogEnded(HWND dialog, INT_PTR* result) {
    if (dialog == nullptr || !dialog->ended) return false;
    if (result != nullptr) *result = dialog->result;
    return true;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    if (dialog == nullptr) return nullptr;
    for (const auto& control : dialog->controls)
        if (control->id == id) return control.get();
    return nullptr;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr) return 0;
    switch (window->kind) {
    case Kind::dialog:
        return window->procedure != nullptr ? window->procedure(window, message, wParam, lParam) : 0;
    case Kind::comboBox:
        return comboMessage(*window, message, wParam, lParam);
    case Kind::pushButton:
    case Kind::radioButton:
        return buttonMessage(*window, message);
    default:
        return 0;
    }
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr || size <= 0) {
        if (size > 0) buffer[0] = '\0';
        return 0;
    }
    copyText(control->text.data(), control->text.size(), buffer, static_cast<size_t>(size));
    return static_cast<UINT>(std::strlen(buffer));
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return FALSE;
    control->text.assign(text != nullptr ? text : "");
    return TRUE;
}

const char* standinText(HWND window, size_t* length) {
    if (window == nullptr) return nullptr;
    *length = window->text.size();
    return window->text.data();
}

int WINAPI GetWindowTextLengthA(HWND window) {
    return window != nullptr ? static_cast<int>(window->text.size()) : 0;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button != nullptr && button->checked ? BST_CHECKED : BST_UNCHECKED;
}

BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (dialog == nullptr) return FALSE;
    for (const auto& control : dialog->controls)
        if (control->id >= firstId && control->id <= lastId) control->checked = control->id == checkId;
    return TRUE;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    StandinMessageBox box;
    box.owner = owner;
    copyText(text, std::strlen(text), box.text, sizeof box.text);
    copyText(caption, std::strlen(caption), box.caption, sizeof box.caption);
    box.flags = flags;
    if (messageBoxHook != nullptr) messageBoxHook(box);
    return IDOK;
}

void standinSetMessageBoxHook(StandinMessageBoxHook hook) { messageBoxHook = hook; }

int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    // USER32's wsprintfA writes at most 1024 bytes and the terminator.
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(buffer, 1025, format, arguments);
    va_end(arguments);
    return std::min(written, 1024);
}

char* _itoa(int value, char* buffer, int radix) {
    if (radix < 2 || radix > 36) {
        buffer[0] = '\0';
        return buffer;
    }
    // MSVCRT writes a minus sign only in base 10; other bases show the
    // two's-complement bits.
    const bool negative = radix == 10 && value < 0;
    unsigned int magnitude = negative ? 0u - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);
    char digits[33];
    int length = 0;
    do {
        const unsigned int digit = magnitude % static_cast<unsigned int>(radix);
        digits[length++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        magnitude /= static_cast<unsigned int>(radix);
    } while (magnitude != 0);
    char* out = buffer;
    if (negative) *out++ = '-';
    while (length > 0) *out++ = digits[--length];
    *out = '\0';
    return buffer;
}
