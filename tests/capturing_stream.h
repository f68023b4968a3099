// Output streams whose bytes a test reads back, for the tests of the record
// writing and of the programs.
#ifndef TESTS_CAPTURING_STREAM_H
#define TESTS_CAPTURING_STREAM_H

#include <cstddef>
#include <string>

#include "records/output_stream.h"

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
