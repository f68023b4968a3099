// Reading a combo box of the dialog: its selection and an item's text. Shared
// by the region lists and the generator, which both read picks.
#ifndef PLATFORM_LIST_CONTROL_H
#define PLATFORM_LIST_CONTROL_H

#include "platform/windows_api.h"

// Any item text of the dialog's lists (a region name has at most 255 bytes).
constexpr int listItemTextSize = 256;

// Index of the selected item, or -1 (CB_ERR) when none is selected.
inline int selectedIndex(HWND dialog, int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCURSEL, 0, 0));
}

// Copies the text of the item at `index` into `text` (listItemTextSize bytes);
// false when there is no such item or its text would not fit.
inline bool listItemText(HWND dialog, int listId, int index, char* text) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || length >= listItemTextSize) return false;
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return true;
}

#endif
