// idtool find: every identity number in files, folders or standard input,
// one record per match (or counts, or the names of the files with one), as
// the core's scanner finds them; exit status as grep's.
#include "programs/idtool/find_command.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "core/masking.h"
#include "core/number_kind.h"
#include "core/scanner.h"
#include "core/verification.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/parallel_scan.h"
#include "programs/idtool/parallel_verify.h"
#include "programs/idtool/scan_command.h"
#include "programs/idtool/system_io.h"
#include "records/record_writer.h"
#include "records/verify_record.h"

namespace {

const char* const findKeys[] = {"file",       "line",     "column", "length",      "byte_offset", "byte_length",
                                "number",     "form",     "confidence", "keyword", "kind",        "nationality",
                                "birth_date", "sex",      "region_code", "province", "city",      "county"};
constexpr int findKeyCount = static_cast<int>(sizeof findKeys / sizeof findKeys[0]);
const char* const countKeys[] = {"file", "matches"};

const char findFooter[] =
    "Inputs: FILEs and directories in order; none or '-' reads standard input. A\n"
    "directory is walked depth first, the entries of each in the byte order of\n"
    "their names, so the order is the same on every run. In a walk, symbolic links\n"
    "are not followed (unless --follow), only regular files are read, and a file\n"
    "that looks binary (a NUL among its first 8192 bytes, as grep and ripgrep\n"
    "judge) is skipped (unless --binary); a FILE named on the command line is\n"
    "always read. A file that cannot be read is said on standard error and the\n"
    "others are still searched.\n"
    "\n"
    "What is found: 18 characters (17 digits and a check digit or X/x, ASCII or\n"
    "full-width), together or in the printed groups 6-8-4 with one separator, with\n"
    "no digit or letter just before or after; with --fifteen-digits, 15-digit\n"
    "numbers too (upgraded). medium: a valid number; high: valid, with a keyword\n"
    "(身份证, 证件号, id_card, ...) ending at most 300 characters before it; low:\n"
    "shaped like one, with a calendar birth date, but its check or region fails.\n"
    "\n"
    "Fields of each record, in this order:\n"
    "  file            the input's name as given or as found in a directory\n"
    "                  ((standard input) for standard input)\n"
    "  line, column    where the match starts: line from 1 (line feeds counted),\n"
    "                  column from 1 in characters\n"
    "  length          its length in characters\n"
    "  byte_offset     its first byte's offset from the input's start, from 0\n"
    "  byte_length     its length in bytes\n"
    "  number          the 18 characters it stands for (ASCII, upper-case X; a\n"
    "                  15-digit one upgraded); masked under --mask\n"
    "  form            plain, or how it was written: fullwidth, lowercase_x,\n"
    "                  separated, fifteen_digits (joined by commas)\n"
    "  confidence      low, medium or high\n"
    "  keyword         the keyword that made it high, else null\n"
    "  kind, nationality, birth_date, sex, province, city, county\n"
    "                  as verify writes them for a valid number; null for low\n"
    "  region_code     the first 6 digits as a number; null for low\n"
    "--count writes instead one record per file with matches (file, matches), as\n"
    "ripgrep -c does (grep -c also lists files without), then one of the total\n"
    "whose file is null. --files-with-matches writes each such file's name on a\n"
    "line of its own (no header, whatever --format), as grep -l does.\n"
    "\n"
    "Encodings: the input's bytes are read in --input-encoding; the records are\n"
    "written in the output encoding (--encoding). A number cut by the end of the\n"
    "input is no match. Memory is fixed: a file without line feeds, of any size,\n"
    "is read in pieces.\n"
    "\n"
    "--jobs: a regular file of 8 MiB or more is cut into ranges of about 4 MiB at\n"
    "line feeds, N scanned at once, each from a line at least 2048 bytes before\n"
    "it so that a keyword before its first number is seen; the records are\n"
    "written in input order, the same bytes as --jobs 1 writes. Standard input,\n"
    "pipes, smaller files and --files-with-matches are read by one thread.\n"
    "\n"
    "Exit status, as grep's: 0 when a number was found, 1 when none was, 2 on an\n"
    "error (after the other inputs were searched)." SEE_MAIN_HELP;


void writeForm(RecordWriter& writer, unsigned form) {
    if (form == ScanForm::plain) {
        writer.plainField("plain", 5);
        return;
    }
    char text[64];
    std::size_t length = 0;
    const struct {
        unsigned flag;
        const char* name;
    } names[] = {{ScanForm::fullwidth, "fullwidth"},
                 {ScanForm::lowercaseX, "lowercase_x"},
                 {ScanForm::separated, "separated"},
                 {ScanForm::fifteenDigits, "fifteen_digits"}};
    for (const auto& name : names) {
        if ((form & name.flag) == 0) continue;
        if (length > 0) text[length++] = ',';
        const std::size_t size = std::strlen(name.name);
        std::memcpy(text + length, name.name, size);
        length += size;
    }
    text[length] = '\0';
    writer.textField(text);
}

const char* confidenceName(Confidence confidence) {
    return confidence == Confidence::high ? "high" : confidence == Confidence::medium ? "medium" : "low";
}

// The file field: the name as given or found, "(standard input)" as grep says.
void writeFileField(RecordWriter& writer, const ScanInput& input) {
    if (input.standardInput)
        writer.textField("(standard input)");
    else
        writer.bytesField(input.name.data(), input.name.size(), Encoding::utf8);
}

void writeMatch(RecordWriter& writer, const ScanInput& input, const ScanMatch& match, bool mask) {
    writer.beginRecord();
    writeFileField(writer, input);
    writer.integerField(static_cast<long long>(match.line));
    writer.integerField(static_cast<long long>(match.column));
    writer.integerField(static_cast<long long>(match.characterLength));
    writer.integerField(static_cast<long long>(match.byteOffset));
    writer.integerField(static_cast<long long>(match.byteLength));
    if (mask) {
        char masked[numberLength];
        writer.plainField(masked, maskText(match.number, numberLength, Encoding::utf8, true, masked, sizeof masked));
    } else {
        writer.plainField(match.number, numberLength);
    }
    writeForm(writer, match.form);
    writer.textField(confidenceName(match.confidence));
    writer.textField(match.keyword != nullptr ? match.keyword->utf8 : nullptr);
    if (match.confidence == Confidence::low) {
        writer.nullFields(findKeyCount - 10);
        writer.endRecord();
        return;
    }
    writeKindFields(writer, match.number);
    writer.plainField(match.number + 6, 8);
    writer.textField(sexText(match.male));
    writer.integerField(match.regionCode);
    const RegionTexts region = regionTexts(match.regionCode);
    writer.textField(region.province);
    writer.textField(region.city);
    writer.textField(region.county);
    writer.endRecord();
}

// The scanner, set aside once: 16 KB that would not sit well on the stack.
Scanner scanner;

}  // namespace

