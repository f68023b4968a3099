// Character boundaries in GBK bytes, for cutting a text without splitting a
// double-byte character. Shared by both sides of the text boundary.
#ifndef PLATFORM_GBK_CHARACTERS_H
#define PLATFORM_GBK_CHARACTERS_H

// A byte 0x81-0xFE starts a double-byte character in code page 936; 0x80 (the
// euro sign) and everything below stand alone.
inline bool isGbkLeadByte(char byte) {
    const unsigned char value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

// The length of the longest prefix of `text` (`length` bytes) that ends on a
// character boundary and has at most `limit` bytes.
inline int wholeCharacterPrefix(const char* text, int length, int limit) {
    int end = 0;
    while (end < length) {
        const int characterLength = isGbkLeadByte(text[end]) && end + 1 < length ? 2 : 1;
        if (end + characterLength > limit) break;
        end += characterLength;
    }
    return end;
}

#endif
