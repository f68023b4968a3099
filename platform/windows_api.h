// The window-system interface of the program.
//
// On Windows this is <windows.h> and <commctrl.h>. Elsewhere it declares the
// small subset of USER32 and the C run-time that the dialog logic and its tests
// use, implemented in windows_standin.cpp over an in-memory dialog, so that the
// logic builds and runs natively for unit tests, sanitizers and benchmarks.
#ifndef PLATFORM_WINDOWS_API_H
#define PLATFORM_WINDOWS_API_H

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>

#else  // the stand-in

#include <cstdint>
#include <cstdlib>

struct StandinWindow;
typedef StandinWindow* HWND;
typedef void* HINSTANCE;
typedef void* HMODULE;
typedef int BOOL;
typedef unsigned int UINT;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef char* LPSTR;
typedef const char* LPCSTR;

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0

typedef INT_PTR (CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)(((WORD)(l)) | (((DWORD)(WORD)(h)) << 16)))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))

// Messages
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_CLOSE 0x0010

// Combo boxes
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10

// Buttons and edit fields
#define BM_CLICK 0x00F5
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define BN_CLICKED 0
#define EN_CHANGE 0x0300

// Message boxes
#define MB_OK 0x00000000
#define MB_ICONWARNING 0x00000030
#define MB_ICONMASK 0x000000F0
#define IDOK 1
#define IDCANCEL 2

void WINAPI InitCommonControls(void);
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
HWND WINAPI GetDlgItem(HWND dialog, int id);
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
int WINAPI GetWindowTextLengthA(HWND window);
UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
int wsprintfA(LPSTR buffer, LPCSTR format, ...);
HMODULE WINAPI GetModuleHandleA(LPCSTR name);
// The kinds of control the stand-in knows, and one control of a dialog
// template: its ID and kind, in tab order.
enum class StandinControlKind { dialog, pushButton, radioButton, groupBox, edit, comboBox, staticText };
struct StandinControl {
    int id;
    StandinControlKind kind;
};
// The controls that every dialog created from now on gets, as a template
// would give them; the caller keeps the table alive.
void standinSetDialogControls(const StandinControl* controls, int count);

// Creates an in-memory dialog with the controls last set, sends it
// WM_INITDIALOG and returns it. `parent` and the template name are ignored.
HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogProc, LPARAM initParam);
BOOL WINAPI DestroyWindow(HWND window);

// The run-time's integer-to-text conversion (MSVCRT's _itoa).
char* _itoa(int value, char* buffer, int radix);

// The bytes a control holds (its text, or a combo box's typed text) and their
// count, for the stand-in's side of the text boundary; null for no window.
const char* standinText(HWND window, size_t* length);

// --- For tests only: what real Windows shows on screen, the stand-in records. ---

// One message box as MessageBoxA was asked to show it.
struct StandinMessageBox {
    HWND owner;
    char text[1024];
    char caption[128];
    UINT flags;
};

// Called from inside MessageBoxA, before it returns, for each box shown; lets a
// test act while the box "stands" (e.g. open another). Null by default.
typedef void (*StandinMessageBoxHook)(const StandinMessageBox& box);
void standinSetMessageBoxHook(StandinMessageBoxHook hook);

// Whether EndDialog was called for the dialog, and with what result.
bool standinDialogEnded(HWND dialog, INT_PTR* result);

#endif  // _WIN32

#endif
