// The verify button, through the dialog: the result fields of accepted numbers,
// and each refusal's one message box with its owner, caption and icon.
#include <ctime>
#include <string>

#include "programs/dialog/resource_ids.h"
#include "core/number_rules.h"
#include "programs/dialog/clock_and_generator.h"
#include "tests/dialog_harness.h"

namespace {

// 2030-07-01 12:00 UTC: the same calendar year in every time zone.
const ClockAndGenerator fixedClock = {[] { return time_t{1909137600}; }, [](unsigned) {}, [] { return 0; }};

const int resultFields[] = {IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_COUNTY_FIELD, IDC_YEAR_FIELD,
                            IDC_MONTH_FIELD,    IDC_DAY_FIELD,  IDC_SEX_FIELD};

std::string withCheck(const std::string& stem) { return stem + computeCheckCharacter(stem.c_str()); }

class VerifyNumberTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        setClockAndGenerator(&fixedClock);  // the fixture puts back the run-time's
    }
    // Marks every result field, so that the result shows which ones a press wrote.
    void verify(const std::string& number) {
        for (int id : resultFields) setText(id, "~");
        setText(IDC_NUMBER_FIELD, number);
        click(IDC_VERIFY_BUTTON);
    }
    std::string results() {
        std::string all;
        for (int id : resultFields) all += (all.empty() ? "" : "|") + text(id);
        return all;
    }
};

TEST_F(VerifyNumberTest, AcceptedNumbersFillDateSexAndEachKindOfRegion) {
    const std::pair<const char*, const char*> cases[] = {  // stem, province|city|county|year|month|day|sex
        {"11010519491231002", "北京市|朝阳区||1949|12|31|女"},  // the standard example, ending in X
        {"11010119900307001", "北京市|东城区||1990|03|07|男"},
        {"11000019900307001", "北京市|未知位置|错误地区码|1990|03|07|男"},
        {"13010019900307001", "河北省|石家庄市|石家庄市|1990|03|07|男"},
        {"13010119900307001", "河北省|石家庄市|市辖区|1990|03|07|男"},
        {"13019919900307001", "河北省|未知位置|错误地区码|1990|03|07|男"},
        {"22000019900307001", "吉林省|吉林省|吉林省|1990|03|07|男"},
        {"41900119900307001", "河南省|未知位置|济源市|1990|03|07|男"},
        {"61990119900307001", "陕西省|未知位置|错误地区码|1990|03|07|男"},
        {"16010119851130002", "未知位置||错误地区码|1985|11|30|女"},  // no such unit: said so, city emptied
        // Upper date limits only, with the clock's year 2030, and no calendar.
        {"11010120301231001", "北京市|东城区||2030|12|31|男"},
        {"11010119901201001", "北京市|东城区||1990|12|01|男"},
        {"11010119900131001", "北京市|东城区||1990|01|31|男"},
        {"11010120110231001", "北京市|东城区||2011|02|31|男"},
        {"11010100000000001", "北京市|东城区||0000|00|00|男"},
    };
    for (const auto& [stem, expected] : cases) {
        verify(withCheck(stem));
        EXPECT_TRUE(takeBoxes().empty()) << stem;
        EXPECT_EQ(results(), expected) << stem;
    }
}

TEST_F(VerifyNumberTest, EachRefusalShowsOneBoxAndEmptiesOnlyTheCountyField) {
    enum Kind { length, check, date };
    const struct {
        std::string number;
        Kind kind;
        std::string lengthShown;
    } cases[] = {
        {"", length, "0"},
        {"12345678901234567", length, "17"},
        {"123456789012345678901234567890", length, "30"},  // the field's whole length,
        {std::string(500, '1'), length, "500"},            // not that of the read
        {"11010519491231002x", check, ""},  // a lower-case x
        {"130101199003070010", check, ""},  // a wrong check character
        {"abcdefghijklmnopq7", check, ""},  // only digits make a stem, whatever the sum
        {std::string("1101051949123100") + "中", check, ""},
        {withCheck("11010120310101001"), date, ""},  // beyond the clock's year
        {withCheck("11010119901301001"), date, ""},
        {withCheck("11010119900132001"), date, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number.substr(0, 30));
        verify(c.number);
        if (c.kind == length)
            expectOnlyBox("您输入的身份证号为" + c.lengthShown + "位，正确的应为18位", "提示", nullptr, true);
        else if (c.kind == check)
            expectOnlyBox("身份证未通过校验", "校验结果", nullptr, false);
        else
            expectOnlyBox("出生日期不正确", "错误", dialog, false);
        EXPECT_EQ(results(), "~|~||~|~|~|~");
    }
}

TEST_F(VerifyNumberTest, YearLimitIsTheCurrentYear) {
    setClockAndGenerator(nullptr);  // the run-time's clock
    const time_t now = time(nullptr);
    const int year = localtime(&now)->tm_year + 1900;
    verify(withCheck("110101" + std::to_string(year) + "1231001"));
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_YEAR_FIELD), std::to_string(year));
    verify(withCheck("110101" + std::to_string(year + 1) + "0101001"));
    expectOnlyBox("出生日期不正确", "错误", dialog, false);
}

}  // namespace
