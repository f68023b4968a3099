// Fifteen-digit numbers of the old format: whether a text is one that can be
// upgraded to 18 characters, and the message of one that cannot, in words
// that name no program. Offers checkFifteenDigits and writeUpgradeRefusal;
// the upgrade itself is number_rules.h's upgradeFifteenDigits.
#ifndef CORE_UPGRADE_H
#define CORE_UPGRADE_H

#include <cstddef>
#include <cstdint>

// Why a text is no 15-digit number to upgrade, in the order the checks are
// made.
enum class UpgradeRefusal : unsigned char {
    none,
    length,      // not 15 bytes
    characters,  // 15 bytes, not all digits
    month,       // a month above 12
    day,         // a day above 31
};

struct UpgradeCheck {
    UpgradeRefusal refusal;
    int value;  // the month or day refused
};

// Reads at most 15 bytes of a text of `length` bytes.
UpgradeCheck checkFifteenDigits(const char* text, uint64_t length);

// "14 bytes, not 15 digits", "not 15 digits", "month above 12: 13", "day
// above 31: 32", written into `out` (`size` bytes, terminated); returns the
// length written.
std::size_t writeUpgradeRefusal(char* out, std::size_t size, const UpgradeCheck& check, uint64_t length);

#endif
