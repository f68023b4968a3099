// The scan's shared options, the walk of directories and the reading in
// pieces, for find and redact.
#include "programs/idtool/scan_command.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/generation_messages.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/system_io.h"

namespace fs = std::filesystem;

const char* const idtoolScanWords[scanSettingCount] = {
    "--input-encoding", "--fifteen-digits", "--min-confidence", "--as-of",         "--way",
    "--mask-keep FIRST", "--mask-keep LAST", "--label",         "the key (--key-file or --key-env)",
    "--token-alphabet", "--token-length",   "--keep"};

void addScanOptions(CLI::App& command, ScanArguments& arguments) {
    command
        .add_option("--input-encoding", arguments.inputEncoding,
                    "utf8, gbk or auto (each line as UTF-8 when it\n"
                    "is valid UTF-8, else GBK); by default the\n"
                    "output encoding (--encoding)")
        ->check(CLI::IsMember({"utf8", "gbk", "auto"}))
        ->type_name("ENCODING");
    command.add_flag("--fifteen-digits", arguments.fifteenDigits,
                     "also find 15-digit numbers of the old format\n(together or 6-6-3)");
    command
        .add_option("--min-confidence", arguments.minConfidence,
                    "low, medium (the default: valid numbers) or\nhigh (valid, after a keyword such as 身份证)")
        ->check(CLI::IsMember({"low", "medium", "high"}))
        ->type_name("LEVEL");
    command.add_flag("--include-invalid", arguments.includeInvalid,
                     "the same as --min-confidence low: numbers\n"
                     "whose check character or region fails too");
    command.add_option("--as-of", arguments.asOf, "YYYYMMDD: no birth date after it counts\n(default: today)")
        ->type_name("DATE");
}

int64_t todayAsDate() {
    const BirthDate today = localDate(time(nullptr));
    return static_cast<int64_t>(today.year) * 10000 + today.month * 100 + today.day;
}

void putScanArguments(const ScanArguments& arguments, Encoding outputEncoding, ScanSettings& settings) {
    clearScanSettings(settings);
    const std::string& encoding = arguments.inputEncoding;
    setScanInteger(settings, ScanSetting::encoding,
                   encoding == "auto"  ? 2
                   : encoding == "gbk" ? 1
                   : encoding.empty()  ? (outputEncoding == Encoding::gbk ? 1 : 0)
                                       : 0);
    if (arguments.fifteenDigits) setScanInteger(settings, ScanSetting::fifteenDigits, 1);
    if (arguments.includeInvalid && !arguments.minConfidence.empty() && arguments.minConfidence != "low")
        throw CLI::ValidationError("--include-invalid", "is --min-confidence low: give one of them");
    if (arguments.includeInvalid) setScanInteger(settings, ScanSetting::minConfidence, 1);
    if (!arguments.minConfidence.empty())
        setScanInteger(settings, ScanSetting::minConfidence,
                       arguments.minConfidence == "low" ? 1 : arguments.minConfidence == "high" ? 3 : 2);
    if (!arguments.asOf.empty()) {
        uint64_t date = 0;
        if (arguments.asOf.size() != 8 || !parseUnsigned(arguments.asOf, date))
            throw CLI::ValidationError("--as-of", "must be a date YYYYMMDD, not " + arguments.asOf);
        setScanInteger(settings, ScanSetting::asOfDate, static_cast<int64_t>(date));
    }
}

bool checkScanArguments(const ScanSettings& settings, const char* command, Session& session, ScanOptions& options) {
    const int64_t today = todayAsDate();
    const BirthDate todayDate{static_cast<int>(today / 10000), static_cast<int>(today / 100 % 100),
                              static_cast<int>(today % 100)};
    const ScanCheck check = checkScanSettings(settings, todayDate, options);
    if (check.refusal == ScanRefusal::none) return true;
    char message[generationMessageCapacity];
    const std::size_t length = writeScanRefusal(message, sizeof message, check, settings, idtoolScanWords);
    OutputStream& err = beginMessage(session);
    err.write(command);
    err.write(": ");
    writeText(err, message, length, session.encoding);
    endMessage(session);
    return false;
}

