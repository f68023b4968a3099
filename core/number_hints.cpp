// The hints' tests, each a repair tried on a copy of the text (at most 64
// bytes, so the copies live on the stack) and verified again.
#include "core/number_hints.h"

#include <cstring>

#include "core/number_rules.h"

namespace {

constexpr std::size_t copyCapacity = 80;

bool passes(const char* text, std::size_t length, int yearLimit) {
    return length == static_cast<std::size_t>(numberLength) &&
           verifyNumberText(text, numberLength, numberLength, yearLimit).refusal == VerifyRefusal::none;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// [spaces] digits [. digits] E|e [+] digits [spaces]
bool scientificNotation(const char* text, std::size_t length) {
    std::size_t at = 0;
    while (at < length && text[at] == ' ') ++at;
    const std::size_t mantissa = at;
    while (at < length && isDigit(text[at])) ++at;
    if (at == mantissa) return false;
    if (at < length && text[at] == '.') {
        const std::size_t fraction = ++at;
        while (at < length && isDigit(text[at])) ++at;
        if (at == fraction) return false;
    }
    if (at == length || (text[at] != 'E' && text[at] != 'e')) return false;
    ++at;
    if (at < length && text[at] == '+') ++at;
    const std::size_t exponent = at;
    while (at < length && isDigit(text[at])) ++at;
    if (at == exponent) return false;
    while (at < length && text[at] == ' ') ++at;
    return at == length;
}

// Full-width digits and Ｘ as ASCII; false when there is none, or when
// anything else is not ASCII.
bool fromFullWidth(const char* text, std::size_t length, Encoding encoding, char* out, std::size_t& outLength) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    bool any = false;
    outLength = 0;
    for (std::size_t at = 0; at < length;) {
        if (bytes[at] < 0x80) {
            out[outLength++] = text[at++];
            continue;
        }
        if (encoding == Encoding::utf8 && at + 2 < length && bytes[at] == 0xEF && bytes[at + 1] == 0xBC &&
            ((bytes[at + 2] >= 0x90 && bytes[at + 2] <= 0x99) || bytes[at + 2] == 0xB8)) {
            out[outLength++] = bytes[at + 2] == 0xB8 ? 'X' : static_cast<char>('0' + bytes[at + 2] - 0x90);
            at += 3;
        } else if (encoding == Encoding::gbk && at + 1 < length && bytes[at] == 0xA3 &&
                   ((bytes[at + 1] >= 0xB0 && bytes[at + 1] <= 0xB9) || bytes[at + 1] == 0xD8)) {
            out[outLength++] = bytes[at + 1] == 0xD8 ? 'X' : static_cast<char>('0' + bytes[at + 1] - 0xB0);
            at += 2;
        } else {
            return false;
        }
        any = true;
    }
    return any;
}

// What a byte may stand for in a repair, one bit each.
constexpr unsigned carriageReturnClass = 1, nonAsciiClass = 2, blankClass = 4, exponentClass = 8, nonDigitClass = 16;

struct ByteClasses {
    unsigned char of[256];
};

constexpr ByteClasses classesOfBytes() {
    ByteClasses classes{};
    for (int byte = 0; byte < 256; ++byte) {
        unsigned bits = byte >= '0' && byte <= '9' ? 0 : nonDigitClass;
        if (byte == '\r') bits |= carriageReturnClass;
        if (byte >= 0x80) bits |= nonAsciiClass;
        if (byte == ' ' || byte == '\t' || byte == '-') bits |= blankClass;
        if (byte == 'E' || byte == 'e') bits |= exponentClass;
        classes.of[byte] = static_cast<unsigned char>(bits);
    }
    return classes;
}

constexpr ByteClasses byteClasses = classesOfBytes();

}  // namespace

NumberHint hintFor(const char* text, std::size_t held, uint64_t length, VerifyRefusal refusal, Encoding encoding,
                   int yearLimit, char* upgraded) {
    if (refusal == VerifyRefusal::none) return NumberHint::none;
    // One pass says which repairs the text allows: most refused lines are
    // plain digits, where only a few can help.
    unsigned found = 0;
    for (std::size_t at = 0; at < held; ++at) found |= byteClasses.of[static_cast<unsigned char>(text[at])];
    const bool carriageReturn = (found & carriageReturnClass) != 0, nonAscii = (found & nonAsciiClass) != 0,
               blanks = (found & blankClass) != 0, exponent = (found & exponentClass) != 0,
               digitsOnly = (found & nonDigitClass) == 0;
    if (carriageReturn) return NumberHint::crLineEnds;
    if (length != held || held >= copyCapacity) return NumberHint::none;

    if (held == static_cast<std::size_t>(oldNumberLength) && digitsOnly &&
        digitsValue(text + 8, 2) <= monthLimit && digitsValue(text + 10, 2) <= dayLimit) {
        upgradeFifteenDigits(text, upgraded);
        return NumberHint::fifteenDigits;
    }
    if (exponent && scientificNotation(text, held)) return NumberHint::scientific;
    if (refusal == VerifyRefusal::check && held == static_cast<std::size_t>(numberLength) &&
        std::memcmp(text + numberLength - 3, "000", 3) == 0)
        return NumberHint::zeroed;

    char copy[copyCapacity];
    if (held == static_cast<std::size_t>(numberLength) && text[stemLength] == 'x') {
        std::memcpy(copy, text, held);
        copy[stemLength] = 'X';
        if (passes(copy, held, yearLimit)) return NumberHint::lowercaseX;
    }
    std::size_t copyLength = 0;
    if (nonAscii && fromFullWidth(text, held, encoding, copy, copyLength) && passes(copy, copyLength, yearLimit))
        return NumberHint::fullwidth;
    if (!blanks) return NumberHint::none;
    copyLength = 0;
    for (std::size_t at = 0; at < held; ++at)
        if (text[at] != ' ' && text[at] != '\t' && text[at] != '-') copy[copyLength++] = text[at];
    if (copyLength < held && passes(copy, copyLength, yearLimit)) return NumberHint::spaces;
    return NumberHint::none;
}

const char* hintName(NumberHint hint) {
    switch (hint) {
    case NumberHint::crLineEnds: return "cr_line_ends";
    case NumberHint::fifteenDigits: return "fifteen_digits";
    case NumberHint::scientific: return "scientific";
    case NumberHint::zeroed: return "zeroed";
    case NumberHint::lowercaseX: return "lowercase_x";
    case NumberHint::fullwidth: return "fullwidth";
    case NumberHint::spaces: return "spaces";
    case NumberHint::none: break;
    }
    return nullptr;
}
