#include "programs/idtool/upgrade_command.h"

#include <cstring>

#include "core/check_character.h"
#include "core/number_rules.h"

namespace {

constexpr int oldNumberLength = 15;
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

void upgradeNumber(const char* old, char* number) {
    std::memcpy(number, old, regionCodeLength);
    number[regionCodeLength] = '1';
    number[regionCodeLength + 1] = '9';
    std::memcpy(number + regionCodeLength + 2, old + regionCodeLength, oldNumberLength - regionCodeLength);
    number[stemLength] = computeCheckCharacter(number);  // a stem of digits always has one
    number[numberLength] = '\0';
}

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
        upgradeNumber(line.bytes, number);
        session.out.write(number, numberLength);
        session.out.put('\n');
    }
    return status;
}
