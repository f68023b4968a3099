// Helpers of idtool's unit tests: inputs from bytes, and streams whose output
// the test reads back (tests/capturing_stream.h).
#ifndef TESTS_IDTOOL_TEST_SUPPORT_H
#define TESTS_IDTOOL_TEST_SUPPORT_H

#include <cstdio>
#include <string>

#include "programs/idtool/system_io.h"
#include "tests/capturing_stream.h"

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

#endif
