// idtool redact: the text of files or standard input with every number
// found replaced (the core's redaction: every other byte as it was), to
// standard output, to --output FILE, or over each file (--in-place) through
// a temporary file renamed over it.
#include "programs/idtool/redact_command.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/scanner.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/parallel_scan.h"
#include "programs/idtool/parallel_verify.h"
#include "programs/idtool/scan_command.h"
#include "programs/idtool/system_io.h"

namespace {

const char redactFooter[] =
    "Inputs: FILEs in order (a directory's files walked as find walks them, binary\n"
    "ones skipped); none or '-' reads standard input. Each input is a text of its\n"
    "own: its matches are replaced and every other byte is written as it was, in\n"
    "the input's own encoding (GBK text stays GBK: a label is written in GBK).\n"
    "Without --output or --in-place the texts go to standard output one after\n"
    "another. On a pipe (tail -f log | idtool redact) each piece read is written\n"
    "as soon as it is decided: all of it but, at most, the last few hundred bytes\n"
    "that may still be the start of a number, which wait for what follows.\n"
    "\n"
    "The ways (--way):\n"
    "  mask       the first and last characters kept (--mask-keep FIRST,LAST,\n"
    "             default 6,4), each one between written '*' as wide as it was,\n"
    "             separators kept\n"
    "  label      the text of --label (default [身份证号]) in place of each\n"
    "  token      HMAC-SHA-256 of the 18-character number under the key, its first\n"
    "             --token-length characters (default 16) in --token-alphabet hex\n"
    "             (the default) or base32: the same number gives the same token\n"
    "  pseudonym  another valid number chosen by the key, the same for the same\n"
    "             number and never one for two; it keeps what --keep names of\n"
    "             region, birth_year and sex (default all; none for nothing)\n"
    "A mask leaks the kept characters (by default region and last digits: about\n"
    "10^4 candidates given a birth year); a label leaks only the place; a token\n"
    "and a pseudonym are safe while the key is secret (a plain hash is not: there\n"
    "are only about 10^10 plausible numbers).\n"
    "\n"
    "Keys (token and pseudonym): at least 16 bytes, from --key-file FILE (its\n"
    "bytes, without one final line end: LF or CRLF) or --key-env NAME (the\n"
    "variable's bytes); never on the command line, where other users and shell\n"
    "histories see it. A missing, empty or short key is refused before anything\n"
    "is written.\n"
    "\n"
    "--in-place: each file's redaction is written to a new file beside it\n"
    "(.NAME.idtool-XXXXXX), flushed to the disk, then renamed over the file in one\n"
    "step: an interrupted run (killed, a full disk) leaves the file as it was,\n"
    "never in part (a run killed with -9 may leave the temporary file behind). The\n"
    "new file keeps the file's permission bits, but it belongs to the user who\n"
    "runs idtool, without the old one's ACLs or extended attributes; a symbolic\n"
    "link is followed and its target replaced; other hard links to the file keep\n"
    "the old, unredacted text. A file that fails is said on standard error, left\n"
    "as it was, and the others are still done.\n"
    "\n"
    "--summary writes to standard error the counts of what was replaced, by\n"
    "confidence and form, never a number.\n"
    "\n"
    "--jobs: a regular file of 8 MiB or more is cut into ranges of about 4 MiB at\n"
    "line feeds, N redacted at once, each read from a line at least 2048 bytes\n"
    "before it so that a keyword before its first number is seen; the text is\n"
    "written in input order, the same bytes as --jobs 1 writes. Standard input,\n"
    "pipes and smaller files are read by one thread.\n"
    "\n"
    "Exit status: 0 when every input was redacted, 2 on an error (a bad option or\n"
    "key, before anything is written; a file that could not be read or written)." SEE_MAIN_HELP;


// A key of a file is at most this long: a longer file is no key.
constexpr std::size_t keyFileLimit = 4096;

void parseMaskKeep(const std::string& text, ScanSettings& settings) {
    const std::size_t comma = text.find(',');
    uint64_t first = 0, last = 0;
    if (comma == std::string::npos || !parseUnsigned(text.substr(0, comma), first) ||
        !parseUnsigned(text.substr(comma + 1), last) || first > 1000 || last > 1000)
        throw CLI::ValidationError("--mask-keep", "must be FIRST,LAST: two whole numbers, not " + text);
    setScanInteger(settings, ScanSetting::maskFirst, static_cast<int64_t>(first));
    setScanInteger(settings, ScanSetting::maskLast, static_cast<int64_t>(last));
}

void parseKeep(const std::string& text, ScanSettings& settings) {
    int64_t keep = 0;
    if (text != "none") {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = text.find(',', start);
            const std::string word = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (word == "region")
                keep |= PseudonymKeep::region;
            else if (word == "birth_year")
                keep |= PseudonymKeep::birthYear;
            else if (word == "sex")
                keep |= PseudonymKeep::sex;
            else
                throw CLI::ValidationError("--keep", "names region, birth_year and sex (or none), not '" + word + "'");
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    setScanInteger(settings, ScanSetting::keep, keep);
}

// The redaction's settings from the command line; throws what the command
// line itself refuses. The key is read later, in run.
void putRedactArguments(const RedactArguments& given, Encoding outputEncoding, ScanSettings& settings) {
    putScanArguments(given.scan, outputEncoding, settings);
    const std::string way = given.way.empty() ? "mask" : given.way;
    setScanInteger(settings, ScanSetting::redaction,
                   way == "label" ? 1 : way == "token" ? 2 : way == "pseudonym" ? 3 : 0);
    auto onlyFor = [&](bool present, const char* option, const char* forWay) {
        if (present && way != forWay)
            throw CLI::ValidationError(option, std::string("is for --way ") + forWay + ", not " + way);
    };
    onlyFor(!given.maskKeep.empty(), "--mask-keep", "mask");
    onlyFor(given.labelGiven, "--label", "label");
    onlyFor(!given.tokenAlphabet.empty(), "--token-alphabet", "token");
    onlyFor(!given.tokenLength.empty(), "--token-length", "token");
    onlyFor(!given.keep.empty(), "--keep", "pseudonym");
    if (!given.keyFile.empty() && !given.keyEnvironment.empty())
        throw CLI::ValidationError("--key-file", "and --key-env: give one of them");
    if (!given.maskKeep.empty()) parseMaskKeep(given.maskKeep, settings);
    if (given.labelGiven) setScanText(settings, ScanSetting::label, given.label.data(), given.label.size());
    if (!given.tokenAlphabet.empty())
        setScanInteger(settings, ScanSetting::tokenAlphabet, given.tokenAlphabet == "base32" ? 1 : 0);
    if (!given.tokenLength.empty()) {
        uint64_t length = 0;
        if (!parseUnsigned(given.tokenLength, length) || length > 1000)
            throw CLI::ValidationError("--token-length", "must be a whole number, not " + given.tokenLength);
        setScanInteger(settings, ScanSetting::tokenLength, static_cast<int64_t>(length));
    }
    if (!given.keep.empty()) parseKeep(given.keep, settings);
}

void refuse(Session& session, const std::string& message) {
    beginMessage(session).write("redact: ");
    writeArgument(session.err, message.c_str(), session.encoding);
    endMessage(session);
}

// The key from --key-file or --key-env into the settings; false (said) when
// it cannot be read.
bool readKey(const RedactArguments& given, Session& session, ScanSettings& settings) {
    if (!given.keyEnvironment.empty()) {
        const char* value = std::getenv(given.keyEnvironment.c_str());
        if (value == nullptr) {
            refuse(session, "--key-env: the environment has no variable " + given.keyEnvironment);
            return false;
        }
        setScanText(settings, ScanSetting::key, value, std::strlen(value));
        return true;
    }
    if (given.keyFile.empty()) return true;
    InputFile file{};
    if (!openInput(given.keyFile.c_str(), file)) {
        refuse(session, "--key-file: " + given.keyFile + ": " + std::strerror(errno != 0 ? errno : EIO));
        return false;
    }
    static char key[keyFileLimit + 1];
    std::size_t length = 0;
    for (;;) {
        const long long got = readSome(file.file, key + length, sizeof key - length);
        if (got < 0) {
            closeInput(file);
            refuse(session, "--key-file: " + given.keyFile + ": " + std::strerror(errno));
            return false;
        }
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
        if (length == sizeof key) break;
    }
    closeInput(file);
    if (length > keyFileLimit) {
        refuse(session, "--key-file: " + given.keyFile + ": longer than 4096 bytes, which is no key");
        return false;
    }
    // One final line end (LF or CRLF), as an editor leaves it, is no part of the key.
    if (length > 0 && key[length - 1] == '\n') {
        --length;
        if (length > 0 && key[length - 1] == '\r') --length;
    }
    setScanText(settings, ScanSetting::key, key, length);
    std::memset(key, 0, sizeof key);
    return true;
}

Scanner scanner;
// The redaction of one piece: room for the most the scanner writes of it.
char redacted[redactionRoom(scanPieceCapacity)];

// Redacts one input into `out`, a large regular file in ranges by `workers`
// threads; false with errno set on a read error, or with `crypto` set when
// the system's cryptography failed. A file found in a directory that looks
// binary is left alone: `skipped`, nothing written.
bool redactInput(const InputFile& file, const ScanInput& input, const ScanOptions& options, int workers,
                 OutputStream& out, OutputStream* flushFirst, ScanSummary& total, bool& crypto, bool& skipped) {
    crypto = false;
    skipped = false;
    if (workers > 1 && file.regularFile) {
        const uint64_t size = currentFileSize(file.file);
        char head[binaryCheckLength];
        const long long headLength = size >= parallelFindMinimum ? readAt(file.file, 0, head, sizeof head) : 0;
        if (headLength < 0) return false;
        if (headLength > 0) {
            skipped = !input.named && looksBinary(head, static_cast<std::size_t>(headLength));
            if (skipped) return true;
            return redactInRanges(file.file, size, options, workers, findRangeSize, out, total, crypto);
        }
    }
    beginScan(scanner, options);
    auto first = [&](const char* bytes, std::size_t count) {
        skipped = !input.named && looksBinary(bytes, count);
        return !skipped;
    };
    auto piece = [&](const char* bytes, std::size_t count, bool final) {
        std::size_t written = 0;
        if (!redactPiece(scanner, bytes, count, final, redacted, written)) {
            crypto = true;
            return false;
        }
        out.write(redacted, written);
        return !out.failed();
    };
    const bool read = readPieces(file.file, flushFirst, first, piece);
    addScanSummary(total, scanner.summary);
    return read;
}

void writeRedactSummary(Session& session, const ScanSummary& summary) {
    OutputStream& err = beginMessage(session);
    err.write("redact: ");
    err.writeDecimal(summary.matches);
    err.write(" replaced: ");
    const char* confidences[] = {"low", "medium", "high"};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) err.write(", ");
        err.writeDecimal(summary.byConfidence[i + 1]);
        err.put(' ');
        err.write(confidences[i]);
    }
    err.write("; ");
    err.writeDecimal(summary.plain);
    err.write(" plain");
    const char* forms[] = {"fullwidth", "lowercase_x", "separated", "fifteen_digits"};
    for (int i = 0; i < 4; ++i) {
        err.write(", ");
        err.writeDecimal(summary.byForm[i]);
        err.put(' ');
        err.write(forms[i]);
    }
    err.write("; ");
    err.writeDecimal(summary.bytes);
    err.write(" bytes read");
    endMessage(session);
}

