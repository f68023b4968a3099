// idtool verify [FILE...]: one record per input line with the verdict on the
// number in it. Offers runVerify, and the help text of the record's fields.
#ifndef PROGRAMS_IDTOOL_VERIFY_COMMAND_H
#define PROGRAMS_IDTOOL_VERIFY_COMMAND_H

#include <string>

#include "programs/idtool/line_reader.h"
#include "programs/idtool/session.h"
#include "records/record_writer.h"

struct VerifyOptions {
    RecordFormat format = RecordFormat::tsv;
    bool onlyInvalid = false;  // write only the records of refused lines
    bool summary = false;      // counts per reason on standard error at the end
    bool history = true;       // the region code's history keys (--no-history drops them)
};

// Reads every line of `reader` and writes its record to session.out. Returns
// 0 when every line is valid, 1 when any is not. Read errors are reported by
// the caller (finishReading).
int runVerify(const VerifyOptions& options, LineReader& reader, Session& session);

// The end of verify's help: every field of the record, from its schema.
std::string verifyHelpFooter();

#endif
