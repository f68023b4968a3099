// maskText: one pass to count the characters, one to copy the kept ones and
// write '*' for the others.
#include "core/masking.h"

#include <cstring>

std::size_t maskText(const char* text, std::size_t count, Encoding encoding, bool whole, char* out,
                     std::size_t capacity, const char* invalidKept) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const std::size_t replacementLength = invalidKept != nullptr ? std::strlen(invalidKept) : 0;
    // The bytes a kept character is written as: itself, or the replacement.
    auto keptSource = [&](std::size_t at, std::size_t step, std::size_t& length) -> const char* {
        if (invalidKept != nullptr && characterLength(bytes + at, count - at, encoding) == 0) {
            length = replacementLength;
            return invalidKept;
        }
        length = step;
        return text + at;
    };
    std::size_t characters = 0;
    for (std::size_t at = 0; at < count; at += characterStep(bytes + at, count - at, encoding)) ++characters;
    const bool maskAll = whole && characters <= maskKeptFirst + maskKeptLast;
    const std::size_t lastKept = whole ? characters - maskKeptLast : characters;
    std::size_t needed = 0, index = 0;
    for (std::size_t at = 0; at < count; ++index) {
        const std::size_t step = characterStep(bytes + at, count - at, encoding);
        const bool kept = !maskAll && (index < maskKeptFirst || index >= lastKept);
        std::size_t length = 1;
        if (kept) keptSource(at, step, length);
        needed += length;
        at += step;
    }
    if (needed > capacity) return needed;
    std::size_t put = 0;
    index = 0;
    for (std::size_t at = 0; at < count; ++index) {
        const std::size_t step = characterStep(bytes + at, count - at, encoding);
        if (!maskAll && (index < maskKeptFirst || index >= lastKept)) {
            std::size_t length = 0;
            const char* source = keptSource(at, step, length);
            std::memcpy(out + put, source, length);
            put += length;
        } else {
            out[put++] = '*';
        }
        at += step;
    }
    return needed;
}
