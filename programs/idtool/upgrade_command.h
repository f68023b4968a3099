// idtool upgrade [FILE...]: 15-digit numbers (region, two-digit year meaning
// 19YY, month, day, sequence; no check character) to their 18-character form.
#ifndef PROGRAMS_IDTOOL_UPGRADE_COMMAND_H
#define PROGRAMS_IDTOOL_UPGRADE_COMMAND_H

#include "programs/idtool/line_reader.h"
#include "programs/idtool/session.h"

// Writes one 18-character number and LF per good line. A bad line (not
// exactly 15 digits, an empty one included; a month above 12 or a day above
// 31, which verification would refuse) gets one message on standard error
// naming its line and is skipped. Returns 0 when every line was converted, 1
// otherwise.
int runUpgrade(LineReader& reader, Session& session);

#endif
