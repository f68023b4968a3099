// A UTF-8 text built in a buffer of fixed size, for messages: pieces are
// appended until the buffer is full, and the text is always terminated and
// never ends inside a character. Offers TextBuffer.
#ifndef CORE_TEXT_BUFFER_H
#define CORE_TEXT_BUFFER_H

#include <cstddef>
#include <cstdint>

#include "core/text_encoding.h"

class TextBuffer {
public:
    // `size` at least 1; the text is empty until something is appended.
    TextBuffer(char* out, std::size_t size);

    void append(const char* bytes, std::size_t count);  // UTF-8
    void append(const char* text);  // UTF-8, NUL-terminated
    void appendDecimal(uint64_t value);
    void append(char byte) { append(&byte, 1); }
    // A value a user gave (its bytes in `encoding`), echoed in a message:
    // each character in UTF-8; bytes that form no character of the encoding
    // (a GBK pair no character is assigned to among them), and control
    // characters (NUL among them), become '?', so that the message is always
    // valid text of one line.
    void appendEchoed(const char* bytes, std::size_t count, Encoding encoding = Encoding::utf8);

    std::size_t length() const { return length_; }
    bool truncated() const { return truncated_; }

private:
    char* out_;
    std::size_t size_;
    std::size_t length_ = 0;
    bool truncated_ = false;
};

#endif
