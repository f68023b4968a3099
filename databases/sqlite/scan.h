/* scan.h: the extension's functions that find and redact identity numbers
 * in text (scan.c), registered by sqlite3_idnumber_init. */
#ifndef IDNUMBER_SQLITE_SCAN_H
#define IDNUMBER_SQLITE_SCAN_H

#include <sqlite3ext.h>

/* Registers idn_redact, idn_redact_number and the table-valued idn_find on
 * the connection; SQLITE_OK or SQLite's status. */
int idnRegisterScanFunctions(sqlite3* db);

#endif