int runFind(const FindArguments& given, const ScanOptions& options, Session& session) {
    std::vector<ScanInput> inputs;
    bool failed = false;
    collectScanInputs(given.files, given.follow, "find", session, inputs, failed);
    OutputStream& out = session.out;
    RecordWriter records(out, given.format, session.encoding, findKeys, findKeyCount);
    RecordWriter counts(out, given.format, session.encoding, countKeys, 2);
    if (!given.filesWithMatches) (given.count ? counts : records).writeHeader();
    uint64_t total = 0;
    for (const ScanInput& input : inputs) {
        InputFile file{};
        if (!openInput(input.name.c_str(), file)) {
            reportInputProblem(session, "find", input, std::strerror(errno != 0 ? errno : EIO));
            failed = true;
            continue;
        }
        uint64_t found = 0;
        const bool skipBinary = !input.named && !given.binary;
        const int workers = workerCount(static_cast<int>(given.jobs));
        if (workers > 1 && file.regularFile && !given.filesWithMatches) {
            const uint64_t size = currentFileSize(file.file);
            char head[binaryCheckLength];
            const long long headLength = size >= parallelFindMinimum ? readAt(file.file, 0, head, sizeof head) : 0;
            if (headLength > 0) {
                if (!(skipBinary && looksBinary(head, static_cast<std::size_t>(headLength)))) {
                    session.err.flush();
                    auto write = [&](OutputStream& stream, const ScanMatch& match) {
                        if (given.count) return;
                        RecordWriter writer(stream, given.format, session.encoding, findKeys, findKeyCount);
                        writeMatch(writer, input, match, session.mask);
                    };
                    if (!findInRanges(file.file, size, options, workers, findRangeSize, out, write, found)) {
                        reportInputProblem(session, "find", input, std::strerror(errno != 0 ? errno : EIO));
                        failed = true;
                    }
                }
                closeInput(file);
                if (given.count && found > 0) {
                    counts.beginRecord();
                    writeFileField(counts, input);
                    counts.integerField(static_cast<long long>(found));
                    counts.endRecord();
                }
                total += found;
                if (out.failed()) break;
                continue;
            }
        }
        beginScan(scanner, options);
        auto first = [&](const char* bytes, std::size_t count) { return !(skipBinary && looksBinary(bytes, count)); };
        auto piece = [&](const char* bytes, std::size_t count, bool final) {
            givePiece(scanner, bytes, count, final);
            ScanMatch match;
            while (nextMatch(scanner, match)) {
                ++found;
                if (given.count) continue;
                if (given.filesWithMatches) {
                    if (input.standardInput)
                        out.write("(standard input)");
                    else
                        out.write(input.name.data(), input.name.size());
                    out.put('\n');
                    return false;  // one is enough
                }
                writeMatch(records, input, match, session.mask);
            }
            return true;
        };
        session.err.flush();
        if (!readPieces(file.file, &out, first, piece)) {
            reportInputProblem(session, "find", input, std::strerror(errno != 0 ? errno : EIO));
            failed = true;
        }
        closeInput(file);
        if (given.count && found > 0) {
            counts.beginRecord();
            writeFileField(counts, input);
            counts.integerField(static_cast<long long>(found));
            counts.endRecord();
        }
        total += found;
        if (out.failed()) break;
    }
    if (given.count) {
        counts.beginRecord();
        counts.nullField();
        counts.integerField(static_cast<long long>(total));
        counts.endRecord();
    }
    return failed ? exitTrouble : total > 0 ? exitSuccess : exitFindings;
}

