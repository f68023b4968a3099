// What idtool asks of the operating system: binary standard streams, files
// opened by their (on Windows, wide) names, reads, UTF-16 for a Windows
// console, and arguments in the output encoding.
#include "programs/idtool/system_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <vector>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool fillFileFacts(InputFile& input) {
#ifdef _WIN32
    struct _stat64 facts;
    if (_fstat64(_fileno(input.file), &facts) != 0) return false;
    const bool directory = (facts.st_mode & _S_IFMT) == _S_IFDIR;
    input.regularFile = (facts.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat facts;
    if (fstat(fileno(input.file), &facts) != 0) return false;
    const bool directory = S_ISDIR(facts.st_mode);
    input.regularFile = S_ISREG(facts.st_mode);
#endif
    if (directory) {
        errno = EISDIR;
        return false;
    }
    input.size = input.regularFile && facts.st_size > 0 ? static_cast<uint64_t>(facts.st_size) : 0;
    return true;
}

#ifdef _WIN32
UINT codePageOf(Encoding encoding) { return encoding == Encoding::gbk ? 936 : CP_UTF8; }

std::vector<wchar_t> wideFromUtf8(const char* text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? static_cast<std::size_t>(length) : 1, L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    return wide;
}
#endif

}  // namespace

void prepareStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
}

bool openInput(const char* name, InputFile& input) {
    input = InputFile{name, nullptr, false, false, 0, false};
    errno = 0;
    if (std::strcmp(name, "-") == 0) {
        input.file = stdin;
        input.standardInput = true;
    } else {
#ifdef _WIN32
        input.file = _wfopen(wideFromUtf8(name).data(), L"rb");
#else
        input.file = std::fopen(name, "rb");
#endif
        if (input.file == nullptr) return false;
    }
    if (!fillFileFacts(input)) {
        const int error = errno;
        closeInput(input);
        errno = error;
        return false;
    }
    return true;
}

void closeInput(InputFile& input) {
    if (input.file != nullptr && !input.standardInput) std::fclose(input.file);
    input.file = nullptr;
}

bool openInputAt(InputFile& input) {
    if (input.file != nullptr) return true;
    InputFile opened{};
    if (!openInput(input.name, opened)) {
        if (errno == 0) errno = EIO;  // never "Success" for a file that did not open
        return false;
    }
    input.file = opened.file;
    input.openedWhenRead = true;
    return true;
}

void closeInputAt(InputFile& input) {
    if (!input.openedWhenRead) return;
    closeInput(input);
    input.openedWhenRead = false;
}

bool inputIsStandardOutput(const InputFile& input) {
    if (input.file == nullptr) return false;
#ifdef _WIN32
    HANDLE in = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(input.file)));
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    BY_HANDLE_FILE_INFORMATION inFacts, outFacts;
    if (out == nullptr || out == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(in, &inFacts) ||
        !GetFileInformationByHandle(out, &outFacts))
        return false;
    return inFacts.dwVolumeSerialNumber == outFacts.dwVolumeSerialNumber &&
           inFacts.nFileIndexHigh == outFacts.nFileIndexHigh && inFacts.nFileIndexLow == outFacts.nFileIndexLow;
#else
    struct stat inFacts, outFacts;
    if (fstat(fileno(input.file), &inFacts) != 0 || fstat(STDOUT_FILENO, &outFacts) != 0) return false;
    return S_ISREG(inFacts.st_mode) && inFacts.st_dev == outFacts.st_dev && inFacts.st_ino == outFacts.st_ino;
#endif
}

long long readSome(FILE* file, char* buffer, std::size_t count) {
    if (count > INT_MAX / 2) count = INT_MAX / 2;
    for (;;) {
#ifdef _WIN32
        const int got = _read(_fileno(file), buffer, static_cast<unsigned>(count));
#else
        const ssize_t got = read(fileno(file), buffer, count);
#endif
        if (got >= 0) return got;
        if (errno != EINTR) return -1;
    }
}