// Storage of the stream that writes a file (--output, --in-place).
char fileStorage[std::size_t{1} << 16];

int redactInPlace(const ScanInput& input, const ScanOptions& options, int workers, Session& session,
                  ScanSummary& total) {
    if (input.standardInput) {
        reportInputProblem(session, "redact", input, "--in-place needs files, not standard input");
        return exitTrouble;
    }
    std::string target, temporary;
    InputFile source{};
    if (!replacedName(input.name.c_str(), target) || !openInput(target.c_str(), source)) {
        reportInputProblem(session, "redact", input, std::strerror(errno != 0 ? errno : EIO));
        return exitTrouble;
    }
    if (!source.regularFile) {
        closeInput(source);
        reportInputProblem(session, "redact", input, "--in-place replaces regular files only");
        return exitTrouble;
    }
    FILE* file = createTemporaryBeside(target, temporary);
    if (file == nullptr) {
        closeInput(source);
        reportInputProblem(session, "redact", input, std::strerror(errno != 0 ? errno : EIO));
        return exitTrouble;
    }
    OutputStream out(fileStorage, sizeof fileStorage, writeToFile, file);
    bool crypto = false, skipped = false;
    errno = 0;
    const bool read = redactInput(source, input, options, workers, out, nullptr, total, crypto, skipped);
    const int readError = errno;
    closeInput(source);
    if (read && skipped) {
        std::fclose(file);
        removeFile(temporary);
        return exitSuccess;
    }
    const bool written = !crypto && read && out.flush() && syncFile(file);
    const int writeError = out.failed() ? out.errorNumber() : errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !replaceFile(temporary, target)) {
        const int error = !read ? readError : !written ? writeError : errno;
        removeFile(temporary);
        reportInputProblem(session, "redact", input,
                           crypto ? "the system's cryptography failed" : std::strerror(error != 0 ? error : EIO));
        return exitTrouble;
    }
    return exitSuccess;
}

}  // namespace