Command defineFindCommand(CLI::App& idtool) {
    auto arguments = std::make_shared<FindArguments>();
    CLI::App* find =
        idtool.add_subcommand("find", "find identity numbers in text files and folders, one record per match");
    find->add_option("FILE", arguments->files, "files and directories; none or '-' reads standard input")
        ->type_name("");
    CLI::Option* format = addFormatOption(*find, arguments->format);
    CLI::Option* count = find->add_flag("--count", arguments->count,
                                        "write the matches per file and in total, not\nthe matches");
    CLI::Option* files = find->add_flag("--files-with-matches,-l", arguments->filesWithMatches,
                                        "write only the names of the files with a\nmatch, one a line");
    addScanOptions(*find, arguments->scan);
    addWholeNumberOption(*find, "--jobs", arguments->jobs, 1, 1024,
                         "scan a file of 8 MiB or more in ranges with N\n"
                         "workers at once (default: one per processor, at\n"
                         "most 8); 1 reads in one thread. The output is\n"
                         "the same")
        ->type_name("N");
    find->add_flag("--follow", arguments->follow, "follow symbolic links met in a directory");
    find->add_flag("--binary", arguments->binary, "also read the files of a directory that look\nbinary");
    find->footer(findFooter);

    auto settings = std::make_shared<ScanSettings>();
    Command command;
    command.subcommand = find;
    command.checkOptions = [=] {
        if (count->count() > 0 && files->count() > 0)
            throw CLI::ValidationError("--count", "and --files-with-matches: give one of them");
        if (files->count() > 0 && format->count() > 0)
            throw CLI::ValidationError("--files-with-matches", "writes names, one a line: no --format");
        putScanArguments(arguments->scan, Encoding::utf8, *settings);  // throws what the command line refuses
    };
    command.run = [arguments, settings](Session& session) {
        putScanArguments(arguments->scan, session.encoding, *settings);
        ScanOptions options;
        if (!checkScanArguments(*settings, "find", session, options)) return exitTrouble;
        return runFind(*arguments, options, session);
    };
    return command;
}
