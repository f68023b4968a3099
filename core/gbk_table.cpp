// The reverse lookup of the GBK table: a code point's pair, by binary search
// over the code points in ascending order; characters decoded and encoded in
// either encoding; UTF-8 texts in GBK.
#include "core/gbk_table.h"

uint16_t unicodeToGbkPair(uint32_t codePoint) {
    if (codePoint > 0xFFFF) return 0;
    int low = 0, high = gbkAssignedCount;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (unicodeOfGbk[middle] < codePoint)
            low = middle + 1;
        else
            high = middle;
    }
    return low < gbkAssignedCount && unicodeOfGbk[low] == codePoint ? gbkOfUnicode[low] : 0;
}

uint32_t decodeCharacter(const unsigned char* bytes, std::size_t available, Encoding encoding, std::size_t& length) {
    length = 1;
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return lead;
    if (encoding == Encoding::gbk) {
        if (available < 2) return noCharacter;
        // An unassigned pair still goes together: both bytes are no text.
        if (gbkLength(bytes, available) == 2) length = 2;
        const uint32_t codePoint = gbkPairToUnicode(lead, bytes[1]);
        return codePoint != 0 ? codePoint : noCharacter;
    }
    const std::size_t count = utf8Length(bytes, available);
    if (count == 0) return noCharacter;
    uint32_t codePoint = lead & (count == 2 ? 0x1F : count == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < count; ++i) codePoint = codePoint << 6 | (bytes[i] & 0x3F);
    length = count;
    return codePoint;
}

std::size_t encodeCharacter(uint32_t codePoint, Encoding encoding, char* out) {
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (encoding == Encoding::gbk) {
        const uint16_t pair = unicodeToGbkPair(codePoint);
        if (pair == 0) return 0;
        out[0] = static_cast<char>(pair >> 8);
        out[1] = static_cast<char>(pair & 0xFF);
        return 2;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | codePoint >> 6);
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | codePoint >> 12);
        out[1] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | codePoint >> 18);
    out[1] = static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

std::size_t utf8ToGbk(const char* utf8, std::size_t count, char* out, std::size_t capacity, std::size_t* consumed) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    std::size_t at = 0, written = 0;
    while (at < count) {
        if (bytes[at] < 0x80) {
            if (written == capacity) break;
            out[written++] = utf8[at++];
            continue;
        }
        std::size_t length = 0;
        const uint32_t codePoint = decodeCharacter(bytes + at, count - at, Encoding::utf8, length);
        const uint16_t pair = codePoint != noCharacter ? unicodeToGbkPair(codePoint) : 0;
        const std::size_t needed = pair != 0 ? 2 : 1;
        if (capacity - written < needed) break;
        if (pair != 0) {
            out[written] = static_cast<char>(pair >> 8);
            out[written + 1] = static_cast<char>(pair & 0xFF);
        } else {
            out[written] = '?';
        }
        written += needed;
        at += length;
    }
    if (consumed != nullptr) *consumed = at;
    return written;
}