void reportInputProblem(Session& session, const char* command, const ScanInput& input, const char* reason) {
    OutputStream& err = beginMessage(session);
    err.write(command);
    err.write(": ");
    if (input.standardInput)
        err.write("standard input");
    else
        writeArgument(err, input.name.c_str(), session.encoding);
    err.write(": ");
    err.write(reason);
    endMessage(session);
}

namespace {

std::string nameOf(const fs::path& path) {
#ifdef _WIN32
    return path.u8string();
#else
    return path.string();
#endif
}

fs::path pathOf(const std::string& name) {
#ifdef _WIN32
    return fs::u8path(name);
#else
    return fs::path(name);
#endif
}

// A name found in a walk: the directory's name as given, '/' and the entry's
// name, the same on every system (Windows takes '/' too).
std::string childName(const std::string& directory, const fs::path& child) {
    const char last = directory.empty() ? '/' : directory.back();
    return directory + (last == '/' || last == '\\' ? "" : "/") + nameOf(child.filename());
}

void walkDirectory(const fs::path& directory, const std::string& directoryName, bool followLinks,
                   const char* command, Session& session, std::vector<ScanInput>& inputs, bool& failed, int depth) {
    auto problem = [&](const std::string& name, const std::error_code& error) {
        ScanInput named;
        named.name = name;
        reportInputProblem(session, command, named, error.message().c_str());
        failed = true;
    };
    // A loop of links followed ends here rather than in a full stack.
    if (depth > 100) {
        problem(directoryName, std::make_error_code(std::errc::too_many_symbolic_link_levels));
        return;
    }
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) {
        problem(directoryName, error);
        return;
    }
    std::vector<fs::path> children;
    for (const fs::directory_entry& entry : entries) children.push_back(entry.path());
    std::sort(children.begin(), children.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().native() < b.filename().native(); });
    for (const fs::path& child : children) {
        const std::string name = childName(directoryName, child);
        const fs::file_status own = fs::symlink_status(child, error);
        if (error) {
            problem(name, error);
            continue;
        }
        if (fs::is_symlink(own) && !followLinks) continue;
        const fs::file_status status = fs::is_symlink(own) ? fs::status(child, error) : own;
        if (error) {
            problem(name, error);
            continue;
        }
        if (fs::is_directory(status)) {
            walkDirectory(child, name, followLinks, command, session, inputs, failed, depth + 1);
        } else if (fs::is_regular_file(status)) {
            ScanInput input;
            input.name = name;
            inputs.push_back(std::move(input));
        }
        // Devices, sockets and pipes met in a walk are not read: they may never end.
    }
}

}  // namespace

void collectScanInputs(const std::vector<std::string>& names, bool followLinks, const char* command,
                       Session& session, std::vector<ScanInput>& inputs, bool& failed) {
    static const std::vector<std::string> standardInputOnly{"-"};
    for (const std::string& name : names.empty() ? standardInputOnly : names) {
        ScanInput input;
        input.name = name;
        input.named = true;
        if (name == "-") {
            input.standardInput = true;
            inputs.push_back(input);
            continue;
        }
        std::error_code error;
        const fs::path path = pathOf(name);
        const bool directory = fs::is_directory(path, error);
        if (!error && directory) {
            walkDirectory(path, name, followLinks, command, session, inputs, failed, 0);
            continue;
        }
        inputs.push_back(input);  // opened when read, where a problem is said
    }
}

bool looksBinary(const char* bytes, std::size_t count) {
    return std::memchr(bytes, '\0', count < binaryCheckLength ? count : binaryCheckLength) != nullptr;
}

namespace {

// The bytes of one read, set aside once.
char pieceStorage[scanPieceCapacity];

}  // namespace

bool readPieces(FILE* file, OutputStream* flushFirst, const std::function<bool(const char*, std::size_t)>& first,
                const std::function<bool(const char*, std::size_t, bool)>& piece) {
    bool firstRead = true;
    for (;;) {
        if (flushFirst != nullptr) flushFirst->flush();
        const long long got = readSome(file, pieceStorage, scanPieceCapacity);
        if (got < 0) return false;
        const std::size_t count = static_cast<std::size_t>(got);
        if (firstRead && first && !first(pieceStorage, count)) return true;
        firstRead = false;
        if (!piece(pieceStorage, count, count == 0)) return true;
        if (count == 0) return true;
    }
}
