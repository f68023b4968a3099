// idtool generate: well-formed numbers of a region, a birth date or a range of
// them, and a sex.
#ifndef PROGRAMS_IDTOOL_GENERATE_COMMAND_H
#define PROGRAMS_IDTOOL_GENERATE_COMMAND_H

#include <cstdint>
#include <string>

#include "programs/idtool/session.h"

enum class SexOption { any, male, female };

struct GenerateOptions {
    std::string region;         // --region: a code or a name, as given
    bool hasBirth = false;      // --birth given (it excludes --born-between)
    std::string birth;          // --birth YYYYMMDD, as given
    bool hasBirthRange = false; // --born-between given
    std::string bornFrom;       // --born-between FROM TO, as given
    std::string bornTo;
    SexOption sex = SexOption::any;
    long long count = 1;        // at least 1
    int asOfYear = 0;           // --as-of YYYY: the region is a code in use then; 0: the 2009 tables
    bool hasSeed = false;
    uint64_t seed = 0;
};

// Checks the options against the tables and the rules and writes `count`
// distinct numbers, one per line. A bad option gets a one-line message and
// exit status 2, with nothing written to standard output.
int runGenerate(const GenerateOptions& options, Session& session);

#endif
