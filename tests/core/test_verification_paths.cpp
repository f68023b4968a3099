// The two paths of verifyNumberText give the same outcome, every field of
// it: the plain one, a test after another, and the SSE2 one without a branch
// on the bytes. Every byte at every position of 18-byte texts that reach
// each test, every length 0-20 read from a buffer of exactly the bytes said
// (so that ASan sees a read beyond them), and random numbers near the
// limits.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "core/verification.h"

namespace {

#if defined(__SSE2__)

std::string withCheck(const std::string& stem) { return stem + computeCheckCharacter(stem.c_str()); }

bool sameOutcome(const VerifyOutcome& a, const VerifyOutcome& b) {
    return a.refusal == b.refusal && a.expectedCheck == b.expectedCheck && a.male == b.male &&
           a.wholeLength == b.wholeLength && a.birthDate.year == b.birthDate.year &&
           a.birthDate.month == b.birthDate.month && a.birthDate.day == b.birthDate.day &&
           a.regionCode == b.regionCode;
}

std::string shown(const VerifyOutcome& o) {
    return "{refusal " + std::to_string(static_cast<int>(o.refusal)) + ", check " +
           std::to_string(static_cast<int>(o.expectedCheck)) + ", male " + std::to_string(o.male) + ", length " +
           std::to_string(o.wholeLength) + ", date " + std::to_string(o.birthDate.year) + "-" +
           std::to_string(o.birthDate.month) + "-" + std::to_string(o.birthDate.day) + ", region " +
           std::to_string(o.regionCode) + "}";
}

// Both paths over the first `readLength` bytes of `text`, copied alone into
// a buffer of their size.
::testing::AssertionResult pathsAgree(const std::string& text, int readLength, int wholeLength, int yearLimit) {
    const std::unique_ptr<char[]> held(new char[static_cast<size_t>(readLength)]);
    std::memcpy(held.get(), text.data(), static_cast<size_t>(readLength));
    const VerifyOutcome plain = verifyNumberTextPlain(held.get(), readLength, wholeLength, yearLimit);
    const VerifyOutcome wide = verifyNumberTextSse2(held.get(), readLength, wholeLength, yearLimit);
    if (sameOutcome(plain, wide)) return ::testing::AssertionSuccess();
    std::string bytes;
    for (char c : text.substr(0, static_cast<size_t>(readLength)))
        bytes += c >= ' ' && c <= '~' ? std::string(1, c) : "\\" + std::to_string(static_cast<unsigned char>(c));
    return ::testing::AssertionFailure() << '"' << bytes << "\" read " << readLength << ", whole " << wholeLength
                                         << ", limit " << yearLimit << ": plain " << shown(plain) << ", SSE2 "
                                         << shown(wide);
}

const int yearLimits[] = {INT_MIN, -1, 0, 1949, 2026, 9999, INT_MAX};

// Texts that pass each test up to a different one: accepted, refused for
// the date (by its year, month and day), for the check and for the last
// character, and a limit year's last day.
const std::string bases[] = {
    "11010519491231002X",         withCheck("65900420301231998"), withCheck("11010120310101001"),
    withCheck("11010119901301001"), withCheck("11010119900132001"), "110105194912310021",
    "11010519491231002x",         withCheck("41900100000000999"), withCheck("99999999999999999"),
};

TEST(VerificationPaths, EveryByteAtEveryPositionOf18) {
    for (const std::string& base : bases) {
        for (int position = 0; position < numberLength; ++position) {
            std::string text = base;
            for (int byte = 0; byte < 256; ++byte) {
                text[static_cast<size_t>(position)] = static_cast<char>(byte);
                for (int limit : yearLimits) ASSERT_TRUE(pathsAgree(text, 18, 18, limit));
                // Read in full but longer or shorter as a whole.
                ASSERT_TRUE(pathsAgree(text, 18, 19, 2026));
                ASSERT_TRUE(pathsAgree(text, 18, 17, 2026));
            }
        }
    }
}

TEST(VerificationPaths, EveryLengthFrom0To20) {
    const std::string digits = "1101051949123100290123";
    for (const std::string& base : bases) {
        const std::string text = base + "77";
        for (int length = 0; length <= 20; ++length) {
            for (int limit : yearLimits) ASSERT_TRUE(pathsAgree(text, length, length, limit));
            // Held in part, as idtool holds a long line (at least 18 bytes of a
            // text of 18 are read), or read beyond the text.
            ASSERT_TRUE(pathsAgree(text, length, INT_MAX, 2026));
            if (length + 1 != numberLength) {
                ASSERT_TRUE(pathsAgree(text, length, length + 1, 2026));
            }
            if (length > 0) {
                ASSERT_TRUE(pathsAgree(text, length, length - 1, 2026));
            }
            ASSERT_TRUE(pathsAgree(digits, length, length, 2026));
        }
    }
}

TEST(VerificationPaths, RandomNumbersNearEveryLimit) {
    uint64_t state = 11;
    const auto draw = [&state](unsigned below) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<unsigned>(state >> 33) % below;
    };
    for (int round = 0; round < 200000; ++round) {
        char stem[stemLength + 1];
        // Years and months and days around their limits, all else digits.
        std::snprintf(stem, sizeof stem, "%06u%04u%02u%02u%03u", draw(1000000), 2020 + draw(15), 10 + draw(5),
                      28 + draw(6), draw(1000));
        std::string text = withCheck(stem);
        switch (draw(8)) {
        case 0:  // a stray byte anywhere
            text[draw(18)] = static_cast<char>(draw(256));
            break;
        case 1:  // another last character
            text[17] = "0123456789XxY\0"[draw(14)];
            break;
        case 2:  // a digit changed
            text[draw(17)] = static_cast<char>('0' + draw(10));
            break;
        default:
            break;
        }
        ASSERT_TRUE(pathsAgree(text, 18, 18, 2020 + static_cast<int>(draw(15))));
    }
}

#else

TEST(VerificationPaths, OnlyThePlainPathOnThisTarget) {
    GTEST_SKIP() << "no SSE2 here: verifyNumberText is the plain path";
}

#endif

}  // namespace
