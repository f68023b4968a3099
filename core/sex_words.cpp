// A short list compared byte for byte; only the ASCII words ignore case, as
// SQL users write 'Male' as often as 'male'.
#include "core/sex_words.h"

#include <cstring>

#include "core/verification.h"

namespace {

bool equalsIgnoringAsciiCase(const char* text, std::size_t length, const char* word) {
    if (length != std::strlen(word)) return false;
    for (std::size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

bool equalsExactly(const char* text, std::size_t length, const char* word) {
    return length == std::strlen(word) && std::memcmp(text, word, length) == 0;
}

}  // namespace

bool parseSexWord(const char* text, std::size_t length, SexChoice& sex) {
    if (text == nullptr || length == 0) return false;
    if (equalsExactly(text, length, sexText(true)) ||
        equalsIgnoringAsciiCase(text, length, "male")) {
        sex = SexChoice::male;
        return true;
    }
    if (equalsExactly(text, length, sexText(false)) ||
        equalsIgnoringAsciiCase(text, length, "female")) {
        sex = SexChoice::female;
        return true;
    }
    if (equalsIgnoringAsciiCase(text, length, "any")) {
        sex = SexChoice::any;
        return true;
    }
    return false;
}
