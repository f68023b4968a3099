// Redaction: each way's replacement in each form and encoding, every other
// byte kept, tokens as HMAC-SHA-256 says, and pseudonyms: valid, keeping
// what is asked, and a bijection over whole domains of numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/found_number.h"
#include "core/pseudonym.h"
#include "core/redaction.h"
#include "tests/core/scan_test_support.h"

namespace {

const std::string number = "11010519491231002X";

std::string wide(const std::string& ascii) {
    std::string out;
    for (const char c : ascii) {
        const unsigned point = 0xFF01u + static_cast<unsigned char>(c) - 0x21u;
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
    return out;
}

ScanOptions way(Redaction redaction) {
    ScanOptions options = testScanOptions();
    options.redaction.way = redaction;
    std::memcpy(options.redaction.labelUtf8, u8"[身份证号]", 14);
    options.redaction.labelUtf8Length = 14;
    const std::string gbk = gbkOf(u8"[身份证号]");
    std::memcpy(options.redaction.labelGbk, gbk.data(), gbk.size());
    options.redaction.labelGbkLength = static_cast<uint8_t>(gbk.size());
    return options;
}

TEST(RedactionMask, KeptCharactersStarsAndWidths) {
    ScanOptions options = way(Redaction::mask);
    EXPECT_EQ(redactAll(options, "a " + number + " b"), "a 110105********002X b");
    EXPECT_EQ(redactAll(options, "110105-19491231-002x"), "110105-********-002x");
    EXPECT_EQ(redactAll(options, wide(number)), wide("110105********002X"));
    options.encoding = ScanEncoding::gbk;
    EXPECT_EQ(redactAll(options, gbkOf(wide(number))), gbkOf(wide("110105********002X")));
    options.encoding = ScanEncoding::utf8;
    options.redaction.maskFirst = 0;
    options.redaction.maskLast = 0;
    EXPECT_EQ(redactAll(options, number), std::string(18, '*'));
    options.redaction.maskFirst = 17;
    EXPECT_EQ(redactAll(options, number), "11010519491231002*");
    // A 15-digit number keeps at most 14 of its characters.
    options.fifteenDigits = true;
    options.redaction.maskFirst = 10;
    options.redaction.maskLast = 7;
    EXPECT_EQ(redactAll(options, "110105491231002"), "1101054912*1002");
}

TEST(RedactionLabel, InTheTextsEncoding) {
    ScanOptions options = way(Redaction::label);
    EXPECT_EQ(redactAll(options, u8"号：" + number + u8"。"), u8"号：[身份证号]。");
    options.encoding = ScanEncoding::automatic;
    const std::string gbkLine = gbkOf(u8"号：") + number + "\n";
    EXPECT_EQ(redactAll(options, gbkLine + u8"号：" + number), gbkOf(u8"号：[身份证号]") + "\n" + u8"号：[身份证号]");
}

TEST(RedactionToken, TheHmacOfTheNumberWhateverItsForm) {
    ScanOptions options = way(Redaction::token);
    unsigned char mac[sha256Length];
    const ByteSpan message{reinterpret_cast<const unsigned char*>(number.data()), number.size()};
    ASSERT_TRUE(hmacSha256(options.redaction.key, &message, 1, mac));
    static const char hex[] = "0123456789abcdef";
    std::string expected;
    for (int i = 0; i < 8; ++i) expected += std::string{hex[mac[i] >> 4], hex[mac[i] & 15]};
    options.fifteenDigits = true;
    for (const std::string& form : {number, std::string("11010519491231002x"), wide(number),
                                    std::string("110105 19491231 002X"), std::string("110105491231002")}) {
        EXPECT_EQ(redactAll(options, form), expected) << form;
    }
    options.redaction.tokenAlphabet = TokenAlphabet::base32;
    options.redaction.tokenLength = 52;
    const std::string base32 = redactAll(options, number);
    ASSERT_EQ(base32.size(), 52u);
    // The first 5 bits of the MAC, then the next 5; the last character holds 1 bit.
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
    EXPECT_EQ(base32[0], alphabet[mac[0] >> 3]);
    EXPECT_EQ(base32[1], alphabet[(mac[0] & 7) << 2 | mac[1] >> 6]);
    EXPECT_EQ(base32[51], alphabet[(mac[31] & 1) << 4]);
}

TEST(RedactionRoom, TheBoundHoldsForTheDensestText) {
    // 15-digit numbers one character apart, each written as a 64-byte label,
    // in pieces of every size: no piece writes more than its room.
    ScanOptions options = way(Redaction::label);
    options.fifteenDigits = true;
    std::memset(options.redaction.labelUtf8, 'L', maxLabelLength);
    options.redaction.labelUtf8Length = maxLabelLength;
    std::string text;
    for (int i = 0; i < 300; ++i) text += "110105491231002,";
    for (const std::size_t piece : {std::size_t{1}, std::size_t{15}, std::size_t{16}, std::size_t{1000}, text.size()}) {
        auto scanner = std::make_unique<Scanner>();
        beginScan(*scanner, options);
        std::vector<char> out;
        std::size_t total = 0;
        for (std::size_t at = 0; at <= text.size(); at += piece) {
            const std::size_t length = std::min(piece, text.size() - std::min(at, text.size()));
            const bool final = at + piece > text.size();
            out.assign(redactionRoom(length) + 64, '\x7F');
            std::size_t written = 0;
            ASSERT_TRUE(redactPiece(*scanner, text.data() + at, length, final, out.data(), written));
            EXPECT_LE(written, redactionRoom(length)) << piece;
            EXPECT_EQ(out[redactionRoom(length)], '\x7F');
            total += written;
            if (final) break;
        }
        EXPECT_EQ(total, 300u * (maxLabelLength + 1)) << piece;
    }
}

TEST(RedactionEveryOtherByte, KeptAsItWas) {
    const ScanOptions options = way(Redaction::label);
    const std::string around = std::string("\xEF\xBB\xBF") + "\xFF\xC0" + std::string(1, '\0') + "\r\n";
    EXPECT_EQ(redactAll(options, around + number + around), around + u8"[身份证号]" + around);
    EXPECT_EQ(redactAll(options, around, Pieces{1}), around);
    // Cut by the end of the text: a number's head stays as it is.
    EXPECT_EQ(redactAll(options, "x " + number.substr(0, 17), Pieces{1}), "x " + number.substr(0, 17));
}

TEST(RedactionPseudonym, ValidKeepsWhatIsAskedAndTheForm) {
    ScanOptions options = way(Redaction::pseudonym);
    const std::string pseudonym = redactAll(options, number);
    ASSERT_EQ(pseudonym.size(), 18u);
    EXPECT_NE(pseudonym, number);
    const FoundNumber judged = judgeFoundNumber(pseudonym.c_str(), 18, options.asOf);
    EXPECT_EQ(judged.confidence, Confidence::medium);
    EXPECT_EQ(pseudonym.substr(0, 10), "1101051949");   // region and birth year kept
    EXPECT_EQ((pseudonym[16] - '0') % 2, 0);            // female, as the number
    EXPECT_EQ(redactAll(options, number), pseudonym);    // the same every time
    EXPECT_EQ(redactAll(options, wide(number)), wide(pseudonym));
    const std::string separated = redactAll(options, "110105 19491231 002X");
    EXPECT_EQ(separated, pseudonym.substr(0, 6) + " " + pseudonym.substr(6, 8) + " " + pseudonym.substr(14));
    // 15 digits: the 15-digit form of the 18-digit number's pseudonym.
    options.fifteenDigits = true;
    const std::string old = redactAll(options, "110105491231002");
    const std::string upgraded = redactAll(options, numberOf("11010519491231002"));
    EXPECT_EQ(old, upgraded.substr(0, 6) + upgraded.substr(8, 9));
    // Another key, another pseudonym; nothing kept, another region.
    ScanOptions other = options;
    prepareHmacKey(reinterpret_cast<const unsigned char*>("another key of sixteen bytes"), 28, other.redaction.key);
    EXPECT_NE(redactAll(other, number), pseudonym);
    other.redaction.keep = PseudonymKeep::birthYear;
    EXPECT_NE(redactAll(other, number).substr(0, 6), "110105");
    // A mistyped number stays mistyped.
    options.minConfidence = Confidence::low;
    const std::string flawed = redactAll(options, "110105194912310021");
    ASSERT_EQ(flawed.size(), 18u);
    EXPECT_NE(checkCharacterOfDigits(flawed.c_str()), flawed[17]);
}

// Every number of a domain (fixed kind, kept parts, births up to the as-of
// date) gets another number of the domain, and no two the same.
void expectBijection(unsigned keep, const std::vector<int32_t>& regions, const BirthDate& first,
                     const BirthDate& asOf) {
    ScanOptions options = testScanOptions();
    options.asOf = asOf;
    std::set<std::string> numbers, pseudonyms;
    for (const int32_t region : regions) {
        for (long long day = dayNumber(first); day <= dayNumber(asOf); ++day) {
            const BirthDate birth = dateOfDayNumber(day);
            for (int sequence = 0; sequence < 1000; ++sequence) {
                char stem[18];
                std::snprintf(stem, sizeof stem, "%06d%04d%02d%02d%03d", region, birth.year, birth.month, birth.day,
                              sequence);
                const std::string original = numberOf(stem);
                char pseudonym[numberLength + 1];
                ASSERT_TRUE(pseudonymOfNumber(options.redaction.key, keep, asOf, original.c_str(), pseudonym));
                const FoundNumber judged = judgeFoundNumber(pseudonym, 18, asOf);
                ASSERT_EQ(judged.confidence, Confidence::medium) << pseudonym;
                if (keep & PseudonymKeep::region) {
                    ASSERT_EQ(std::string(pseudonym, 6), original.substr(0, 6));
                }
                if (keep & PseudonymKeep::sex) {
                    ASSERT_EQ(pseudonym[16] % 2, original[16] % 2);
                }
                numbers.insert(original);
                pseudonyms.insert(pseudonym);
            }
        }
    }
    EXPECT_EQ(pseudonyms, numbers);  // the domain onto itself
}

TEST(RedactionPseudonym, ABijectionOverWholeDomains) {
    // Everything kept: ten days of one year, every sequence number.
    expectBijection(PseudonymKeep::all, {110105}, BirthDate{1990, 1, 1}, BirthDate{1990, 1, 10});
    // Nothing kept, the permits' three codes: the century's first five days.
    expectBijection(PseudonymKeep::nothing, {810000, 820000, 830000}, BirthDate{1900, 1, 1}, BirthDate{1900, 1, 5});
}

}  // namespace
