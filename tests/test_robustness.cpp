// Random and hostile text in the number and birth-date fields, press after
// press: every press ends either in its field writes or in exactly one message
// box, and a box leaves the fields it does not own as they were. Lengths are
// the GBK bytes of what the field holds, as the dialog counts them.
#include <random>
#include <string>

#include "programs/dialog/resource_ids.h"
#include "core/gbk_table.h"
#include "core/number_rules.h"
#include "tests/dialog_harness.h"

namespace {

#ifdef _WIN32
constexpr int pressesPerTest = 250;  // every Wine message box costs time
// Wine's edit control takes time quadratic in the length to set a text
// (1 MB would take over 20 minutes); 32 KB is past what a user can type.
constexpr size_t hugeText = 32u << 10;
#else
constexpr int pressesPerTest = 4000;
constexpr size_t hugeText = 1u << 20;
#endif

// The fields a verification writes, besides the county field it always empties.
const int verifyFields[] = {IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_YEAR_FIELD,
                            IDC_MONTH_FIELD,    IDC_DAY_FIELD,  IDC_SEX_FIELD};
const char untouched[] = "~";

class RobustnessTest : public DialogTest {
protected:
    std::mt19937 random{20240611u};

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }
    char byteIn(int low, int high) { return static_cast<char>(low + below(high - low + 1)); }

    std::string bytes(int count, int low, int high) {
        std::string text;
        for (int i = 0; i < count; ++i) text += byteIn(low, high);
        return asFieldText(text);
    }
    // Random bytes as a field can hold them. The stand-in holds any bytes,
    // so natively they go in as they are (the program reads what is not
    // UTF-8 as '?'). A Windows control holds text: there they are read as
    // GBK, as typed or pasted on a Chinese system, a byte that forms no
    // character as '?'. (Read as UTF-8 they would be characters of every
    // script, some of which Wine's own text layout in code page 1252 does
    // not survive.)
    static std::string asFieldText(const std::string& raw) {
#ifdef _WIN32
        std::string text;
        const auto* at = reinterpret_cast<const unsigned char*>(raw.data());
        for (std::size_t i = 0, length = 0; i < raw.size(); i += length) {
            char character[4];
            const uint32_t codePoint = decodeCharacter(at + i, raw.size() - i, Encoding::gbk, length);
            if (codePoint == noCharacter)
                text += '?';
            else
                text.append(character, encodeCharacter(codePoint, Encoding::utf8, character));
        }
        return text;
#else
        return raw;
#endif
    }
    std::string digits(int count) { return bytes(count, '0', '9'); }
    void pickChangan() {  // region 130102
        pickText(IDC_PROVINCE_LIST, "河北省");
        pickText(IDC_CITY_LIST, "石家庄市");
        pickText(IDC_COUNTY_LIST, "长安区");
    }
    // Year, month and day near and beyond their limits.
    std::string plausibleDate() {
        const int month = below(14), day = below(33);
        return std::to_string(1900 + below(140)) + (month < 10 ? "0" : "") + std::to_string(month) +
               (day < 10 ? "0" : "") + std::to_string(day);
    }
    // A number of digits with a region, date and check that may or may not hold.
    std::string plausibleNumber() {
        static const char* const regions[] = {"110101", "130100", "160101", "419001", "659004", "000000"};
        std::string stem = std::string(regions[below(6)]) + plausibleDate() + digits(3);
        std::string number = stem + computeCheckCharacter(stem.c_str());
        if (below(4) == 0) number[static_cast<size_t>(below(18))] = byteIn(1, 255);
        return asFieldText(number);
    }
    std::string hostileNumber() {
        switch (below(9)) {
        case 0: return "";
        case 1: return std::string(below(40) == 0 ? hugeText : 25u + below(2000), byteIn('0', '9'));
        case 2: return bytes(below(40), 1, 255);
        case 3: return bytes(below(40), 0x80, 0xFF);
        case 4: return digits(23) + "中";                       // half of it at GBK byte 24
        case 5: return digits(16) + "中";                       // 18 GBK bytes
        case 6: return digits(17) + (below(2) ? "x" : "X");
        default: return plausibleNumber();
        }
    }
    std::string hostileDate() {
        switch (below(9)) {
        case 0: return "";
        case 1: return std::string(below(40) == 0 ? hugeText : 10u + below(2000), '1');
        case 2: return bytes(below(14), 1, 255);
        case 3: return bytes(8, 0x80, 0xFF);
        case 4: return digits(8) + "中";                        // half of it at GBK byte 9
        case 5: return digits(6) + "中";                        // 8 GBK bytes
        case 6: return digits(below(12));
        default: return plausibleDate();
        }
    }

    int pressesWithBox = 0;
    int pressesWithWrites = 0;

