// formatMessage: every "%s" becomes the decimal number, and the result is cut
// to the buffer, whatever the number and the buffer's size.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/verification.h"

namespace {

struct FormatCase {
    const char* text;
    long long number;
    int size;  // of the buffer, terminator included
    const char* expected;
};

const FormatCase formatCases[] = {
    {"no figure", 19, 64, "no figure"},
    {"%s", 0, 64, "0"},
    {"length %s, not 18", 19, 64, "length 19, not 18"},
    {"%s and %s", -7, 64, "-7 and -7"},
    {"[%s]", LLONG_MIN, 64, "[-9223372036854775808]"},
    {"[%s]", LLONG_MAX, 64, "[9223372036854775807]"},
    {"a lone % and %d stay", 5, 64, "a lone % and %d stay"},
    {"trailing %", 5, 64, "trailing %"},
    // Cut to the buffer: inside the text, inside the number, and nothing.
    {"length %s, not 18", 123456, 5, "leng"},
    {"length %s, not 18", 123456, 11, "length 123"},
    {"length %s, not 18", 19, 1, ""},
};

}  // namespace

TEST(FormatMessage, FillsInTheNumberAndCutsToTheBuffer) {
    for (const FormatCase& c : formatCases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.number) + " / " + std::to_string(c.size));
        char out[64];
        std::memset(out, '#', sizeof out);
        const int written = formatMessage(out, c.size, c.text, c.number);
        EXPECT_STREQ(out, c.expected);
        EXPECT_EQ(written, static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(FormatMessage, AnEmptyBufferIsLeftAlone) {
    char out = '#';
    EXPECT_EQ(formatMessage(&out, 0, "%s", 1), 0);
    EXPECT_EQ(out, '#');
}
