#include "idtool/verify_command.h"

const char* const verifyKeys[] = {"line",           "input",      "valid", "reason",   "message", "expected_check",
                                  "birth_date",     "sex",        "province", "city",  "county"};
const int verifyKeyCount = sizeof verifyKeys / sizeof verifyKeys[0];

int runVerify(const VerifyOptions& options, LineReader& reader, Session& session) {
    // To be filled in on the core's verification: for each line of `reader`,
    // verify line.bytes (line.held bytes, whole length line.length) and write
    // the record with a RecordWriter over session.out.
    (void)options;
    (void)reader;
    beginMessage(session).write("verify: not yet built");
    endMessage(session);
    return exitTrouble;
}