int runRedact(const RedactArguments& given, const ScanOptions& options, Session& session) {
    std::vector<ScanInput> inputs;
    bool failed = false;
    collectScanInputs(given.files, false, "redact", session, inputs, failed);
    ScanSummary total{};
    const int workers = workerCount(static_cast<int>(given.jobs));
    if (given.inPlace) {
        for (const ScanInput& input : inputs)
            if (redactInPlace(input, options, workers, session, total) != exitSuccess) failed = true;
        if (given.summary) writeRedactSummary(session, total);
        return failed ? exitTrouble : exitSuccess;
    }
    // Every input is checked before anything is written: none may be the output.
    for (const ScanInput& input : inputs) {
        if (input.standardInput) continue;
        InputFile file{};
        if (!openInput(input.name.c_str(), file)) {
            reportInputProblem(session, "redact", input, std::strerror(errno != 0 ? errno : EIO));
            return exitTrouble;
        }
        const bool loop = given.output.empty() ? inputIsStandardOutput(file) : inputIsFile(file, given.output.c_str());
        closeInput(file);
        if (loop) {
            reportInputProblem(session, "redact", input, "is the output file");
            return exitTrouble;
        }
    }
    FILE* outputFile = nullptr;
    if (!given.output.empty()) {
        outputFile = openOutputFile(given.output.c_str());
        if (outputFile == nullptr) {
            refuse(session, "--output: " + given.output + ": " + std::strerror(errno != 0 ? errno : EIO));
            return exitTrouble;
        }
    }
    OutputStream fileOut(fileStorage, sizeof fileStorage, writeToFile, outputFile);
    OutputStream& out = outputFile != nullptr ? fileOut : session.out;
    for (const ScanInput& input : inputs) {
        InputFile file{};
        if (!openInput(input.name.c_str(), file)) {
            reportInputProblem(session, "redact", input, std::strerror(errno != 0 ? errno : EIO));
            failed = true;
            continue;
        }
        session.err.flush();
        bool crypto = false, skipped = false;
        errno = 0;
        if (!redactInput(file, input, options, workers, out, &out, total, crypto, skipped) && !out.failed()) {
            reportInputProblem(session, "redact", input, std::strerror(errno != 0 ? errno : EIO));
            failed = true;
        }
        closeInput(file);
        if (crypto) {
            reportInputProblem(session, "redact", input, "the system's cryptography failed");
            failed = true;
            break;
        }
        if (out.failed()) break;
    }
    if (outputFile != nullptr) {
        const bool written = fileOut.flush() && std::fflush(outputFile) == 0;
        const int error = fileOut.failed() ? fileOut.errorNumber() : errno;
        if (std::fclose(outputFile) != 0 || !written) {
            refuse(session, "--output: " + given.output + ": " + std::strerror(error != 0 ? error : EIO));
            failed = true;
        }
    }
    if (given.summary) writeRedactSummary(session, total);
    return failed ? exitTrouble : exitSuccess;
}

