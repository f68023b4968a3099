// idtool find [FILE|DIR...]: every number in the inputs, one record per
// match, or counts, or the names of the files with one. Offers
// FindArguments and runFind.
#ifndef PROGRAMS_IDTOOL_FIND_COMMAND_H
#define PROGRAMS_IDTOOL_FIND_COMMAND_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/scan_options.h"
#include "programs/idtool/scan_command.h"
#include "programs/idtool/session.h"
#include "records/record_writer.h"

struct FindArguments {
    std::vector<std::string> files;
    RecordFormat format = RecordFormat::tsv;
    ScanArguments scan;
    bool count = false;
    bool filesWithMatches = false;
    bool follow = false;
    bool binary = false;
    uint64_t jobs = 0;  // --jobs: 0 one per processor; 1 one thread
};

// Searches the inputs with checked options; returns 0 (found), 1 (none) or
// 2 (an error, said on standard error, after the other inputs).
int runFind(const FindArguments& arguments, const ScanOptions& options, Session& session);

#endif
