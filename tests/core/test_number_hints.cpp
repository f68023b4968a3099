// The core's hints for refused numbers, masking, the nationality table and
// the GBK table: each hint on the damage it names and never on a text it
// does not explain, masks of every length, and the tables against known
// values.
#include <gtest/gtest.h>

#include <string>

#include "core/gbk_table.h"
#include "core/masking.h"
#include "core/nationality.h"
#include "core/number_hints.h"

namespace {

constexpr int yearLimit = 2026;

std::string hintOf(const std::string& text, Encoding encoding = Encoding::utf8, std::string* upgraded = nullptr) {
    const int length = static_cast<int>(text.size());
    const VerifyOutcome outcome = verifyNumberText(text.c_str(), length, length, yearLimit);
    char number[numberLength + 1] = {};
    const char* name =
        hintName(hintFor(text.data(), text.size(), text.size(), outcome.refusal, encoding, yearLimit, number));
    if (upgraded != nullptr) *upgraded = number;
    return name != nullptr ? name : "";
}

}  // namespace

TEST(NumberHints, EachRepairNamesItsDamage) {
    EXPECT_EQ(hintOf("11010519491231002X"), "");  // valid: no hint
    EXPECT_EQ(hintOf("1.10105E+17"), "scientific");
    EXPECT_EQ(hintOf("1.10105194912310E+17"), "scientific");
    EXPECT_EQ(hintOf("1E17"), "scientific");
    EXPECT_EQ(hintOf("1.E+17"), "");
    EXPECT_EQ(hintOf("110105194912310000"), "zeroed");
    EXPECT_EQ(hintOf("11010519491231002x"), "lowercase_x");
    EXPECT_EQ(hintOf("11010519491231001x"), "");  // X would not pass either
    EXPECT_EQ(hintOf("１１０１０５１９４９１２３１００２Ｘ"), "fullwidth");
    EXPECT_EQ(hintOf("\xA3\xB1\xA3\xB1\xA3\xB0\xA3\xB1\xA3\xB0\xA3\xB5" "19491231002\xA3\xD8", Encoding::gbk),
              "fullwidth");
    EXPECT_EQ(hintOf("１１０１０５１９４９１２３１００２１"), "");  // wrong check character
    EXPECT_EQ(hintOf("110105 19491231 002X"), "spaces");
    EXPECT_EQ(hintOf("\t110105-19491231-002X "), "spaces");
    EXPECT_EQ(hintOf("110105 19491231 0021"), "");
    std::string upgraded;
    EXPECT_EQ(hintOf("110105491231002", Encoding::utf8, &upgraded), "fifteen_digits");
    EXPECT_EQ(upgraded, "11010519491231002X");
    EXPECT_EQ(hintOf("110105491331002"), "");  // month 13
    EXPECT_EQ(hintOf("11010519491231002X\r110105"), "cr_line_ends");
    EXPECT_EQ(hintOf("110105194912310021"), "");
    EXPECT_EQ(hintOf(""), "");
}

TEST(Masking, FirstSixAndLastFourOfWholeTextsAndTheHeadOfCutOnes) {
    const auto mask = [](const std::string& text, bool whole = true, Encoding encoding = Encoding::utf8) {
        char out[256];
        const std::size_t length = maskText(text.data(), text.size(), encoding, whole, out, sizeof out);
        return std::string(out, length);
    };
    EXPECT_EQ(mask("11010519491231002X"), "110105********002X");
    EXPECT_EQ(mask("110105491231002"), "110105*****1002");
    EXPECT_EQ(mask("12345678901"), "123456*8901");
    EXPECT_EQ(mask("1234567890"), "**********");
    EXPECT_EQ(mask(""), "");
    EXPECT_EQ(mask("中文名字一二三四五六七"), "中文名字一二*四五六七");
    EXPECT_EQ(mask("\xD6\xD0\xCE\xC4" "123456789", true, Encoding::gbk), "\xD6\xD0\xCE\xC4" "1234*6789");
    EXPECT_EQ(mask(std::string(64, '7'), false), "777777" + std::string(58, '*'));
    char small[4];
    EXPECT_EQ(maskText("11010519491231002X", 18, Encoding::utf8, true, small, sizeof small), 18u);
}

