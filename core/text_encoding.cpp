// Where a buffer may be cut for conversion without splitting a character of
// UTF-8 or GBK.
#include "core/text_encoding.h"

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
