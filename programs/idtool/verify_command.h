// idtool verify [FILE...]: one record per input line with the verdict on the
// number in it.
#ifndef PROGRAMS_IDTOOL_VERIFY_COMMAND_H
#define PROGRAMS_IDTOOL_VERIFY_COMMAND_H

#include "programs/idtool/line_reader.h"
#include "records/record_writer.h"
#include "programs/idtool/session.h"

struct VerifyOptions {
    RecordFormat format = RecordFormat::tsv;
    bool onlyInvalid = false;  // write only the records of refused lines
    bool summary = false;      // counts per reason on standard error at the end
    bool history = true;       // the region code's history keys (--no-history drops them)
};

// The record's fields, in order: the verdict's, then the history's.
extern const char* const verifyKeys[];
extern const int verifyKeyCount;
extern const int verifyKeyCountWithoutHistory;

// Reads every line of `reader` and writes its record to session.out. Returns
// 0 when every line is valid, 1 when any is not. Read errors are reported by
// the caller (finishReading).
int runVerify(const VerifyOptions& options, LineReader& reader, Session& session);

#endif
