// verify --jobs N: the lines of the inputs verified by N workers at once, with
// the same output as one reader gives. Offers runVerifyInParallel and
// workerCount.
//
// There is no reader thread. The inputs are cut into chunks, numbered in
// input order, and each worker takes the next chunk itself: a range of bytes
// of a regular file, which it reads with positioned reads while others read
// theirs, or the next bytes of a pipe, a terminal or standard input, which it
// reads while it holds the input (whole lines only; what has come, so that
// answers do not wait for more). A range's lines are those that start in it:
// its last line is read on past the range's end. A worker counts its chunk's
// lines first and learns from the chunks before it, once they have counted
// theirs, the number of its first line; then it verifies the lines into the
// output of its chunk. The calling thread writes the chunks' output in input
// order, adds up the counts and draws the progress line. A chunk whose output
// grows large hands it to the writer before it is done, once the chunks
// before it are written, so the memory of a run stays bounded, whatever its
// inputs.
//
// A regular file is read up to the size it has when the first worker reaches
// it; one that tells no size (as many files of /proc) is read as a stream.
#ifndef PROGRAMS_IDTOOL_PARALLEL_VERIFY_H
#define PROGRAMS_IDTOOL_PARALLEL_VERIFY_H

#include <cstddef>
#include <string>
#include <vector>

#include "programs/idtool/session.h"
#include "programs/idtool/verify_command.h"

// The most workers a run starts, whatever --jobs asks: beyond this the
// chunks in flight would outgrow the memory a run is allowed.
constexpr int maxWorkers = 8;

// The bytes of a regular file a worker takes at once: 64 KiB keeps the cost
// of a chunk's claim and hand-over small beside its lines, and the records of
// every chunk in flight (up to 1.8 MB each, as JSON lines) in memory.
constexpr std::size_t parallelRangeBytes = std::size_t{64} << 10;

// The workers for --jobs `jobs` (0: the machine's processors), 1 to maxWorkers.
int workerCount(int jobs);

// Verifies the lines of `files` (none, or "-": standard input) with
// `workers` workers (2 or more) and writes their records to session.out;
// the files are checked first, as runOnInputs does. Returns 0, 1 or 2 as
// runVerify with finishReading does.
int runVerifyInParallel(const VerifyOptions& options, const std::vector<std::string>& files, int workers,
                        Session& session);

#endif
