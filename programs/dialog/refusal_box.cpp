#include "programs/dialog/refusal_box.h"

#include "platform/dialog_text.h"

void showRefusal(HWND dialog, const RefusalMessage& message, int number) {
    char text[128];
    formatMessage(text, sizeof text, message.text.gbk, number);
    showMessage(message.owner == MessageOwner::dialog ? dialog : nullptr, text, message.caption.gbk,
                message.warningIcon ? MB_ICONWARNING : MB_OK);
}