long long readAt(FILE* file, uint64_t offset, char* buffer, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const std::size_t want = count - got < std::size_t{1} << 30 ? count - got : std::size_t{1} << 30;
#ifdef _WIN32
        // A positioned read on a handle opened for synchronous reads: it
        // waits for its bytes and leaves the file pointer to nobody.
        HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
        OVERLAPPED position{};
        position.Offset = static_cast<DWORD>(offset + got);
        position.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
        DWORD read = 0;
        if (!ReadFile(handle, buffer + got, static_cast<DWORD>(want), &read, &position)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            errno = EIO;
            return -1;
        }
#else
        const ssize_t read = pread(fileno(file), buffer + got, want, static_cast<off_t>(offset + got));
        if (read < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
#endif
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
    }
    return static_cast<long long>(got);
}

uint64_t currentFileSize(FILE* file) {
#ifdef _WIN32
    struct _stat64 facts;
    if (_fstat64(_fileno(file), &facts) != 0) return 0;
#else
    struct stat facts;
    if (fstat(fileno(file), &facts) != 0) return 0;
#endif
    return facts.st_size > 0 ? static_cast<uint64_t>(facts.st_size) : 0;
}

#ifdef _WIN32
namespace {

bool fileIndexOf(HANDLE handle, BY_HANDLE_FILE_INFORMATION& facts) {
    return handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &facts) != 0;
}

