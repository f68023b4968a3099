// verify --jobs N: the lines of the inputs verified by N workers at once, with
// the same output as one reader gives. Offers runVerifyInParallel and
// workerCount.
//
// One thread reads the inputs (regular files and standard input alike) and
// cuts them at line ends into chunks of whole lines, numbering each chunk's
// first line; a line too long for a chunk is counted while it is read and
// handed on as its first bytes and its length, as the line reader does. The
// workers verify chunks with a LineVerifier each, into output buffers of
// their chunks; the calling thread writes the chunks' output in input order,
// adds up the counts and draws the progress line. A fixed ring of chunks
// bounds the memory, whatever the size of the inputs.
#ifndef PROGRAMS_IDTOOL_PARALLEL_VERIFY_H
#define PROGRAMS_IDTOOL_PARALLEL_VERIFY_H

#include <string>
#include <vector>

#include "programs/idtool/session.h"
#include "programs/idtool/verify_command.h"

// The most workers a run starts, whatever --jobs asks: beyond this the
// chunks in flight would outgrow the memory a run is allowed.
constexpr int maxWorkers = 8;

// The workers for --jobs `jobs` (0: the machine's processors), 1 to maxWorkers.
int workerCount(int jobs);

// Verifies the lines of `files` (none, or "-": standard input) with
// `workers` workers (2 or more) and writes their records to session.out;
// the files are checked first, as runOnInputs does. Returns 0, 1 or 2 as
// runVerify with finishReading does.
int runVerifyInParallel(const VerifyOptions& options, const std::vector<std::string>& files, int workers,
                        Session& session);

#endif
