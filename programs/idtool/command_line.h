// The command line of idtool: its options and commands (CLI11), the streams
// and buffers set up once at start-up, and the dispatch to the commands.
#ifndef PROGRAMS_IDTOOL_COMMAND_LINE_H
#define PROGRAMS_IDTOOL_COMMAND_LINE_H

// `argv` is UTF-8 (on Windows, converted from the wide command line). Returns
// the exit status.
int runIdtool(int argc, const char* const* argv);

#endif
