// The command line of idtool: the standard streams and their fixed buffers,
// the global options, the commands (each defined in its own file), the
// parsing with its one-line errors, and the dispatch to the chosen command.
#include "programs/idtool/command_line.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <string>

#include "programs/idtool/command.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/session.h"
#include "programs/idtool/system_io.h"

#ifndef IDTOOL_VERSION
#define IDTOOL_VERSION "unknown"
#endif

namespace {

// Fixed buffers, set aside once: nothing grows with the input.
constexpr std::size_t outputCapacity = std::size_t{1} << 16;
constexpr std::size_t errorCapacity = std::size_t{1} << 12;

char outputStorage[outputCapacity];
char errorStorage[errorCapacity];
#ifdef _WIN32
// Room for one buffer converted to UTF-16 for the console.
wchar_t outputWide[outputCapacity];
wchar_t errorWide[errorCapacity];
#else
wchar_t* const outputWide = nullptr;
wchar_t* const errorWide = nullptr;
#endif

const char description[] =
    "idtool: verifies, makes and converts the 18-character resident identity numbers\n"
    "of the People's Republic of China, in batches, one number per line. Region\n"
    "names come from the built-in tables of 2009, and what became of a code from\n"
    "the built-in history of region codes, 1981-2024.";

const char mainFooter[] =
    "Global options (--encoding, --no-progress, --mask) may also follow the\n"
    "command.\n"
    "\n"
    "Input (verify, upgrade): the FILEs in order, or standard input when there is\n"
    "none or one is '-'. (find and redact also walk directories: see their help.)\n"
    "Lines end in LF or CRLF; a UTF-8 byte-order mark at the\n"
    "start of each input is dropped; the last line needs no line end. Lines are\n"
    "numbered from 1 across all inputs, as if they were one file. Every file is\n"
    "opened before anything is written.\n"
    "\n"
    "Output formats (--format of verify and regions):\n"
    "  tsv    the default: a header line with the field names, then one line per\n"
    "         record, fields separated by TAB, lines ending in LF\n"
    "  csv    RFC 4180: a header line, fields separated by commas, a field in\n"
    "         double quotes (its quotes doubled) when it holds a comma or a quote,\n"
    "         lines ending in CRLF\n"
    "  jsonl  one JSON object per line, no header\n"
    "A null value is JSON null or an empty cell. Input bytes that are not valid\n"
    "text in the output encoding are written \\u00XX in JSON, one escape per byte,\n"
    "and \\xHH in TSV and CSV, where backslash, TAB, CR, LF and the other control\n"
    "characters are also written \\\\ \\t \\r \\n \\xHH, so every record is one line.\n"
    "\n"
    "Encoding: UTF-8, or GBK (code page 936) with --encoding gbk; input bytes\n"
    "echoed back are taken as being in that encoding. In a Windows console, text\n"
    "is shown as Unicode whatever the console's code page; redirected, it is bytes.\n"
    "Help texts are always UTF-8.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  findings: an invalid number (verify), a line not converted (upgrade),\n"
    "     no matching record (regions), no number found (find)\n"
    "  2  a usage error or an input/output error, with a one-line message on\n"
    "     standard error; when the options are bad nothing is written to\n"
    "     standard output\n"
    "\n"
    "Examples:\n"
    "  idtool verify numbers.txt\n"
    "  idtool verify --only-invalid --format csv part1.txt part2.txt > refused.csv\n"
    "  idtool generate --region 110105 --birth 19491001 --count 10 --seed 7\n"
    "  idtool generate --region 140302 --born-between 19800101 19891231 --sex female\n"
    "  idtool regions 1401\n"
    "  idtool upgrade old-numbers.txt > numbers.txt\n"
    "  idtool find --count logs/\n"
    "  idtool redact --in-place --summary logs/\n"
    "  tail -f app.log | idtool redact --way label\n"
    "\n"
    "Run idtool COMMAND --help for each command's options and fields.";

// The commands, in the order the help lists them.
using CommandDefinition = Command (*)(CLI::App&);
const CommandDefinition commandDefinitions[] = {defineVerifyCommand, defineGenerateCommand, defineRegionsCommand,
                                                defineUpgradeCommand, defineFindCommand, defineRedactCommand};

// CLI11's messages are one sentence; keep them on one line.
void writeOneLine(OutputStream& out, const char* text) {
    for (; *text != '\0'; ++text) out.put(*text == '\n' ? ' ' : *text);
}

// Flushes standard output; a write error (a full disk, a closed pipe) gets
// its one-line message and exit status 2.
int finishOutput(OutputStream& out, OutputStream& err) {
    const bool written = out.flush();
    if (!written) {
        err.write("idtool: error writing standard output: ");
        err.write(std::strerror(out.errorNumber() != 0 ? out.errorNumber() : EIO));
        err.put('\n');
    }
    err.flush();
    return written ? exitSuccess : exitTrouble;
}

}  // namespace

