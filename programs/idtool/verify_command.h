// idtool verify [FILE...]: one record per input line, or per row of a CSV or
// TSV input (--column), with the verdict on the number in it. Offers
// runVerify, runVerifyColumns, and the help text of the record's fields.
#ifndef PROGRAMS_IDTOOL_VERIFY_COMMAND_H
#define PROGRAMS_IDTOOL_VERIFY_COMMAND_H

#include <string>
#include <vector>

#include "programs/idtool/line_reader.h"
#include "programs/idtool/row_reader.h"
#include "programs/idtool/session.h"
#include "records/record_writer.h"
#include "records/verify_record.h"

struct VerifyOptions {
    RecordFormat format = RecordFormat::tsv;
    bool onlyInvalid = false;  // write only the records of refused lines
    bool summary = false;      // counts per reason on standard error at the end
    bool history = true;       // the region code's history keys (--no-history drops them)
    // --fields: the fields written, by schema index; empty writes them all.
    std::vector<bool> fields;
    // --stream: no header, \N for null (and a line or cell \N gives \N in
    // every field), exit status 0 whatever the verdicts.
    bool stream = false;
    // The encoding of the input's bytes; detect: each line or cell as UTF-8
    // when it is valid UTF-8, else as GBK. Unset: the output encoding.
    bool inputEncodingGiven = false;
    InputEncoding inputEncoding = InputEncoding::utf8;
    // --jobs: workers for lines (0: one per processor); 1 reads and verifies
    // in one thread.
    int jobs = 0;
    // --age-on DATE: a last field, age, the holder's age in completed years
    // on that day (null when refused or not yet born).
    bool age = false;
    BirthDate ageOn{0, 0, 0};
};

// Reads every line of `reader` and writes its record to session.out. Returns
// 0 when every line is valid, 1 when any is not. Read errors are reported by
// the caller (finishReading).
int runVerify(const VerifyOptions& options, LineReader& reader, Session& session);

// verify --column: every row of the inputs written back with the verdict on
// its column after its fields. `rows` says the format, the column and the
// header. Returns 0, 1 (an invalid number) or 2 (an error, reported here).
int runVerifyColumns(const VerifyOptions& options, const RowReaderOptions& rows, std::vector<InputFile>& inputs,
                     Session& session);

// The end of verify's help: every field of the record, from its schema.
std::string verifyHelpFooter();

#endif
