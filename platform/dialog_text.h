// The one place where texts cross between the program and the dialog's
// controls: reading and writing fields, appending and reading list items, and
// message boxes.
//
// The program's texts are UTF-8, as every text of the system. On Windows they
// cross as UTF-16 (converted from and to UTF-8, never through an ANSI call),
// so what the controls show does not depend on the process's ANSI code page.
// What the dialog counts is GBK, as it always was: readField gives a field's
// text as GBK bytes, converted with code page 936 named explicitly, and no
// length comes from an ANSI query (double-byte Windows may overstate those up
// to twice). The native stand-in's controls hold the UTF-8 they are given,
// and its readField converts to GBK with the core's table.
#ifndef PLATFORM_DIALOG_TEXT_H
#define PLATFORM_DIALOG_TEXT_H

#include "platform/windows_api.h"

// Room for any item text of the dialog's lists in UTF-8 (a region name has
// at most 45 bytes).
constexpr int listItemTextSize = 256;

// Reads a field's text as GBK bytes, what the dialog counts: at most size - 1
// bytes arrive, always terminated, and a double-byte character that does not
// fit whole is left out. Returns the GBK byte length of the field's whole
// text (a Chinese character counts two). A character that code page 936
// lacks counts as the default character '?', never as a best-fit look-alike.
// Texts longer than an edit control takes from the keyboard or clipboard
// (32,767 characters) can only be set by another program; for those the part
// beyond that is counted one byte per UTF-16 unit.
int readField(HWND dialog, int fieldId, char* buffer, int size);

// Replaces a field's text with a UTF-8 text.
void writeField(HWND dialog, int fieldId, const char* text);

// Appends an item (UTF-8) at the end of a list, unsorted whatever the list's
// style.
void appendListItem(HWND dialog, int listId, const char* text);

// Copies the UTF-8 text of the item at `index` (at most size - 1 bytes and
// the terminator); false when there is no such item or its text does not
// fit.
bool readListItem(HWND dialog, int listId, int index, char* buffer, int size);

// Shows a message box (text and caption UTF-8) with one OK button, owned by
// `owner` (the dialog, or null for none); `flags` is MB_OK or MB_ICONWARNING.
void showMessage(HWND owner, const char* text, const char* caption, UINT flags);

#endif
