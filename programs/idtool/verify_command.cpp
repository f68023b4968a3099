// idtool verify: the core's verdict on each line, written as one record, in
// input order, without stopping at a bad line; its options, and its help,
// whose list of fields comes from the record's schema.
#include "programs/idtool/verify_command.h"

#include <climits>
#include <ctime>

#include "core/verification.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "records/history_fields.h"
#include "records/verify_record.h"

namespace {

// Counts of the lines per verdict, for --summary.
struct VerdictCounts {
    uint64_t lines = 0;
    uint64_t byRefusal[5] = {};  // indexed by VerifyRefusal, none first
};

void writeSummary(Session& session, const VerdictCounts& counts) {
    OutputStream& err = beginMessage(session);
    err.write("verify: ");
    err.writeDecimal(counts.lines);
    err.write(" lines, ");
    err.writeDecimal(counts.byRefusal[0]);
    err.write(" valid");
    for (VerifyRefusal refusal :
         {VerifyRefusal::length, VerifyRefusal::characters, VerifyRefusal::check, VerifyRefusal::date}) {
        err.write(", ");
        err.writeDecimal(counts.byRefusal[static_cast<int>(refusal)]);
        err.put(' ');
        err.write(refusalName(refusal));
    }
    endMessage(session);
}

// The column where a field's help starts, after its name.
constexpr std::size_t helpColumn = 18;

// "  name            help", the help's later lines indented to its column; a
// name too long for the column stands on a line of its own.
void appendFieldHelp(std::string& out, const std::string& names, const char* help) {
    out += "  " + names;
    if (names.size() + 2 < helpColumn)
        out.append(helpColumn - 2 - names.size(), ' ');
    else
        out += "\n" + std::string(helpColumn, ' ');
    for (const char* at = help; *at != '\0'; ++at) {
        out += *at;
        if (*at == '\n') out.append(helpColumn, ' ');
    }
    out += '\n';
}

}  // namespace

std::string verifyHelpFooter() {
    std::string footer;
    std::string names;
    for (int i = 0; i < verifyFieldCount; ++i) {
        const RecordField& field = verifyRecordFields[i];
        if (i == 0) footer += "Fields of each record, in this order:\n";
        if (i == verdictFieldCount)
            footer +=
                "What the history of region codes (1981-2024) says of the region code (the\n"
                "first 6 digits), when valid, else null; --no-history leaves these out:\n";
        // Fields without help of their own are described with the next one.
        names += names.empty() ? field.name : std::string(", ") + field.name;
        if (field.help == nullptr) continue;
        appendFieldHelp(footer, names, field.help);
        names.clear();
    }
    footer +=
        "In TSV and CSV the JSON values stand in their cells as text.\n"
        "A line longer than 64 bytes is refused for its length and never held whole.\n"
        "Exit status 0 when every line is valid, 1 when any is not, 2 on an error." SEE_MAIN_HELP;
    return footer;
}

int runVerify(const VerifyOptions& options, LineReader& reader, Session& session) {
    // The year limit is the current year on the local clock, as in the dialog.
    const int yearLimit = localYear(time(nullptr));
    const VerifyRecordShape shape{true, options.history};
    RecordWriter writer(session.out, options.format, session.encoding, verifyRecordKeysOf(shape),
                        verifyRecordKeyCountOf(shape));
    writer.writeHeader();

    RegionValueCache regions(writer, verdictFieldCount, options.history);

    VerdictCounts counts;
    Line line;
    while (reader.next(line)) {
        // A line of more than 64 bytes is refused for its length; the core
        // needs only to know that it is not 18.
        const int wholeLength = line.length > INT_MAX ? INT_MAX : static_cast<int>(line.length);
        const VerifyOutcome outcome = verifyNumberText(line.bytes, line.held, wholeLength, yearLimit);
        ++counts.lines;
        ++counts.byRefusal[static_cast<int>(outcome.refusal)];
        if (options.onlyInvalid && outcome.refusal == VerifyRefusal::none) continue;
        const VerifiedLine verified{line.number, line.bytes, static_cast<std::size_t>(line.held), line.length};
        writeVerifyRecord(writer, shape, verified, outcome, &regions, nullptr);
    }
    if (options.summary) writeSummary(session, counts);
    return counts.byRefusal[0] == counts.lines ? exitSuccess : exitFindings;
}

// The help of --no-history counts the history's fields in words.
static_assert(verifyFieldCount - verdictFieldCount == 5, "say how many keys --no-history leaves out");

Command defineVerifyCommand(CLI::App& idtool) {
    struct Arguments {
        std::vector<std::string> files;
        VerifyOptions options;
        bool noHistory = false;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* verify = idtool.add_subcommand("verify", "verify numbers, one record per line");
    addInputFilesOption(*verify, arguments->files);
    addFormatOption(*verify, arguments->options.format);
    verify->add_flag("--only-invalid", arguments->options.onlyInvalid, "write only the records of refused lines");
    verify->add_flag("--no-history", arguments->noHistory, "leave out the five keys of the region code's\nhistory");
    verify->add_flag("--summary", arguments->options.summary,
                     "at the end, write the count of lines per\nreason to standard error");
    verify->footer(verifyHelpFooter());

    Command command;
    command.subcommand = verify;
    command.run = [arguments](Session& session) {
        arguments->options.history = !arguments->noHistory;
        return runOnInputs(arguments->files, session,
                           [&](LineReader& reader) { return runVerify(arguments->options, reader, session); });
    };
    return command;
}
