// Drives the main dialog the way a user would, through the Win32 API names:
// natively against the in-memory stand-in, under Wine against the real dialog
// from template 101. Message boxes are caught as they are shown (a CBT hook
// under Wine, the stand-in's hook natively), recorded, and closed at once.
#ifndef TESTS_DIALOG_HARNESS_H
#define TESTS_DIALOG_HARNESS_H

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/windows_api.h"

// A message box as the user saw it; texts are UTF-8, as the program's.
struct ShownBox {
    HWND owner;  // the dialog, or null
    std::string text;
    std::string caption;
    bool warningIcon;
    bool anyIcon;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;     // opens a fresh dialog (WM_INITDIALOG has run)
    void TearDown() override;  // destroys it and puts back the run-time's clock

    HWND dialog = nullptr;

    void setText(int id, const std::string& text);  // as if typed or pasted
    std::string text(int id);                       // whole text of a control
    int itemCount(int listId);
    int selection(int listId);  // -1 when none
    std::vector<std::string> items(int listId);
    // A user's pick: the list reports gaining the focus, the drop-down, the
    // selection change and losing the focus.
    void pick(int listId, int index);
    void pickText(int listId, const std::string& text);  // fails the test if absent
    void notify(int id, int notificationCode);           // as the control would send it
    void click(int id);                                  // BM_CLICK on a button
    void command(int id);                                // WM_COMMAND, no notification
    bool isChecked(int buttonId);
    // Every field's text, every list's items and selection and both mode
    // buttons, as one text for comparisons.
    std::string state();

    std::vector<ShownBox> takeBoxes();  // boxes shown since the last call
    // Takes the boxes and expects just this one, with no icon but the warning icon if asked for.
    void expectOnlyBox(const std::string& text, const std::string& caption, HWND owner, bool warningIcon);
    // Runs `whileShown` for each box while it stands, before it is closed.
    void onBoxShown(std::function<void(const ShownBox&)> whileShown);
    int standingBoxCount();
};

// What the dialog counts of a UTF-8 text: its GBK bytes, a character GBK
// lacks as '?'. Natively by the core's table; on Windows as code page 936
// without best-fit look-alikes makes it, the rule the program keeps there.
std::string gbkOf(const std::string& utf8);

#ifdef _WIN32
// The tests' own conversions between the program's UTF-8 and the UTF-16 the
// controls hold, so that every expectation reads the same under any process
// code page.
std::string utf8FromWide(const wchar_t* text, int length = -1);
std::wstring wideFromUtf8(const std::string& text);
#endif

#endif
