// Reading a combo box's selection. Shared by the region lists and the
// generator, which both read picks.
#ifndef PLATFORM_LIST_CONTROL_H
#define PLATFORM_LIST_CONTROL_H

#include "platform/windows_api.h"

// Index of the selected item, or -1 (CB_ERR) when none is selected.
inline int selectedIndex(HWND dialog, int listId) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, listId), CB_GETCURSEL, 0, 0));
}

#endif
