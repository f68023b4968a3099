// What idtool needs of the operating system: opening and reading inputs,
// writing the standard streams (as UTF-16 to a Windows console, as bytes
// everywhere else), and whether standard error is a terminal.
//
// Inside the program, command-line arguments and file names are UTF-8; on
// Windows they come from the wide command line and files are opened by their
// wide names.
#ifndef PROGRAMS_IDTOOL_SYSTEM_IO_H
#define PROGRAMS_IDTOOL_SYSTEM_IO_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "records/output_stream.h"
#include "core/text_encoding.h"

// UTF-8's byte-order mark, which an input may start with; verify drops it.
constexpr std::size_t byteOrderMarkLength = 3;
inline bool startsWithByteOrderMark(const char* bytes, std::size_t size) {
    return size >= byteOrderMarkLength && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF';
}

struct InputFile {
    const char* name;      // as given on the command line; "-" is standard input
    FILE* file;
    bool standardInput;
    bool regularFile;      // a regular file, whose size is known
    uint64_t size;         // bytes, for a regular file
    bool openedWhenRead = false;  // opened by openInputAt, closed by closeInputAt
};

// Standard streams in binary mode (no CRLF translation, no end at ^Z), and
// without stdio's own buffering of the output: the program buffers itself.
void prepareStandardStreams();

// Opens `name` ("-": standard input) for reading in binary mode. Returns false
// with errno set when it cannot, also for a directory.
bool openInput(const char* name, InputFile& input);
void closeInput(InputFile& input);

// For readers that open their inputs one at a time, when they reach them
// (so that any number of files can be read, whatever the limit of open
// files): opens a checked input that is not open, with errno set on
// failure; closes it again when it was opened here.
bool openInputAt(InputFile& input);
void closeInputAt(InputFile& input);

// Whether the input is the very file standard output writes to (as in
// `idtool verify f >> f`, which would read its own output without end).
bool inputIsStandardOutput(const InputFile& input);

// Reads up to `count` bytes, as many as are ready (a terminal or a pipe may
// give fewer). Returns the number read, 0 at the end, -1 on error (errno set).
long long readSome(FILE* file, char* buffer, std::size_t count);

// Reads up to `count` bytes from `offset` of a regular file, without moving
// its position, so that several threads may read one file at once. Returns
// the number read (fewer only at the file's end), 0 at or past the end, -1 on
// error (errno set).
long long readAt(FILE* file, uint64_t offset, char* buffer, std::size_t count);

// The size a regular file has now (it may have changed since it was
// checked), or 0 when it cannot be told.
uint64_t currentFileSize(FILE* file);

bool standardErrorIsTerminal();

// Files written by redact. Whether two names are one file (the same device
// and inode; on Windows the same volume and file index); false when either
// is missing.
bool namesSameFile(const char* a, const char* b);
// Whether the open input is the file `name`.
bool inputIsFile(const InputFile& input, const char* name);
// Opens `name` for writing, emptied ("wb"); null with errno set.
FILE* openOutputFile(const char* name);
// The name a file is replaced under: the target of its symbolic links
// (POSIX), else the name; false with errno set when it cannot be told.
bool replacedName(const char* name, std::string& target);
// A new file beside `target` (".NAME.idtool-XXXXXX" in its folder) with the
// target's permission bits, for writing; its name in `temporary`. Null with
// errno set.
FILE* createTemporaryBeside(const std::string& target, std::string& temporary);
// Writes the file's bytes through to the disk (fsync); false with errno set.
bool syncFile(FILE* file);
// Renames `temporary` over `target` in one step; false with errno set.
bool replaceFile(const std::string& temporary, const std::string& target);
void removeFile(const std::string& name);
// A SinkFunction over a FILE* (the context): its bytes written as they are.
long long writeToFile(void* file, const char* bytes, std::size_t count, bool final);

// Where an output stream's bytes go: standard output or error, as bytes, or
// converted to UTF-16 from the output encoding when it is a Windows console.
struct StandardTarget {
    FILE* file = nullptr;
    Encoding encoding = Encoding::utf8;
    void* console = nullptr;       // Windows: the console's handle when it is one
    wchar_t* wide = nullptr;       // Windows: room for one converted buffer
    std::size_t wideCapacity = 0;  // at least the stream's capacity
};

void attachStandardTarget(StandardTarget& target, FILE* file, wchar_t* wideStorage, std::size_t wideCapacity);
// A SinkFunction; the context is a StandardTarget.
long long writeToStandardTarget(void* target, const char* bytes, std::size_t count, bool final);

// Writes a command-line argument (UTF-8 inside the program) in the output
// encoding. Elsewhere than on Windows, arguments are bytes as the shell gave
// them and are written unchanged.
void writeArgument(OutputStream& out, const char* argument, Encoding encoding);

// The argument in the output encoding, NUL-terminated, in `out`; false when it
// does not fit.
bool argumentInEncoding(const char* argument, Encoding encoding, char* out, std::size_t outSize);

#endif
