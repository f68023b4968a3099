// Helpers of idtool's unit tests: inputs from bytes, and streams whose output
// the test reads back.
#ifndef TESTS_IDTOOL_TEST_SUPPORT_H
#define TESTS_IDTOOL_TEST_SUPPORT_H

#include <cstdio>
#include <string>

#include "records/output_stream.h"
#include "programs/idtool/system_io.h"

// An input holding `bytes`, in a temporary file that is removed when closed.
// file is null when no temporary file can be made.
struct TemporaryInput {
    explicit TemporaryInput(const std::string& bytes, const char* name = "input") {
        input = InputFile{name, std::tmpfile(), false, true, bytes.size()};
        if (input.file == nullptr) return;
        std::fwrite(bytes.data(), 1, bytes.size(), input.file);
        std::rewind(input.file);  // flushes, and the reader reads from the start
    }
    ~TemporaryInput() {
        if (input.file != nullptr) std::fclose(input.file);
    }
    TemporaryInput(const TemporaryInput&) = delete;
    TemporaryInput& operator=(const TemporaryInput&) = delete;

    InputFile input;
};

// A sink that appends to a std::string; `taken` limits how much one call
// takes (as a console sink that leaves a split character for later).
struct CapturedOutput {
    std::string bytes;
    std::size_t takeAtMost = static_cast<std::size_t>(-1);

    static long long sink(void* context, const char* data, std::size_t count, bool final) {
        auto& self = *static_cast<CapturedOutput*>(context);
        const std::size_t taken = final || count <= self.takeAtMost ? count : self.takeAtMost;
        self.bytes.append(data, taken);
        return static_cast<long long>(taken);
    }
};

// An output stream into a CapturedOutput, with its own storage.
template <std::size_t capacity = 4096>
struct CapturingStream {
    CapturedOutput captured;
    char storage[capacity];
    OutputStream stream{storage, capacity, CapturedOutput::sink, &captured};

    const std::string& text() {
        stream.flush();
        return captured.bytes;
    }
};

#endif
