// The four ways, over the match's characters as the layout gives them.
#include "core/redaction.h"

#include <cstring>

#include "core/pseudonym.h"

namespace {

// A full-width character of ASCII `ascii` ('0'-'9', 'X', 'x', '*'), in
// UTF-8 (3 bytes) or GBK (2), written into `out`; its length.
std::size_t writeWide(char ascii, std::size_t width, char* out) {
    // U+FF01-U+FF5E are ASCII 0x21-0x7E shifted; GBK has them at A3A1-A3FE.
    const unsigned offset = static_cast<unsigned char>(ascii) - 0x21u;
    if (width == 2) {
        out[0] = static_cast<char>(0xA3);
        out[1] = static_cast<char>(0xA1 + offset);
        return 2;
    }
    const unsigned point = 0xFF01 + offset;
    out[0] = static_cast<char>(0xE0 | point >> 12);
    out[1] = static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out[2] = static_cast<char>(0x80 | (point & 0x3F));
    return 3;
}

std::size_t writeCharacter(char ascii, std::size_t width, char* out) {
    if (width == 1) {
        out[0] = ascii;
        return 1;
    }
    return writeWide(ascii, width, out);
}

// Calls write(index, bytes, length) for each character and, with index -1,
// for each separator, in the text's order.
template <typename Write>
void forEachPart(const unsigned char* original, const MatchLayout& layout, Write write) {
    const int firstGroupEnd = regionCodeLength;
    const int secondGroupEnd = layout.count == numberLength ? regionCodeLength + birthDateLength : 12;
    std::size_t at = 0;
    for (int index = 0; index < layout.count; ++index) {
        if (layout.separatorCount == 2 && (index == firstGroupEnd || index == secondGroupEnd)) {
            const std::size_t length = layout.separatorBytes[index == firstGroupEnd ? 0 : 1];
            write(-1, original + at, length);
            at += length;
        }
        write(index, original + at, std::size_t{layout.characterBytes[index]});
        at += layout.characterBytes[index];
    }
}

// The characters the match's written number shows: 18, or the 15 of a
// 15-digit number (the upgraded number without "19" and its check).
void shownCharacters(const char* number18, int count, char* shown) {
    if (count == numberLength) {
        std::memcpy(shown, number18, numberLength);
        return;
    }
    std::memcpy(shown, number18, regionCodeLength);
    std::memcpy(shown + regionCodeLength, number18 + regionCodeLength + 2, oldNumberLength - regionCodeLength);
}

std::size_t writeMask(const RedactionOptions& options, const unsigned char* original, const MatchLayout& layout,
                      char* out) {
    // At least one character masked, whatever the number's length.
    const int kept = layout.count - 1;
    const int first = options.maskFirst < kept ? options.maskFirst : kept;
    const int last = options.maskLast < kept - first ? options.maskLast : kept - first;
    std::size_t put = 0;
    forEachPart(original, layout, [&](int index, const unsigned char* bytes, std::size_t length) {
        if (index < 0 || index < first || index >= layout.count - last) {
            std::memcpy(out + put, bytes, length);
            put += length;
        } else {
            put += writeCharacter('*', length, out + put);
        }
    });
    return put;
}

std::size_t writeWritten(const char* characters, const unsigned char* original, const MatchLayout& layout,
                         char* out) {
    std::size_t put = 0;
    forEachPart(original, layout, [&](int index, const unsigned char* bytes, std::size_t length) {
        if (index < 0) {
            std::memcpy(out + put, bytes, length);
            put += length;
            return;
        }
        char character = characters[index];
        if (character == 'X' && layout.lowercaseX) character = 'x';
        put += writeCharacter(character, length, out + put);
    });
    return put;
}

}  // namespace

bool writeToken(const HmacKey& key, TokenAlphabet alphabet, int length, const char* number, char* out) {
    unsigned char mac[sha256Length];
    const ByteSpan message{reinterpret_cast<const unsigned char*>(number), numberLength};
    if (!hmacSha256(key, &message, 1, mac)) return false;
    if (alphabet == TokenAlphabet::hex) {
        static const char hexDigits[] = "0123456789abcdef";
        for (int i = 0; i < length; ++i) out[i] = hexDigits[(mac[i / 2] >> (i % 2 == 0 ? 4 : 0)) & 0xF];
        return true;
    }
    static const char base32Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
    for (int i = 0; i < length; ++i) {
        // Five bits from bit 5i, most significant first, zeros past the end.
        const int bit = 5 * i;
        const unsigned high = mac[bit / 8];
        const unsigned low = bit / 8 + 1 < static_cast<int>(sha256Length) ? mac[bit / 8 + 1] : 0;
        const unsigned pair = high << 8 | low;
        out[i] = base32Digits[(pair >> (11 - bit % 8)) & 0x1F];
    }
    return true;
}

std::size_t writeReplacement(const RedactionOptions& options, const BirthDate& asOf, const FoundNumber& found,
                             const unsigned char* original, const MatchLayout& layout, char* out, bool& failed) {
    failed = false;
    switch (options.way) {
    case Redaction::mask:
        return writeMask(options, original, layout, out);
    case Redaction::label: {
        const char* label = layout.gbk ? options.labelGbk : options.labelUtf8;
        const std::size_t length = layout.gbk ? options.labelGbkLength : options.labelUtf8Length;
        std::memcpy(out, label, length);
        return length;
    }
    case Redaction::token:
        if (!writeToken(options.key, options.tokenAlphabet, options.tokenLength, found.number, out)) break;
        return static_cast<std::size_t>(options.tokenLength);
    case Redaction::pseudonym: {
        char shown[numberLength];
        shownCharacters(found.number, layout.count, shown);
        char pseudonym[numberLength + 1];
        const bool made = found.confidence >= Confidence::medium
                              ? pseudonymOfNumber(options.key, options.keep, asOf, found.number, pseudonym)
                              : pseudonymOfFlawed(options.key, shown, layout.count, pseudonym);
        if (!made) break;
        if (found.confidence >= Confidence::medium && layout.count == oldNumberLength) {
            char upgraded[numberLength];
            std::memcpy(upgraded, pseudonym, numberLength);
            shownCharacters(upgraded, oldNumberLength, pseudonym);
        }
        return writeWritten(pseudonym, original, layout, out);
    }
    }
    failed = true;
    return 0;
}