int runIdtool(int argc, const char* const* argv) {
    prepareStandardStreams();
    StandardTarget outputTarget, errorTarget;
    attachStandardTarget(outputTarget, stdout, outputWide, outputCapacity);
    attachStandardTarget(errorTarget, stderr, errorWide, errorCapacity);
    OutputStream out(outputStorage, outputCapacity, writeToStandardTarget, &outputTarget);
    OutputStream err(errorStorage, errorCapacity, writeToStandardTarget, &errorTarget);

    CLI::App app{description, "idtool"};
    app.set_version_flag("--version", "idtool " IDTOOL_VERSION, "print the version and exit");
    // At most one command; its absence is reported after the other checks,
    // so that an unknown option is named as such. Beyond the first, command
    // names are plain arguments (a file may be called "regions").
    app.require_subcommand(0, 1);
    app.fallthrough();
    app.footer(mainFooter);
    app.get_formatter()->column_width(28);

    std::string encodingName = "utf8";
    bool noProgress = false;
    app.add_option("--encoding", encodingName, "output encoding: utf8 (the default) or gbk")
        ->check(CLI::IsMember({"utf8", "gbk"}))
        ->type_name("ENCODING");
    app.add_flag("--no-progress", noProgress, "never show the progress line on standard error");
    bool mask = false;
    app.add_flag("--mask", mask,
                 "mask every number written (verify's input and\n"
                 "upgraded, and its --column cell; upgrade's and\n"
                 "generate's numbers): the first 6 and last 4\n"
                 "characters kept, '*' between");

    Command commands[sizeof commandDefinitions / sizeof commandDefinitions[0]];
    for (std::size_t i = 0; i < sizeof commandDefinitions / sizeof commandDefinitions[0]; ++i)
        commands[i] = commandDefinitions[i](app);

    const Command* chosen = nullptr;
    try {
        app.parse(argc, argv);
        for (const Command& command : commands)
            if (command.subcommand->parsed()) chosen = &command;
        if (chosen == nullptr) throw CLI::RequiredError("a command (verify, generate, regions, upgrade, find or redact)");
        if (chosen->checkOptions) chosen->checkOptions();
    } catch (const CLI::CallForHelp&) {
        const std::string help = app.help();
        out.write(help.c_str());
        if (help.empty() || help.back() != '\n') out.put('\n');
        return finishOutput(out, err);
    } catch (const CLI::CallForVersion& version) {
        out.write(version.what());
        out.put('\n');
        return finishOutput(out, err);
    } catch (const CLI::ParseError& error) {
        err.write("idtool: ");
        writeOneLine(err, error.what());
        err.write(" (see idtool --help)\n");
        err.flush();
        return exitTrouble;
    }

    const Encoding encoding = encodingName == "gbk" ? Encoding::gbk : Encoding::utf8;
    outputTarget.encoding = errorTarget.encoding = encoding;
    ProgressDisplay progress(err, !noProgress && standardErrorIsTerminal());
    Session session{out, err, progress, encoding, mask};

    const int status = chosen->run(session);
    progress.erase();
    const int finished = finishOutput(out, err);
    return finished == exitSuccess ? status : finished;
}
