// What find and redact share: the scan's options on the command line (each
// checked by the core's checkScanSettings, in its one order, with idtool's
// own option names in the refusals), the inputs they name (directories
// walked in a stable order), and the reading of one input in pieces through
// one buffer. Offers ScanArguments, addScanOptions, checkScanArguments,
// ScanInput, collectScanInputs, looksBinary and readPieces.
#ifndef PROGRAMS_IDTOOL_SCAN_COMMAND_H
#define PROGRAMS_IDTOOL_SCAN_COMMAND_H

#include <CLI/CLI.hpp>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/scan_settings.h"
#include "programs/idtool/session.h"

struct ScanArguments {
    std::string inputEncoding;  // empty: the output encoding
    bool fifteenDigits = false;
    std::string minConfidence;  // empty: medium
    bool includeInvalid = false;
    std::string asOf;           // YYYYMMDD; empty: today on the local clock
};

// --input-encoding, --fifteen-digits, --min-confidence, --include-invalid, --as-of.
void addScanOptions(CLI::App& command, ScanArguments& arguments);

// The words idtool's refusals name the scan's options by.
extern const char* const idtoolScanWords[scanSettingCount];

// Puts the arguments into `settings` (cleared first) for checkScanSettings;
// throws CLI::ValidationError for what the command line itself refuses.
void putScanArguments(const ScanArguments& arguments, Encoding outputEncoding, ScanSettings& settings);

// Checks the settings; on a refusal writes "idtool: COMMAND: message" and
// returns false.
bool checkScanArguments(const ScanSettings& settings, const char* command, Session& session, ScanOptions& options);

// One input to read: a file's name (UTF-8 on Windows, bytes elsewhere) or
// standard input ("-").
struct ScanInput {
    std::string name;
    bool standardInput = false;
    bool named = false;  // named on the command line, not found in a directory
};

// The inputs the names stand for: standard input for none or "-", a file as
// it is, a directory's files walked depth first, each directory's entries in
// the byte order of their names. Symbolic links found in a directory are
// followed only with `followLinks`. What cannot be read is said ("idtool:
// COMMAND: NAME: reason") and `failed` set; the others are still listed.
void collectScanInputs(const std::vector<std::string>& names, bool followLinks, const char* command,
                       Session& session, std::vector<ScanInput>& inputs, bool& failed);

// As grep and ripgrep judge: a NUL among the first bytes.
constexpr std::size_t binaryCheckLength = 8192;
bool looksBinary(const char* bytes, std::size_t count);

// The most bytes readPieces hands over at once.
constexpr std::size_t scanPieceCapacity = std::size_t{1} << 18;

// Reads `input` in pieces, calling `piece(bytes, count, final)` for each (the
// last may be empty; its bytes stay until the next read). `first(bytes,
// count)`, when given, sees the first piece before it and may stop the
// reading by returning false. Streams are flushed before each read, which
// may wait. Returns false with errno set on a read error.
bool readPieces(FILE* file, OutputStream* flushFirst, const std::function<bool(const char*, std::size_t)>& first,
                const std::function<bool(const char*, std::size_t, bool)>& piece);

// "idtool: COMMAND: NAME: reason" for an input.
void reportInputProblem(Session& session, const char* command, const ScanInput& input, const char* reason);

// YYYYMMDD of the local clock's day.
int64_t todayAsDate();

#endif
