// The stand-in's side of the text boundary: the in-memory controls hold the
// program's UTF-8 as they are given it, as Windows' controls hold UTF-16.
// What the dialog counts, a field's text as GBK, is converted with the
// core's table: a character GBK lacks becomes '?', as code page 936 without
// best-fit look-alikes makes it on Windows.
#include "platform/dialog_text.h"

#include <cstring>

#include "core/gbk_table.h"
#include "platform/gbk_characters.h"

int readField(HWND dialog, int fieldId, char* buffer, int size) {
    size_t length = 0;
    const char* text = standinText(GetDlgItem(dialog, fieldId), &length);
    if (text == nullptr) length = 0;
    // Converted piece by piece (whole characters in each), so that a text of
    // any length is counted without room for all of it.
    char piece[256];
    int whole = 0, kept = 0;
    bool full = size <= 0;
    for (size_t at = 0; at < length;) {
        size_t consumed = 0;
        const int bytes = static_cast<int>(utf8ToGbk(text + at, length - at, piece, sizeof piece, &consumed));
        if (!full) {
            const int fit = wholeCharacterPrefix(piece, bytes, size - 1 - kept);
            std::memcpy(buffer + kept, piece, static_cast<size_t>(fit));
            kept += fit;
            full = fit < bytes;  // nothing after a character that did not fit
        }
        whole += bytes;
        at += consumed;
    }
    if (size > 0) buffer[kept] = '\0';
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