Command defineRedactCommand(CLI::App& idtool) {
    auto arguments = std::make_shared<RedactArguments>();
    CLI::App* redact = idtool.add_subcommand("redact", "write text with every identity number replaced");
    redact->add_option("FILE", arguments->files, "files (or directories); none or '-' reads standard\ninput")
        ->type_name("");
    CLI::Option* output =
        redact->add_option("--output,-o", arguments->output, "write to FILE, not standard output")->type_name("FILE");
    CLI::Option* inPlace =
        redact->add_flag("--in-place", arguments->inPlace, "replace each FILE by its redaction (see below)");
    redact->add_flag("--summary", arguments->summary, "at the end, write the counts of what was\nreplaced to standard error");
    redact->add_option("--way", arguments->way, "mask (the default), label, token or pseudonym")
        ->check(CLI::IsMember({"mask", "label", "token", "pseudonym"}))
        ->type_name("WAY");
    redact->add_option("--mask-keep", arguments->maskKeep, "mask: characters kept first and last\n(default 6,4)")
        ->type_name("FIRST,LAST");
    redact->add_option("--label", arguments->label, "label: the text written (default [身份证号])")
        ->type_name("TEXT")
        ->each([arguments](const std::string&) { arguments->labelGiven = true; });
    redact->add_option("--token-alphabet", arguments->tokenAlphabet, "token: hex (the default) or base32")
        ->check(CLI::IsMember({"hex", "base32"}))
        ->type_name("ALPHABET");
    redact->add_option("--token-length", arguments->tokenLength, "token: its characters, 8 to 64 (base32: 52);\ndefault 16")
        ->type_name("N");
    redact->add_option("--keep", arguments->keep, "pseudonym: what it keeps of region,\nbirth_year,sex (default all), or none")
        ->type_name("LIST");
    redact->add_option("--key-file", arguments->keyFile, "token, pseudonym: the key is the file's bytes")
        ->type_name("FILE");
    redact->add_option("--key-env", arguments->keyEnvironment, "token, pseudonym: the key is the variable's\nbytes")
        ->type_name("NAME");
    addScanOptions(*redact, arguments->scan);
    addWholeNumberOption(*redact, "--jobs", arguments->jobs, 1, 1024,
                         "redact a file of 8 MiB or more in ranges with N\n"
                         "workers at once (default: one per processor, at\n"
                         "most 8); 1 reads in one thread. The output is\n"
                         "the same")
        ->type_name("N");
    redact->footer(redactFooter);

    auto settings = std::make_shared<ScanSettings>();
    Command command;
    command.subcommand = redact;
    command.checkOptions = [=] {
        if (output->count() > 0 && inPlace->count() > 0)
            throw CLI::ValidationError("--output", "and --in-place: give one of them");
        if (inPlace->count() > 0 && arguments->files.empty())
            throw CLI::ValidationError("--in-place", "replaces files: name them");
        putRedactArguments(*arguments, Encoding::utf8, *settings);  // throws what the command line refuses
    };
    command.run = [arguments, settings](Session& session) {
        putRedactArguments(*arguments, session.encoding, *settings);
        if (!readKey(*arguments, session, *settings)) return exitTrouble;
        ScanOptions options;
        const bool checked = checkScanArguments(*settings, "redact", session, options);
        std::memset(settings->key.block, 0, sizeof settings->key.block);
        if (!checked) return exitTrouble;
        return runRedact(*arguments, options, session);
    };
    return command;
}
