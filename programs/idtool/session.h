// What every command gets: the output streams, the progress display, the
// output encoding; the exit statuses; and messages on standard error, each one
// line starting "idtool: ".
#ifndef PROGRAMS_IDTOOL_SESSION_H
#define PROGRAMS_IDTOOL_SESSION_H

#include <string>
#include <vector>

#include "programs/idtool/line_reader.h"
#include "records/output_stream.h"
#include "programs/idtool/progress.h"
#include "core/text_encoding.h"

constexpr int exitSuccess = 0;
constexpr int exitFindings = 1;  // an invalid line, a line not converted, no match
constexpr int exitTrouble = 2;   // a usage error or an input/output error

struct Session {
    OutputStream& out;
    OutputStream& err;
    ProgressDisplay& progress;
    Encoding encoding;
    bool mask = false;  // --mask: every number written is masked (core/masking.h)
};

// Starts a message on standard error: erases the progress line and writes
// "idtool: ". The caller writes the rest to the returned stream.
OutputStream& beginMessage(Session& session);
// Ends the message's line. Messages are flushed with the output: before each
// read of input (so a user at a pipe or terminal sees them at once), and at
// the end.
void endMessage(Session& session);

// Writes a text of the program's (UTF-8, as every text of the system is) in
// the output encoding: as it is, or converted to GBK here, where it leaves.
void writeText(OutputStream& out, const char* utf8, std::size_t count, Encoding encoding);

// Writes a number of 18 (or any) ASCII characters and a line end, masked
// when the session masks numbers.
void writeNumberLine(Session& session, const char* number, std::size_t length);

// The input's name as given, or "standard input", in the output encoding.
void writeInputName(OutputStream& out, const InputFile& input, Encoding encoding);

// Opens every named input ("-" or none: standard input) before anything is
// written. On failure, says which file and why and returns false (exit 2).
bool openInputs(const std::vector<std::string>& names, std::vector<InputFile>& inputs, Session& session);
void closeInputs(std::vector<InputFile>& inputs);

// Says that reading `input` failed, and why; returns exitTrouble.
int reportReadError(const InputFile& input, int errorNumber, Session& session);

// After reading: when the reader stopped on a read error, says which input
// and why and returns exitTrouble; otherwise returns `status`.
int finishReading(const LineReader& reader, const std::vector<InputFile>& inputs, Session& session, int status);

#endif
