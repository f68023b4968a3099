// The ten messages of the help menu.
#ifndef PROGRAMS_DIALOG_HELP_MESSAGES_H
#define PROGRAMS_DIALOG_HELP_MESSAGES_H

#include "platform/windows_api.h"

// Shows the message of one help command in a box with no owner and no icon,
// so the dialog stays usable and several messages can stand at once. Does
// nothing for any other ID.
void showHelpMessage(HWND dialog, int commandId);

#endif
