// What each of idtool's commands gives the command line: its subcommand with
// its options (defined in the command's own file, so that an option is added
// there and nowhere else), the checks across its options, and what runs when
// it is chosen. Offers Command and the define functions.
#ifndef PROGRAMS_IDTOOL_COMMAND_H
#define PROGRAMS_IDTOOL_COMMAND_H

#include <functional>

#include "programs/idtool/session.h"

namespace CLI {
class App;
}

struct Command {
    CLI::App* subcommand = nullptr;
    // After parsing, when the command was chosen: checks that involve several
    // options; throws a CLI::ParseError.
    std::function<void()> checkOptions;
    // Runs the command with its parsed options; returns the exit status.
    std::function<int(Session&)> run;
};

// Each adds its subcommand to `idtool` and returns it; the options it parses
// are kept with the returned functions.
Command defineVerifyCommand(CLI::App& idtool);
Command defineGenerateCommand(CLI::App& idtool);
Command defineRegionsCommand(CLI::App& idtool);
Command defineUpgradeCommand(CLI::App& idtool);
Command defineFindCommand(CLI::App& idtool);
Command defineRedactCommand(CLI::App& idtool);

#endif