    // One verify press, checked against what the field then held.
    void verifyAndCheck(const std::string& held) {
        for (int id : verifyFields) setText(id, untouched);
        setText(IDC_COUNTY_FIELD, untouched);
        click(IDC_VERIFY_BUTTON);
        const std::vector<ShownBox> boxes = takeBoxes();
        ASSERT_LE(boxes.size(), 1u);
        ASSERT_NE(text(IDC_COUNTY_FIELD), untouched);
        const std::size_t gbkLength = gbkOf(held).size();
        const bool lengthWrong = gbkLength != 18;
        if (boxes.size() == 1) {
            ++pressesWithBox;
            for (int id : verifyFields) ASSERT_EQ(text(id), untouched) << id;
            ASSERT_EQ(text(IDC_COUNTY_FIELD), "");
            if (lengthWrong) {
                ASSERT_EQ(boxes[0].text,
                          "您输入的身份证号为" + std::to_string(gbkLength) + "位，正确的应为18位");
            } else {
                ASSERT_TRUE(boxes[0].text == "身份证未通过校验" || boxes[0].text == "出生日期不正确")
                    << boxes[0].text;
            }
            return;
        }
        ++pressesWithWrites;
        ASSERT_FALSE(lengthWrong) << gbkLength;
        ASSERT_EQ(held.size(), 18u);  // only digits and X pass
        ASSERT_TRUE(passesCheck(held.c_str()));
        ASSERT_EQ(text(IDC_YEAR_FIELD), held.substr(6, 4));
        ASSERT_EQ(text(IDC_MONTH_FIELD), held.substr(10, 2));
        ASSERT_EQ(text(IDC_DAY_FIELD), held.substr(12, 2));
        ASSERT_EQ(text(IDC_SEX_FIELD), (held[16] - '0') % 2 ? "男" : "女");
        ASSERT_NE(text(IDC_PROVINCE_FIELD), untouched);
        ASSERT_NE(text(IDC_CITY_FIELD), untouched);
    }

    // One generate press (region 130102 picked), checked against the chosen
    // sex and the birth date as the field holds it: only a text of exactly 8
    // GBK bytes, all digits, makes a number.
    void generateAndCheck(int sex) {
        const std::string held = text(IDC_BIRTH_DATE_FIELD);
        setText(IDC_RESULT_FIELD, untouched);
        click(IDC_GENERATE_BUTTON);
        const std::vector<ShownBox> boxes = takeBoxes();
        ASSERT_LE(boxes.size(), 1u);
        const std::string number = text(IDC_RESULT_FIELD);
        if (boxes.size() == 1) {
            ++pressesWithBox;
            ASSERT_EQ(number, untouched);
            ASSERT_EQ(boxes[0].text, gbkOf(held).size() == 8 ? "出生日期不正确" : "出生日期为8位");
            return;
        }
        ++pressesWithWrites;
        ASSERT_EQ(held.size(), 8u);
        ASSERT_EQ(number.size(), 18u) << held;
        ASSERT_TRUE(passesCheck(number.c_str())) << number;
        ASSERT_EQ(number.substr(0, 6), "130102");
        ASSERT_EQ(number.substr(6, 8), held);
        if (sex >= 0) {
            ASSERT_EQ((number[16] - '0') % 2, sex == 0 ? 1 : 0) << number;
        }
    }
};

TEST_F(RobustnessTest, OversizedTextsAndHalfCharactersAtTheReadLimits) {
    setText(IDC_NUMBER_FIELD, std::string(hugeText, '7'));
    verifyAndCheck(text(IDC_NUMBER_FIELD));  // the message gives the whole length
    setText(IDC_NUMBER_FIELD, "12345678901234567890123中");
    verifyAndCheck(text(IDC_NUMBER_FIELD));  // 25 GBK bytes, half a character at byte 24
    EXPECT_EQ(pressesWithBox, 2);
}

TEST_F(RobustnessTest, RandomNumbersEachEndInWritesOrOneBox) {
    for (int press = 0; press < pressesPerTest; ++press) {
        setText(IDC_NUMBER_FIELD, hostileNumber());
        verifyAndCheck(text(IDC_NUMBER_FIELD));
        if (HasFatalFailure()) return;
    }
    // The inputs reach both ends.
    EXPECT_GT(pressesWithBox, pressesPerTest / 10);
    EXPECT_GT(pressesWithWrites, pressesPerTest / 20);
}

TEST_F(RobustnessTest, RandomBirthDatesEachEndInANumberOrOneBox) {
    pickChangan();
    for (int press = 0; press < pressesPerTest; ++press) {
        const int sex = below(3) - 1;
        pick(IDC_SEX_LIST, sex);
        setText(IDC_BIRTH_DATE_FIELD, hostileDate());
        generateAndCheck(sex);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(pressesWithBox, pressesPerTest / 10);
    EXPECT_GT(pressesWithWrites, pressesPerTest / 10);
}

#ifdef _WIN32
// Characters that code page 936 cannot hold, typed into the real edit
// controls as Unicode: the program sees whatever the system makes of them.
TEST_F(RobustnessTest, CharactersOutsideTheCodePage) {
    const wchar_t* const texts[] = {
        L"\u0E01\u0E02\u0E03",                                   // Thai
        L"\uAC00\uAC01\uAC02\uAC03\uAC04\uAC05\uAC06\uAC07\uAC08",  // Hangul, 9 characters
        L"11010519491231002\u0627",                               // Arabic last
        L"1101051949123100\U0001F600",                            // a surrogate pair
        L"\U0001F600\U0001F600\U0001F600\U0001F600",
        L"1987\u0E010102",
        L"19870102\u0E01",
    };
    pickChangan();
    for (const wchar_t* typed : texts) {
        SetDlgItemTextW(dialog, IDC_NUMBER_FIELD, typed);
        verifyAndCheck(text(IDC_NUMBER_FIELD));
        SetDlgItemTextW(dialog, IDC_BIRTH_DATE_FIELD, typed);
        generateAndCheck(-1);
        if (HasFatalFailure()) return;
    }
}
#endif

}  // namespace
