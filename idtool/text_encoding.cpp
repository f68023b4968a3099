#include "idtool/text_encoding.h"

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::size_t utf8Length(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;       // no overlong forms
        else if (lead == 0xED) secondHigh = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;
        else if (lead == 0xF4) secondHigh = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (available < length) return 0;
    if (bytes[1] < secondLow || bytes[1] > secondHigh) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(bytes[i])) return 0;
    return length;
}

std::size_t gbkLength(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    if (lead < 0x81 || lead > 0xFE || available < 2) return 0;
    const unsigned char trail = bytes[1];
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 0;
}

}  // namespace

std::size_t characterLength(const unsigned char* bytes, std::size_t available, Encoding encoding) {
    return encoding == Encoding::gbk ? gbkLength(bytes, available) : utf8Length(bytes, available);
}

std::size_t completePrefixLength(const char* text, std::size_t count, Encoding encoding) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (encoding == Encoding::utf8) {
        // Back over at most three continuation bytes to the last lead byte; the
        // piece ends before it when its character needs more bytes than remain.
        std::size_t start = count;
        while (start > 0 && count - start < 3 && isContinuation(bytes[start - 1])) --start;
        if (start == 0) return count;
        const unsigned char lead = bytes[start - 1];
        const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return count - (start - 1) < needed ? start - 1 : count;
    }
    // GBK trail bytes overlap lead bytes, so only a scan from a known boundary
    // tells whether the last byte opens a pair.
    std::size_t position = 0;
    while (position < count) {
        if (bytes[position] >= 0x81 && bytes[position] <= 0xFE && position + 1 == count) return position;
        position += characterStep(bytes + position, count - position, encoding);
    }
    return count;
}
