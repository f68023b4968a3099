// The Windows side of the text boundary: texts cross as UTF-16 through the
// ...W calls, converted from and to the program's UTF-8 (CP_UTF8, never
// CP_ACP); a field's text as the dialog counts it is converted to GBK with
// code page 936 named explicitly. No length is taken from a control's answer
// to a length query; each comes from the text actually copied. Working
// storage is fixed and static: the dialog has one thread, and no conversion
// is in progress while a message box runs its loop.
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
// 250 characters) and for any list item; a UTF-16 unit takes at most three
// bytes of UTF-8.
constexpr int wideTextSize = 1024;
wchar_t wideText[wideTextSize];
wchar_t wideCaption[wideTextSize];
char itemUtf8[3 * wideTextSize];

// GBK bytes of UTF-16 units. A character that code page 936 lacks becomes
// the default character '?', never a best-fit look-alike (a superscript two
// must not pass for the digit 2).
int gbkFromWide(const wchar_t* wide, int units, char* out, int capacity) {
    if (units <= 0) return 0;
    return WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, out, capacity, nullptr, nullptr);
}

// The length of the longest prefix of the UTF-8 text that ends on a
// character boundary and takes at most `unitLimit` UTF-16 units.
int wholeUtf8Prefix(const char* text, int length, int unitLimit) {
    int end = 0, units = 0;
    while (end < length) {
        const auto lead = static_cast<unsigned char>(text[end]);
        const int bytes = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const int needed = bytes == 4 ? 2 : 1;  // beyond U+FFFF: a surrogate pair
        if (end + bytes > length || units + needed > unitLimit) break;
        end += bytes;
        units += needed;
    }
    return end;
}

// UTF-16 of a NUL-terminated UTF-8 text, terminated. A text too long for
// `out` is cut at a character boundary.
void wideFromUtf8(const char* utf8, wchar_t* out, int capacity) {
    const int kept = wholeUtf8Prefix(utf8, static_cast<int>(std::strlen(utf8)), capacity - 1);
    const int units = kept > 0 ? MultiByteToWideChar(CP_UTF8, 0, utf8, kept, out, capacity - 1) : 0;
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
    wideFromUtf8(text, wideText, wideTextSize);
    SetDlgItemTextW(dialog, fieldId, wideText);
}

void appendListItem(HWND dialog, int listId, const char* text) {
    wideFromUtf8(text, wideText, wideTextSize);
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
    const int bytes = copied > 0 ? WideCharToMultiByte(CP_UTF8, 0, wideText, static_cast<int>(copied), itemUtf8,
                                                       static_cast<int>(sizeof itemUtf8), nullptr, nullptr)
                                 : 0;
    if (bytes >= size) return false;
    std::memcpy(buffer, itemUtf8, static_cast<size_t>(bytes));
    buffer[bytes] = '\0';
    return true;
}

void showMessage(HWND owner, const char* text, const char* caption, UINT flags) {
    wideFromUtf8(text, wideText, wideTextSize);
    wideFromUtf8(caption, wideCaption, wideTextSize);
    MessageBoxW(owner, wideText, wideCaption, flags);
}
