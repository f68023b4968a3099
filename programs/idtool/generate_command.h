// idtool generate: well-formed numbers of a region, a birth date or a range of
// them, and a sex. Offers GenerateOptions and runGenerate.
#ifndef PROGRAMS_IDTOOL_GENERATE_COMMAND_H
#define PROGRAMS_IDTOOL_GENERATE_COMMAND_H

#include <cstdint>
#include <string>

#include "core/number_rules.h"
#include "programs/idtool/session.h"

struct GenerateOptions {
    std::string region;          // --region: a code, a name or a path, as given
    bool hasBirth = false;       // --birth given (it excludes --born-between)
    std::string birth;           // --birth YYYYMMDD, as given
    bool hasBirthRange = false;  // --born-between given
    std::string bornFrom;        // --born-between FROM TO, as given
    std::string bornTo;
    SexChoice sex = SexChoice::any;
    uint64_t count = 1;          // at least 1
    int asOfYear = 0;            // --as-of YYYY: the region is a code in use then; 0: the 2009 tables
    bool hasSeed = false;
    uint64_t seed = 0;
};

// Has the core resolve the region and check the options, and writes `count`
// distinct numbers, one per line. A bad option gets the core's one-line
// message and exit status 2, with nothing written to standard output.
int runGenerate(const GenerateOptions& options, Session& session);

#endif
