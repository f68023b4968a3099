// For native runs: the controls of the main dialog's template 101, given to
// the window-system stand-in as the resources give them on Windows.
#ifndef TESTS_STANDIN_MAIN_DIALOG_H
#define TESTS_STANDIN_MAIN_DIALOG_H

#ifndef _WIN32

// Every dialog the stand-in creates from now on has the main dialog's 47
// controls, by ID and kind, in tab order.
void useMainDialogTemplate();

#endif

#endif
