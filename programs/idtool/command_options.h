// Options that several commands take, each parsed once into its typed value
// when the command line is read: whole numbers in a range, output formats,
// input files; and the end every command's help shares. Offers the add*
// functions below (CLI11) and runOnInputs.
#ifndef PROGRAMS_IDTOOL_COMMAND_OPTIONS_H
#define PROGRAMS_IDTOOL_COMMAND_OPTIONS_H

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "programs/idtool/line_reader.h"
#include "programs/idtool/session.h"
#include "records/record_writer.h"

// The end of every command's help.
#define SEE_MAIN_HELP \
    "\nSee idtool --help for the global options (--encoding, --no-progress,\n" \
    "--mask), the formats and the exit statuses."

// A decimal number of at most 64 bits, digits only (no sign, no spaces).
bool parseUnsigned(const std::string& text, uint64_t& value);

// --NAME N: a whole number from `lowest` to `highest`, parsed into `value`
// when given; `given` (optional) is set when it was. A value out of range or
// not a number is refused with a message of our own: CLI11's range check
// prints its bounds as floating-point numbers, and its integer conversion
// takes -1 for an unsigned value.
CLI::Option* addWholeNumberOption(CLI::App& command, const std::string& name, uint64_t& value, uint64_t lowest,
                                  uint64_t highest, const std::string& help, bool* given = nullptr);

// --format FORMAT: tsv (the default), csv or jsonl.
CLI::Option* addFormatOption(CLI::App& command, RecordFormat& format);

// FILE...: input files; none or '-' reads standard input.
CLI::Option* addInputFilesOption(CLI::App& command, std::vector<std::string>& files);

// Opens the inputs, then runs `command(reader)` over them through the one
// line buffer; read errors end it with exit status 2.
int runOnInputs(const std::vector<std::string>& files, Session& session,
                const std::function<int(LineReader&)>& command);

#endif
