// TextBuffer: pieces copied while they fit; the part that does not is cut at
// the last character boundary before the end.
#include "core/text_buffer.h"

#include <cstring>

#include "core/gbk_table.h"

TextBuffer::TextBuffer(char* out, std::size_t size) : out_(out), size_(size) {
    if (size_ > 0) out_[0] = '\0';
}

void TextBuffer::append(const char* bytes, std::size_t count) {
    if (count == 0) return;
    if (size_ == 0 || truncated_) {
        truncated_ = truncated_ || count > 0;
        return;
    }
    const std::size_t room = size_ - 1 - length_;
    if (count > room) {
        count = completePrefixLength(bytes, room, Encoding::utf8);
        truncated_ = true;
    }
    std::memcpy(out_ + length_, bytes, count);
    length_ += count;
    out_[length_] = '\0';
}

void TextBuffer::append(const char* text) { append(text, std::strlen(text)); }

void TextBuffer::appendDecimal(uint64_t value) {
    char digits[20];
    std::size_t start = sizeof digits;
    do {
        digits[--start] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    append(digits + start, sizeof digits - start);
}

void TextBuffer::appendEchoed(const char* bytes, std::size_t count, Encoding encoding) {
    const auto* text = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t at = 0;
    while (at < count && !truncated_) {
        // Nothing past the room left (and one character more, to cut it
        // whole) can show, so a huge value costs only what fits.
        const std::size_t room = size_ > length_ ? size_ - 1 - length_ : 0;
        const std::size_t limit = count - at > room + 4 ? at + room + 4 : count;
        if (encoding == Encoding::utf8) {
            // Runs of whole, printable characters are copied as they are.
            std::size_t run = at;
            while (run < limit) {
                if (text[run] < 0x20 || text[run] == 0x7F) break;
                const std::size_t length = utf8Length(text + run, count - run);
                if (length == 0) break;
                run += length;
            }
            append(bytes + at, run - at);
            if (run >= count || truncated_) break;
            if (run >= limit) {
                truncated_ = true;
                break;
            }
            append('?');
            at = run + 1;
            continue;
        }
        // Another encoding: character by character, each in UTF-8.
        if (at >= limit) {
            truncated_ = true;
            break;
        }
        std::size_t length = 0;
        const uint32_t codePoint = decodeCharacter(text + at, count - at, encoding, length);
        char character[4];
        if (codePoint == noCharacter || codePoint < 0x20 || codePoint == 0x7F)
            append('?');
        else
            append(character, encodeCharacter(codePoint, Encoding::utf8, character));
        at += length;
    }
}
