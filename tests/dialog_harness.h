// Drives the main dialog the way a user would, through the Win32 API names.
//
// The same tests run natively against the in-memory stand-in and under Wine
// against the real dialog created from template 101. Message boxes are caught
// as they are shown (a CBT hook under Wine, the stand-in's hook natively),
// recorded, and closed at once.
#ifndef TESTS_DIALOG_HARNESS_H
#define TESTS_DIALOG_HARNESS_H

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/windows_api.h"

// A message box as the user saw it.
struct ShownBox {
    HWND owner;          // the dialog, or null
    std::string text;    // GBK bytes
    std::string caption; // GBK bytes
    bool warningIcon;    // shown with the warning icon
    bool anyIcon;        // shown with any icon at all
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;     // opens a fresh dialog (WM_INITDIALOG has run)
    void TearDown() override;  // destroys it

    HWND dialog = nullptr;

    // Fields
    void setText(int id, const std::string& text);  // as if typed or pasted
    std::string text(int id);                       // whole text of a control
    // Lists
    int itemCount(int listId);
    int selection(int listId);                      // -1 when none
    std::string itemText(int listId, int index);
    std::vector<std::string> items(int listId);
    // Selects an item as a user's pick does: the list reports gaining the focus,
    // the selection change, and losing the focus.
    void pick(int listId, int index);
    // Picks the first item whose text equals `text`; fails the test if none.
    void pickText(int listId, const std::string& text);
    // Sends one notification of a control to the dialog, as the control would.
    void notify(int id, int notificationCode);
    // Clicks a button or a mode button (the dialog gets BN_CLICKED).
    void click(int id);
    // Sends a menu or control command with no notification code.
    void command(int id);
    bool isChecked(int buttonId);

    // Message boxes shown since the last call, oldest first.
    std::vector<ShownBox> takeBoxes();
    // Runs `whileShown` for each box while it stands, before it is closed.
    void onBoxShown(std::function<void(const ShownBox&)> whileShown);
    // Number of message boxes of this thread standing right now.
    int standingBoxCount();
};

#endif
