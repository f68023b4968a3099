// The words that make a number found in text a sure one: a keyword ending
// within keywordReach characters before a valid number gives it high
// confidence (core/scanner.h). Chinese words match as they are; ASCII words
// in any ASCII case, as whole words (no ASCII letter or digit just before,
// no ASCII letter just after, but for a camel-case hump: "userIdCard").
// The one list of keywords is scanKeywords, in scan_keywords.cpp. Offers
// ScanKeyword, scanKeywords, keywordReach and isKeywordInitial.
#ifndef CORE_SCAN_KEYWORDS_H
#define CORE_SCAN_KEYWORDS_H

#include <cstdint>

// Characters between a keyword's end and the number's start, at most.
constexpr int keywordReach = 300;
constexpr int maxKeywordCharacters = 16;

struct ScanKeyword {
    const char* utf8;  // the keyword as a match names it (ASCII words in lower case)
    uint32_t codePoints[maxKeywordCharacters];
    int length;  // in characters
    bool ascii;
};

extern const ScanKeyword scanKeywords[];
extern const int scanKeywordCount;

// Whether a keyword may begin with the character (ASCII letters in either
// case): the scanner tries the keywords only there.
bool isKeywordInitial(uint32_t codePoint);

// ASCII case folding for the ASCII keywords.
inline uint32_t foldAscii(uint32_t codePoint) {
    return codePoint >= 'A' && codePoint <= 'Z' ? codePoint + ('a' - 'A') : codePoint;
}

#endif