bool fileIndexByName(const char* name, BY_HANDLE_FILE_INFORMATION& facts) {
    HANDLE handle = CreateFileW(wideFromUtf8(name).data(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool known = fileIndexOf(handle, facts);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    return known;
}

bool sameIndex(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace
#endif

bool namesSameFile(const char* a, const char* b) {
#ifdef _WIN32
    BY_HANDLE_FILE_INFORMATION first, second;
    return fileIndexByName(a, first) && fileIndexByName(b, second) && sameIndex(first, second);
#else
    struct stat first, second;
    return stat(a, &first) == 0 && stat(b, &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
#endif
}

bool inputIsFile(const InputFile& input, const char* name) {
    if (input.file == nullptr) return false;
#ifdef _WIN32
    BY_HANDLE_FILE_INFORMATION first, second;
    return fileIndexOf(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(input.file))), first) &&
           fileIndexByName(name, second) && sameIndex(first, second);
#else
    struct stat first, second;
    return fstat(fileno(input.file), &first) == 0 && stat(name, &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
#endif
}

FILE* openOutputFile(const char* name) {
#ifdef _WIN32
    return _wfopen(wideFromUtf8(name).data(), L"wb");
#else
    return std::fopen(name, "wb");
#endif
}

bool replacedName(const char* name, std::string& target) {
#ifdef _WIN32
    target = name;
    return true;
#else
    char* resolved = realpath(name, nullptr);
    if (resolved == nullptr) return false;
    target = resolved;
    std::free(resolved);
    return true;
#endif
}

FILE* createTemporaryBeside(const std::string& target, std::string& temporary) {
    const std::size_t slash = target.find_last_of(
#ifdef _WIN32
        "/\\"
#else
        "/"
#endif
    );
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
#ifdef _WIN32
    struct _stat64 facts;
    if (_wstat64(wideFromUtf8(target.c_str()).data(), &facts) != 0) return nullptr;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "." + base + ".idtool-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(attempt);
        // Created here or not at all: never an existing file.
        const int descriptor = _wopen(wideFromUtf8(temporary.c_str()).data(),
                                      _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (descriptor < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        FILE* file = _fdopen(descriptor, "wb");
        if (file == nullptr) {
            const int error = errno;
            _close(descriptor);
            _wremove(wideFromUtf8(temporary.c_str()).data());
            errno = error;
        }
        return file;
    }
    return nullptr;
#else
    struct stat facts;
    if (stat(target.c_str(), &facts) != 0) return nullptr;
    std::string pattern = folder + "." + base + ".idtool-XXXXXX";
    const int descriptor = mkstemp(&pattern[0]);
    if (descriptor < 0) return nullptr;
    temporary = pattern;
    if (fchmod(descriptor, facts.st_mode & 07777) != 0) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        errno = error;
        return nullptr;
    }
    FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        errno = error;
    }
    return file;
#endif
}

bool syncFile(FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool replaceFile(const std::string& temporary, const std::string& target) {
#ifdef _WIN32
    if (MoveFileExW(wideFromUtf8(temporary.c_str()).data(), wideFromUtf8(target.c_str()).data(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
        return true;
    errno = EACCES;
    return false;
#else
    return std::rename(temporary.c_str(), target.c_str()) == 0;
#endif
}

void removeFile(const std::string& name) {
#ifdef _WIN32
    _wremove(wideFromUtf8(name.c_str()).data());
#else
    unlink(name.c_str());
#endif
}

long long writeToFile(void* context, const char* bytes, std::size_t count, bool) {
    FILE* file = static_cast<FILE*>(context);
    errno = 0;
    if (count > 0 && std::fwrite(bytes, 1, count, file) != count) {
        if (errno == 0) errno = EIO;
        return -1;
    }
    return static_cast<long long>(count);
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    DWORD mode;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

void attachStandardTarget(StandardTarget& target, FILE* file, wchar_t* wideStorage, std::size_t wideCapacity) {
    target.file = file;
    target.wide = wideStorage;
    target.wideCapacity = wideCapacity;
    target.console = nullptr;
#ifdef _WIN32
    HANDLE handle = GetStdHandle(file == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode;
    if (wideStorage != nullptr && handle != INVALID_HANDLE_VALUE && handle != nullptr &&
        GetConsoleMode(handle, &mode))
        target.console = handle;
#endif
}

long long writeToStandardTarget(void* context, const char* bytes, std::size_t count, bool final) {
    auto& target = *static_cast<StandardTarget*>(context);
#ifdef _WIN32
    if (target.console != nullptr) {
        // Whole characters only, so that none is split between two calls.
        const std::size_t piece = final ? count : completePrefixLength(bytes, count, target.encoding);
        if (piece == 0) return 0;
        const int wideCount = MultiByteToWideChar(codePageOf(target.encoding), 0, bytes, static_cast<int>(piece),
                                                  target.wide, static_cast<int>(target.wideCapacity));
        if (wideCount <= 0) {
            errno = EILSEQ;
            return -1;
        }
        for (int done = 0; done < wideCount;) {
            DWORD written = 0;
            if (!WriteConsoleW(target.console, target.wide + done, static_cast<DWORD>(wideCount - done), &written,
                               nullptr) ||
                written == 0) {
                errno = EIO;
                return -1;
            }
            done += static_cast<int>(written);
        }
        return static_cast<long long>(piece);
    }
#endif
    if (std::fwrite(bytes, 1, count, target.file) != count) return -1;
    if (final && std::fflush(target.file) != 0) return -1;
    return static_cast<long long>(count);
}

void writeArgument(OutputStream& out, const char* argument, Encoding encoding) {
#ifdef _WIN32
    char converted[1024];
    if (encoding == Encoding::gbk && argumentInEncoding(argument, encoding, converted, sizeof converted)) {
        out.write(converted);
        return;
    }
#else
    (void)encoding;
#endif
    out.write(argument);
}

bool argumentInEncoding(const char* argument, Encoding encoding, char* out, std::size_t outSize) {
    if (outSize == 0) return false;
#ifdef _WIN32
    if (encoding == Encoding::gbk) {
        const std::vector<wchar_t> wide = wideFromUtf8(argument);
        const int length = WideCharToMultiByte(936, 0, wide.data(), -1, out, static_cast<int>(outSize), nullptr,
                                               nullptr);
        return length > 0;
    }
#else
    (void)encoding;
#endif
    const std::size_t length = std::strlen(argument);
    if (length >= outSize) return false;
    std::memcpy(out, argument, length + 1);
    return true;
}