TEST(Nationality, TheTableFromIsoCodes) {
    ASSERT_EQ(countryCount, 249);
    for (int i = 1; i < countryCount; ++i) EXPECT_LT(countries[i - 1].numeric, countries[i].numeric);
    const Country* usa = findCountry(840);
    ASSERT_NE(usa, nullptr);
    EXPECT_STREQ(usa->alpha3, "USA");
    EXPECT_STREQ(usa->name, "美国");
    ASSERT_NE(findCountry(4), nullptr);
    EXPECT_STREQ(findCountry(4)->name, "阿富汗");
    EXPECT_EQ(findCountry(0), nullptr);
    EXPECT_EQ(findCountry(999), nullptr);
    EXPECT_EQ(nationalityCodeOf("911840199001010018"), 840);
}

TEST(GbkTable, PairsBothWays) {
    EXPECT_EQ(gbkPairToUnicode(0xD6, 0xD0), 0x4E2Du);  // 中
    EXPECT_EQ(gbkPairToUnicode(0x81, 0x40), 0x4E02u);
    EXPECT_EQ(gbkPairToUnicode(0xA3, 0xB0), 0xFF10u);  // ０
    for (const unsigned pair : {0xA140u, 0xAAA1u, 0xD7FAu, 0xFEFEu, 0xA2E3u})
        EXPECT_FALSE(gbkPairAssigned(static_cast<unsigned char>(pair >> 8), static_cast<unsigned char>(pair))) << pair;
    EXPECT_EQ(gbkPairToUnicode(0xD6, 0x7F), 0u);  // no trail byte
    EXPECT_EQ(unicodeToGbkPair(0x4E2D), 0xD6D0u);
    EXPECT_EQ(unicodeToGbkPair(0x1F600), 0u);
    EXPECT_EQ(unicodeToGbkPair(0x00E9), 0xA8A6u);  // é
    // Every assigned pair comes back to itself.
    int assigned = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const uint32_t codePoint =
                gbkPairToUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (codePoint == 0) continue;
            ++assigned;
            ASSERT_EQ(unicodeToGbkPair(codePoint), lead << 8 | trail);
        }
    EXPECT_EQ(assigned, gbkAssignedCount);
    char out[4];
    std::size_t length = 0;
    EXPECT_EQ(decodeCharacter(reinterpret_cast<const unsigned char*>("中"), 3, Encoding::utf8, length), 0x4E2Du);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(encodeCharacter(0x4E2D, Encoding::gbk, out), 2u);
    EXPECT_EQ(std::string(out, 2), "\xD6\xD0");
    EXPECT_EQ(encodeCharacter(0x1F600, Encoding::utf8, out), 4u);
    EXPECT_EQ(decodeCharacter(reinterpret_cast<const unsigned char*>("\xA1\x40"), 2, Encoding::gbk, length),
              noCharacter);
}

// The program's UTF-8 texts in GBK, where they leave for a GBK face: whole
// characters while they fit, '?' for a character GBK lacks (no look-alike)
// and for each byte that starts no UTF-8 character.
TEST(GbkTable, Utf8TextsInGbk) {
    const auto inGbk = [](const std::string& utf8, std::size_t capacity, std::size_t* consumed = nullptr) {
        std::string out(capacity, '#');
        out.resize(utf8ToGbk(utf8.data(), utf8.size(), &out[0], capacity, consumed));
        return out;
    };
    const std::string text = "a中\u3000县";
    EXPECT_EQ(inGbk(text, text.size()), "a\xD6\xD0\xA1\xA1\xCF\xD8");
    std::size_t consumed = 0;
    EXPECT_EQ(inGbk(text, 4, &consumed), "a\xD6\xD0");  // the ideographic space does not fit whole
    EXPECT_EQ(consumed, 4u);
    EXPECT_EQ(inGbk(text, 0, &consumed), "");
    EXPECT_EQ(consumed, 0u);
    // The euro sign and U+00B2 have no pair here, an emoji no GBK form at all.
    EXPECT_EQ(inGbk("\u20AC\u00B2\U0001F600x", 16, &consumed), "???x");
    EXPECT_EQ(consumed, 10u);
    // A stray continuation byte, a cut character, a surrogate's bytes.
    EXPECT_EQ(inGbk("\x80" "1" "\xE4\xB8" "2" "\xED\xA0\x80", 16), "?1??2???");
}
