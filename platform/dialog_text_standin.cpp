// The stand-in's side of the text boundary: the in-memory controls hold GBK
// bytes, so texts cross unchanged, under the same rules as on Windows.
#include "platform/dialog_text.h"

#include <cstring>

#include "platform/gbk_characters.h"

int readField(HWND dialog, int fieldId, char* buffer, int size) {
    size_t length = 0;
    const char* text = standinText(GetDlgItem(dialog, fieldId), &length);
    if (text == nullptr) length = 0;
    const int whole = static_cast<int>(length);
    if (size <= 0) return whole;
    const int kept = wholeCharacterPrefix(text, whole, size - 1);
    if (kept > 0) std::memcpy(buffer, text, static_cast<size_t>(kept));
    buffer[kept] = '\0';
    return whole;
}

void writeField(HWND dialog, int fieldId, const char* text) { SetDlgItemTextA(dialog, fieldId, text); }

void appendListItem(HWND dialog, int listId, const char* text) {
    SendMessageA(GetDlgItem(dialog, listId), CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(text));
}

bool readListItem(HWND dialog, int listId, int index, char* buffer, int size) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || length >= size) return false;
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return true;
}

void showMessage(HWND owner, const char* text, const char* caption, UINT flags) {
    MessageBoxA(owner, text, caption, flags);
}
