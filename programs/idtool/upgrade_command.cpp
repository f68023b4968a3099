// idtool upgrade: each 15-digit line checked and turned into 18 characters,
// bad lines named on standard error; and the command's options.
#include "programs/idtool/upgrade_command.h"

#include <cstring>

#include <memory>

#include "core/check_character.h"
#include "core/number_rules.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"

namespace {

constexpr int oldMonthOffset = 8;
constexpr int oldDayOffset = 10;

int twoDigits(const char* at) { return (at[0] - '0') * 10 + (at[1] - '0'); }

void reportBadLine(Session& session, const Line& line, const char* problem, int value = -1) {
    OutputStream& err = beginMessage(session);
    err.write("upgrade: line ");
    err.writeDecimal(line.number);
    err.write(": ");
    err.write(problem);
    if (value >= 0) {
        err.put(' ');
        err.writeDecimal(static_cast<uint64_t>(value));
    }
    endMessage(session);
}

}  // namespace

int runUpgrade(LineReader& reader, Session& session) {
    int status = exitSuccess;
    Line line;
    while (reader.next(line)) {
        if (line.length == 0) {
            reportBadLine(session, line, "empty line");
            status = exitFindings;
            continue;
        }
        if (line.length != oldNumberLength) {
            OutputStream& err = beginMessage(session);
            err.write("upgrade: line ");
            err.writeDecimal(line.number);
            err.write(": ");
            err.writeDecimal(line.length);
            err.write(" bytes, not 15 digits");
            endMessage(session);
            status = exitFindings;
            continue;
        }
        if (!allDigits(line.bytes, oldNumberLength)) {
            reportBadLine(session, line, "not 15 digits");
            status = exitFindings;
            continue;
        }
        const int month = twoDigits(line.bytes + oldMonthOffset);
        const int day = twoDigits(line.bytes + oldDayOffset);
        if (month > monthLimit || day > dayLimit) {
            reportBadLine(session, line, month > monthLimit ? "month above 12:" : "day above 31:",
                          month > monthLimit ? month : day);
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
