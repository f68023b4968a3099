#include "programs/idtool/command_line.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/region_history.h"
#include "programs/idtool/generate_command.h"
#include "programs/idtool/line_reader.h"
#include "programs/idtool/progress.h"
#include "programs/idtool/regions_command.h"
#include "programs/idtool/session.h"
#include "programs/idtool/system_io.h"
#include "programs/idtool/upgrade_command.h"
#include "programs/idtool/verify_command.h"

#ifndef IDTOOL_VERSION
#define IDTOOL_VERSION "unknown"
#endif

namespace {

// Fixed buffers, set aside once: nothing grows with the input.
constexpr std::size_t outputCapacity = std::size_t{1} << 16;
constexpr std::size_t errorCapacity = std::size_t{1} << 12;
constexpr std::size_t lineStorageSize = (std::size_t{1} << 20) + 1;

char outputStorage[outputCapacity];
char errorStorage[errorCapacity];
char lineStorage[lineStorageSize];
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
    "Global options (--encoding, --no-progress) may also follow the command.\n"
    "\n"
    "Input (verify, upgrade): the FILEs in order, or standard input when there is\n"
    "none or one is '-'. Lines end in LF or CRLF; a UTF-8 byte-order mark at the\n"
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
    "     no matching record (regions)\n"
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
    "\n"
    "Run idtool COMMAND --help for each command's options and fields.";

// The end of every command's help.
#define SEE_MAIN_HELP \
    "\nSee idtool --help for the global options (--encoding, --no-progress),\n" \
    "the formats and the exit statuses."

const char verifyFooter[] =
    "Fields of each record, in this order:\n"
    "  line            the line's number, from 1 across all inputs\n"
    "  input           the line without its line end (its first 64 bytes when\n"
    "                  it is longer)\n"
    "  valid           true or false\n"
    "  reason          null when valid; length, characters (a non-digit among the\n"
    "                  first 17, or a last character other than a digit or\n"
    "                  upper-case X), check or date\n"
    "  message         the dialog's message for the refusal, or null\n"
    "  expected_check  the check character the first 17 characters call for,\n"
    "                  when they are all digits; otherwise null\n"
    "  birth_date      YYYYMMDD when valid, else null\n"
    "  sex             \xE7\x94\xB7 or \xE5\xA5\xB3 when valid, else null\n"
    "  province, city, county\n"
    "                  the texts of the dialog's three region fields when valid,\n"
    "                  else null (from the built-in tables of 2009)\n"
    "What the history of region codes (1981-2024) says of the region code (the\n"
    "first 6 digits), when valid, else null; --no-history leaves these out:\n"
    "  code_status     2009 (the 2009 tables name the county), in_use (in use in\n"
    "                  2024 but not in the 2009 tables), abolished (its last\n"
    "                  record has ended) or unknown (no record has the code)\n"
    "  history         the code's records in time order, as JSON:\n"
    "                  [{\"name\",\"province\",\"prefecture\",\"from\",\"until\"}],\n"
    "                  until null while in use\n"
    "  successors      the codes that took over its area when its last record\n"
    "                  ended: [{\"code\",\"name\",\"status\"}], each with the name\n"
    "                  it went on under, and in_use or abolished\n"
    "  now             the codes in use in 2024 that the area went to, following\n"
    "                  successors to their end: [{\"code\",\"name\"}]; empty while\n"
    "                  the code is in use, or when the trail ends\n"
    "  in_use_at_birth whether a record of the code was in use in the birth year\n"
    "                  (a year before 1981 is answered by the list of 1981); a\n"
    "                  hint, never a refusal: many registered after their birth\n"
    "In TSV and CSV the JSON values stand in their cells as text.\n"
    "A line longer than 64 bytes is refused for its length and never held whole.\n"
    "Exit status 0 when every line is valid, 1 when any is not, 2 on an error." SEE_MAIN_HELP;

const char generateFooter[] =
    "The year is at most the current one and the sequence number 000-998; a chosen\n"
    "sex means an odd (male) or even (female) sequence number. The numbers of one\n"
    "run are distinct; a count larger than the region and dates can give is\n"
    "refused. With --seed the output is the same on every platform and build.\n"
    "With --as-of YYYY, --region is a code of a county-level record of the\n"
    "history of region codes in use that year, such as a county since abolished:\n"
    "  idtool generate --region 330124 --as-of 1990 --birth 19800101\n"
    "makes numbers registered in \xE4\xB8\xB4\xE5\xAE\x89\xE5\x8E\xBF as it stood in 1990.\n"
    "Every bad option gets a one-line message and exit status 2, and nothing is\n"
    "written to standard output." SEE_MAIN_HELP;

const char regionsFooter[] =
    "Fields of each record, in this order:\n"
    "  code      the six-digit region code\n"
    "  name      the record's name\n"
    "  level     county: a district of a municipality or a county-level record\n"
    "            under a city, what generate --region takes; city: a city-level\n"
    "            record (code ending in 00); group: a \xE5\xB8\x82\xE8\xBE\x96\xE5\x8C\xBA record, which\n"
    "            groups a city's districts\n"
    "  province  the province-level unit's full name\n"
    "  city      for a county or group record of a province, the city-level\n"
    "            record its code names (its first four digits and 00), as\n"
    "            verification shows it; empty (null) when there is none, for\n"
    "            city-level records and for the districts of municipalities\n"
    "QUERY matches byte for byte in the output encoding.\n"
    "\n"
    "The history of region codes: every code in use at the end of any year from\n"
    "1981 to 2024, with its name and place while in use (public domain data).\n"
    "  --history CODE  the code's records in time order: code, name, level\n"
    "                  (province, prefecture or county), province, prefecture,\n"
    "                  from, until (null while in use), successors (the codes\n"
    "                  that took over its area, as JSON [{\"code\",\"name\",\n"
    "                  \"status\"}]) and now (the codes in use in 2024 its area\n"
    "                  went to, as JSON [{\"code\",\"name\"}])\n"
    "  --year YYYY     the codes in use that year, QUERY matched as above:\n"
    "                  code, name, level, province, prefecture\n"
    "Exit status 0 when a record matched, 1 when none did." SEE_MAIN_HELP;

RecordFormat formatNamed(const std::string& name) {
    if (name == "jsonl") return RecordFormat::jsonl;
    if (name == "csv") return RecordFormat::csv;
    return RecordFormat::tsv;
}

SexOption sexNamed(const std::string& name) {
    if (name == "male") return SexOption::male;
    if (name == "female") return SexOption::female;
    return SexOption::any;
}

// A decimal number of at most 64 bits, digits only (no sign, no spaces).
bool parseUnsigned(const std::string& text, uint64_t& value) {
    if (text.empty() || text.size() > 20) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

// Checks of --count and --seed with messages of our own: CLI11's range check
// prints its bounds as floating-point numbers, and its integer conversion
// takes -1 for an unsigned value.
CLI::Validator wholeNumberCheck(uint64_t lowest, uint64_t highest) {
    return CLI::Validator(
        [lowest, highest](std::string& text) -> std::string {
            uint64_t value;
            if (!parseUnsigned(text, value) || value < lowest || value > highest)
                return "must be a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                       ", not " + text;
            return std::string();
        },
        "");
}

// A year option's value, checked by the option; 0 when it was not given.
int yearGiven(const CLI::Option& option, const std::string& text) {
    uint64_t year = 0;
    if (option.count() > 0) parseUnsigned(text, year);
    return static_cast<int>(year);
}

// CLI11's messages are one sentence; keep them on one line.
void writeOneLine(OutputStream& out, const char* text) {
    for (; *text != '\0'; ++text) out.put(*text == '\n' ? ' ' : *text);
}

CLI::Option* addFormatOption(CLI::App& command, std::string& format) {
    return command.add_option("--format", format, "output format: tsv (the default), csv or jsonl")
        ->check(CLI::IsMember({"tsv", "csv", "jsonl"}))
        ->type_name("FORMAT");
}

// Opens the inputs, then runs `command(reader)` over them; read errors end it
// with exit status 2.
template <typename Command>
int runOnInputs(const std::vector<std::string>& files, Session& session, Command command) {
    std::vector<InputFile> inputs;
    if (!openInputs(files, inputs, session)) return exitTrouble;
    LineReader reader(inputs.data(), static_cast<int>(inputs.size()), lineStorage, lineStorageSize);
    reader.flushBeforeEachRead(&session.out);
    reader.flushBeforeEachRead(&session.err);
    reader.setProgress(&session.progress);
    const int status = finishReading(reader, inputs, session, command(reader));
    closeInputs(inputs);
    return status;
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

    // verify
    CLI::App* verify = app.add_subcommand("verify", "verify numbers, one record per line");
    std::vector<std::string> verifyFiles;
    std::string verifyFormat = "tsv";
    VerifyOptions verifyOptions;
    verify->add_option("FILE", verifyFiles, "input files; none or '-' reads standard input")->type_name("");
    addFormatOption(*verify, verifyFormat);
    verify->add_flag("--only-invalid", verifyOptions.onlyInvalid, "write only the records of refused lines");
    bool noHistory = false;
    verify->add_flag("--no-history", noHistory, "leave out the five keys of the region code's\nhistory");
    verify->add_flag("--summary", verifyOptions.summary,
                     "at the end, write the count of lines per\nreason to standard error");
    verify->footer(verifyFooter);

    // generate
    CLI::App* generate = app.add_subcommand("generate", "make well-formed numbers");
    GenerateOptions generateOptions;
    std::vector<std::string> bornBetween;
    std::string sexName = "any";
    generate
        ->add_option("--region", generateOptions.region,
                     "a county-level record, by code or name (level\n"
                     "county in idtool regions): a district of a\n"
                     "municipality or a county under a city; a name\n"
                     "that matches several records is refused with\n"
                     "the candidates listed")
        ->required()
        ->type_name("CODE|NAME");
    CLI::Option* birth = generate
                             ->add_option("--birth", generateOptions.birth,
                                          "the birth date, taken as the dialog takes it:\n"
                                          "8 digits, the year not after the current one;\n"
                                          "a date that is not a real calendar date (a day\n"
                                          "such as 0231) gets a warning on standard error")
                             ->type_name("YYYYMMDD");
    CLI::Option* range = generate
                             ->add_option("--born-between", bornBetween,
                                          "draw birth dates uniformly over the real\n"
                                          "calendar dates from FROM to TO (YYYYMMDD),\n"
                                          "both included")
                             ->expected(2)
                             ->type_name("FROM TO");
    birth->excludes(range);
    generate->add_option("--sex", sexName, "male, female or any (the default)")
        ->check(CLI::IsMember({"male", "female", "any"}))
        ->type_name("SEX");
    std::string countText = "1", seedText;
    generate->add_option("--count", countText, "how many distinct numbers to make (default 1)")
        ->check(wholeNumberCheck(1, LLONG_MAX))
        ->type_name("N");
    CLI::Option* seed =
        generate
            ->add_option("--seed", seedText,
                         "seed of the generator, a whole number below\n"
                         "2^64: the same seed and options give the same\n"
                         "numbers; without it, the clock gives the seed")
            ->check(wholeNumberCheck(0, UINT64_MAX))
            ->type_name("S");
    std::string asOfText;
    CLI::Option* asOf = generate
                            ->add_option("--as-of", asOfText,
                                         "take --region as a code in use in that year\n"
                                         "(1981-2024) in the history of region codes,\n"
                                         "instead of the 2009 tables")
                            ->check(wholeNumberCheck(firstListedYear, lastListedYear))
                            ->type_name("YYYY");
    generate->footer(generateFooter);

    // regions
    CLI::App* regions = app.add_subcommand("regions", "list the built-in region records");
    std::string query;
    std::string regionsFormat = "tsv";
    CLI::Option* queryOption =
        regions->add_option("QUERY", query, "a code prefix or a part of a name; none\nlists every record")
            ->type_name("");
    addFormatOption(*regions, regionsFormat);
    std::string historyCode, yearText;
    CLI::Option* historyOption =
        regions->add_option("--history", historyCode,
                            "the timeline of one code in the history of\n"
                            "region codes (1981-2024) instead: its records,\n"
                            "successors and the codes its area is in now")
            ->type_name("CODE");
    CLI::Option* yearOption = regions
                                  ->add_option("--year", yearText,
                                               "the codes of the history in use in that year\n"
                                               "(1981-2024) instead of the 2009 tables")
                                  ->check(wholeNumberCheck(firstListedYear, lastListedYear))
                                  ->type_name("YYYY");
    regions->footer(regionsFooter);

    // upgrade
    CLI::App* upgrade = app.add_subcommand("upgrade", "turn 15-digit numbers into 18 characters");
    std::vector<std::string> upgradeFiles;
    upgrade->add_option("FILE", upgradeFiles, "input files; none or '-' reads standard input")->type_name("");
    upgrade->footer(
        "Each good line gives one 18-character number and LF: \"19\" is put before the\n"
        "two-digit year and the check character after the sequence number. A line\n"
        "that is not exactly 15 digits (an empty one included), or has a month above\n"
        "12 or a day above 31, gets a message on standard error naming its line and\n"
        "is skipped. Exit status 0 when every line was converted, 1 otherwise." SEE_MAIN_HELP);

    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty())
            throw CLI::RequiredError("a command (verify, generate, regions or upgrade)");
        if (generate->parsed() && birth->count() == 0 && range->count() == 0)
            throw CLI::RequiredError("--birth or --born-between");
        // Checked here rather than declared, which would crowd the help.
        if (historyOption->count() > 0 && yearOption->count() > 0) throw CLI::ExcludesError("--history", "--year");
        if (historyOption->count() > 0 && queryOption->count() > 0) throw CLI::ExcludesError("--history", "QUERY");
    } catch (const CLI::CallForHelp&) {
        const std::string help = app.help();
        out.write(help.c_str());
        if (help.empty() || help.back() != '\n') out.put('\n');
        return out.flush() ? exitSuccess : exitTrouble;
    } catch (const CLI::CallForVersion& version) {
        out.write(version.what());
        out.put('\n');
        return out.flush() ? exitSuccess : exitTrouble;
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
    Session session{out, err, progress, encoding};

    int status = exitTrouble;
    if (verify->parsed()) {
        verifyOptions.format = formatNamed(verifyFormat);
        verifyOptions.history = !noHistory;
        status = runOnInputs(verifyFiles, session,
                             [&](LineReader& reader) { return runVerify(verifyOptions, reader, session); });
    } else if (generate->parsed()) {
        generateOptions.hasBirth = birth->count() > 0;
        generateOptions.hasBirthRange = range->count() > 0;
        if (generateOptions.hasBirthRange) {
            generateOptions.bornFrom = bornBetween[0];
            generateOptions.bornTo = bornBetween[1];
        }
        generateOptions.sex = sexNamed(sexName);
        uint64_t count = 1;
        parseUnsigned(countText, count);  // checked by the option
        generateOptions.count = static_cast<long long>(count);
        generateOptions.asOfYear = yearGiven(*asOf, asOfText);
        generateOptions.hasSeed = seed->count() > 0;
        if (generateOptions.hasSeed) parseUnsigned(seedText, generateOptions.seed);
        status = runGenerate(generateOptions, session);
    } else if (regions->parsed()) {
        RegionsOptions regionsOptions;
        regionsOptions.format = formatNamed(regionsFormat);
        regionsOptions.query = queryOption->count() > 0 ? query.c_str() : nullptr;
        regionsOptions.historyCode = historyOption->count() > 0 ? historyCode.c_str() : nullptr;
        regionsOptions.year = yearGiven(*yearOption, yearText);
        status = runRegions(regionsOptions, session);
    } else if (upgrade->parsed()) {
        status = runOnInputs(upgradeFiles, session, [&](LineReader& reader) { return runUpgrade(reader, session); });
    }

    if (!out.flush()) {
        beginMessage(session).write("error writing standard output: ");
        err.write(std::strerror(out.errorNumber()));
        endMessage(session);
        status = exitTrouble;
    }
    err.flush();
    return status;
}
