// idtool redact [FILE...]: the inputs' text with every number replaced, to
// standard output, a file, or over each file. Offers RedactArguments and
// runRedact.
#ifndef PROGRAMS_IDTOOL_REDACT_COMMAND_H
#define PROGRAMS_IDTOOL_REDACT_COMMAND_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/scan_options.h"
#include "programs/idtool/scan_command.h"
#include "programs/idtool/session.h"

struct RedactArguments {
    std::vector<std::string> files;
    ScanArguments scan;
    std::string output;
    bool inPlace = false;
    bool summary = false;
    std::string way;
    std::string maskKeep;
    std::string label;
    bool labelGiven = false;
    std::string tokenAlphabet;
    std::string tokenLength;
    std::string keep;
    std::string keyFile;
    std::string keyEnvironment;
    uint64_t jobs = 0;  // --jobs: 0 one per processor; 1 one thread
};

// Redacts the inputs with checked options (the key among them); returns 0,
// or 2 after an error said on standard error.
int runRedact(const RedactArguments& arguments, const ScanOptions& options, Session& session);

#endif
