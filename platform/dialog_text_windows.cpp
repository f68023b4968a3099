// The Windows side of the text boundary: texts cross as UTF-16 through the
// ...W calls, converted from and to GBK with code page 936 named explicitly
// (never CP_ACP). No length is taken from a control's answer to a length
// query; each comes from the text actually copied. Working storage is fixed
// and static: the dialog has one thread, and no conversion is in progress
// while a message box runs its loop.
#include "platform/dialog_text.h"

#include <cstring>

#include "platform/gbk_characters.h"

namespace {

constexpr UINT gbkCodePage = 936;

// An edit control takes at most this many characters from the keyboard or
// the clipboard; one more unit is read so that a longer text is noticed.
constexpr int longestTypedText = 32767;
wchar_t fieldWide[longestTypedText + 2];
char fieldGbk[2 * (longestTypedText + 1)];

// Room for any text the program writes (the longest help message has about
// 250 characters) and for any list item.
constexpr int wideTextSize = 1024;
wchar_t wideText[wideTextSize];
wchar_t wideCaption[wideTextSize];

// GBK bytes of UTF-16 units. A character that code page 936 lacks becomes
// the default character '?', never a best-fit look-alike (a superscript two
// must not pass for the digit 2).
int gbkFromWide(const wchar_t* wide, int units, char* out, int capacity) {
    if (units <= 0) return 0;
    return WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, out, capacity, nullptr, nullptr);
}

// UTF-16 of a NUL-terminated GBK text, terminated. A text too long for `out`
// is cut at a character boundary.
void wideFromGbk(const char* gbk, wchar_t* out, int capacity) {
    const int length = static_cast<int>(std::strlen(gbk));
    // Each GBK character gives one UTF-16 unit, so capacity - 1 characters fit.
    const int kept = wholeCharacterPrefix(gbk, length, capacity - 1);
    const int units = kept > 0 ? MultiByteToWideChar(gbkCodePage, 0, gbk, kept, out, capacity - 1) : 0;
    out[units > 0 ? units : 0] = L'\0';
}

}  // namespace

int readField(HWND dialog, int fieldId, char* buffer, int size) {
    HWND field = GetDlgItem(dialog, fieldId);
    const int units = field != nullptr ? GetWindowTextW(field, fieldWide, longestTypedText + 2) : 0;
    const int bytes = gbkFromWide(fieldWide, units, fieldGbk, static_cast<int>(sizeof fieldGbk));
    int whole = bytes;
    if (units > longestTypedText) {
        // Only a program sets a text this long; count the unread rest one byte
        // per unit (GetWindowTextLengthW may overstate, never understate).
        const int allUnits = GetWindowTextLengthW(field);
        if (allUnits > units) whole += allUnits - units;
    }
    if (size <= 0) return whole;
    const int kept = wholeCharacterPrefix(fieldGbk, bytes, size - 1);
    std::memcpy(buffer, fieldGbk, static_cast<size_t>(kept));
    buffer[kept] = '\0';
    return whole;
}

void writeField(HWND dialog, int fieldId, const char* text) {
    wideFromGbk(text, wideText, wideTextSize);
    SetDlgItemTextW(dialog, fieldId, wideText);
}

void appendListItem(HWND dialog, int listId, const char* text) {
    wideFromGbk(text, wideText, wideTextSize);
    SendMessageW(GetDlgItem(dialog, listId), CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(wideText));
}

bool readListItem(HWND dialog, int listId, int index, char* buffer, int size) {
    HWND list = GetDlgItem(dialog, listId);
    // The length only guards the buffer: an overstated one refuses nothing the
    // lists hold, and the text copied is what gets measured.
    const LRESULT units = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (units < 0 || units >= wideTextSize || size <= 0) return false;
    const LRESULT copied =
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wideText));
    if (copied < 0) return false;
    const int bytes = gbkFromWide(wideText, static_cast<int>(copied), fieldGbk, static_cast<int>(sizeof fieldGbk));
    if (bytes >= size) return false;
    std::memcpy(buffer, fieldGbk, static_cast<size_t>(bytes));
    buffer[bytes] = '\0';
    return true;
}

void showMessage(HWND owner, const char* text, const char* caption, UINT flags) {
    wideFromGbk(text, wideText, wideTextSize);
    wideFromGbk(caption, wideCaption, wideTextSize);
    MessageBoxW(owner, wideText, wideCaption, flags);
}
