// The checks of a 15-digit number: its length, its digits, then the month
// and day of its date (YYMMDD after the six-digit region code).
#include "core/upgrade.h"

#include "core/number_rules.h"
#include "core/text_buffer.h"

namespace {

constexpr int oldMonthOffset = 8;
constexpr int oldDayOffset = 10;

int twoDigits(const char* at) { return (at[0] - '0') * 10 + (at[1] - '0'); }

}  // namespace

UpgradeCheck checkFifteenDigits(const char* text, uint64_t length) {
    if (length != static_cast<uint64_t>(oldNumberLength)) return {UpgradeRefusal::length, 0};
    if (!allDigits(text, oldNumberLength)) return {UpgradeRefusal::characters, 0};
    const int month = twoDigits(text + oldMonthOffset);
    if (month > monthLimit) return {UpgradeRefusal::month, month};
    const int day = twoDigits(text + oldDayOffset);
    if (day > dayLimit) return {UpgradeRefusal::day, day};
    return {UpgradeRefusal::none, 0};
}

std::size_t writeUpgradeRefusal(char* buffer, std::size_t size, const UpgradeCheck& check, uint64_t length) {
    TextBuffer out(buffer, size);
    switch (check.refusal) {
    case UpgradeRefusal::none:
        break;
    case UpgradeRefusal::length:
        out.appendDecimal(length);
        out.append(" bytes, not 15 digits");
        break;
    case UpgradeRefusal::characters:
        out.append("not 15 digits");
        break;
    case UpgradeRefusal::month:
        out.append("month above 12: ");
        out.appendDecimal(static_cast<uint64_t>(check.value));
        break;
    case UpgradeRefusal::day:
        out.append("day above 31: ");
        out.appendDecimal(static_cast<uint64_t>(check.value));
        break;
    }
    return out.length();
}
