// idtool upgrade: each 15-digit line checked and turned into 18 characters,
// bad lines named on standard error; and the command's options.
#include "programs/idtool/upgrade_command.h"

#include <cstring>

#include <memory>

#include "core/check_character.h"
#include "core/number_rules.h"
#include "core/upgrade.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"

namespace {

// "upgrade: line 2: " and the problem.
void reportBadLine(Session& session, const Line& line, const char* problem, std::size_t length) {
    OutputStream& err = beginMessage(session);
    err.write("upgrade: line ");
    err.writeDecimal(line.number);
    err.write(": ");
    err.write(problem, length);
    endMessage(session);
}

}  // namespace

int runUpgrade(LineReader& reader, Session& session) {
    int status = exitSuccess;
    Line line;
    while (reader.next(line)) {
        const UpgradeCheck check = checkFifteenDigits(line.bytes, line.length);
        if (check.refusal != UpgradeRefusal::none) {
            // An empty line is named as a line; the rest in the core's words.
            char problem[64];
            const std::size_t length = line.length == 0
                                           ? std::strlen(std::strcpy(problem, "empty line"))
                                           : writeUpgradeRefusal(problem, sizeof problem, check, line.length);
            reportBadLine(session, line, problem, length);
            status = exitFindings;
            continue;
        }
        char number[numberLength + 1];
        upgradeFifteenDigits(line.bytes, number);
        writeNumberLine(session, number, numberLength);
    }
    return status;
}

Command defineUpgradeCommand(CLI::App& idtool) {
    auto files = std::make_shared<std::vector<std::string>>();
    CLI::App* upgrade = idtool.add_subcommand("upgrade", "turn 15-digit numbers into 18 characters");
    addInputFilesOption(*upgrade, *files);
    upgrade->footer(
        "Each good line gives one 18-character number and LF: \"19\" is put before the\n"
        "two-digit year and the check character after the sequence number. A line\n"
        "that is not exactly 15 digits (an empty one included), or has a month above\n"
        "12 or a day above 31, gets a message on standard error naming its line and\n"
        "is skipped. Exit status 0 when every line was converted, 1 otherwise." SEE_MAIN_HELP);

    Command command;
    command.subcommand = upgrade;
    command.run = [files](Session& session) {
        return runOnInputs(*files, session, [&](LineReader& reader) { return runUpgrade(reader, session); });
    };
    return command;
}
