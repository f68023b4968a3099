// What the scanner's tests share: numbers made from their first 17 digits,
// texts converted to GBK, and a stream found or redacted whole or in
// pieces of any size.
#ifndef TESTS_SCAN_TEST_SUPPORT_H
#define TESTS_SCAN_TEST_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/gbk_table.h"
#include "core/scanner.h"

// An 18-character number: the 17 digits and their check character.
inline std::string numberOf(const std::string& stem) { return stem + checkCharacterOfDigits(stem.c_str()); }

// The GBK bytes of UTF-8 text (every character of it must have a GBK form).
inline std::string gbkOf(const std::string& utf8) {
    std::string gbk;
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 0;
        const uint32_t point = decodeCharacter(reinterpret_cast<const unsigned char*>(utf8.data() + at),
                                               utf8.size() - at, Encoding::utf8, length);
        char bytes[4];
        const std::size_t written = encodeCharacter(point, Encoding::gbk, bytes);
        gbk.append(bytes, written);
        at += length;
    }
    return gbk;
}

// The options of the tests: births up to the middle of 2024.
inline ScanOptions testScanOptions() {
    ScanOptions options;
    options.asOf = BirthDate{2024, 6, 30};
    prepareHmacKey(reinterpret_cast<const unsigned char*>("the tests' key of 32 bytes, fixed"), 33,
                   options.redaction.key);
    return options;
}

// How a stream is cut: whole (0), into pieces of `size` bytes, or, for
// `size` below 0, into pieces of 1 to -size bytes drawn from `seed`.
struct Pieces {
    long size = 0;
    unsigned seed = 1;
};

inline std::vector<std::string> cut(const std::string& text, const Pieces& pieces) {
    std::vector<std::string> parts;
    if (pieces.size == 0) return {text};
    std::mt19937 random(pieces.seed);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = pieces.size > 0 ? static_cast<std::size_t>(pieces.size)
                                             : 1 + random() % static_cast<std::size_t>(-pieces.size);
        if (length > text.size() - at) length = text.size() - at;
        parts.push_back(text.substr(at, length));
        at += length;
    }
    return parts;
}

inline std::vector<ScanMatch> findAll(const ScanOptions& options, const std::string& text, const Pieces& pieces = {}) {
    auto scanner = std::make_unique<Scanner>();
    beginScan(*scanner, options);
    std::vector<ScanMatch> matches;
    const std::vector<std::string> parts = cut(text, pieces);
    for (std::size_t i = 0; i <= parts.size(); ++i) {
        const bool final = i == parts.size();
        const std::string& part = final ? std::string() : parts[i];
        givePiece(*scanner, part.data(), part.size(), final);
        ScanMatch match;
        while (nextMatch(*scanner, match)) matches.push_back(match);
    }
    return matches;
}

inline std::string redactAll(const ScanOptions& options, const std::string& text, const Pieces& pieces = {}) {
    auto scanner = std::make_unique<Scanner>();
    beginScan(*scanner, options);
    std::string redacted;
    const std::vector<std::string> parts = cut(text, pieces);
    std::vector<char> out;
    for (std::size_t i = 0; i <= parts.size(); ++i) {
        const bool final = i == parts.size();
        const std::string part = final ? std::string() : parts[i];
        out.assign(redactionRoom(part.size()), '\0');
        std::size_t written = 0;
        redactPiece(*scanner, part.data(), part.size(), final, out.data(), written);
        redacted.append(out.data(), written);
    }
    return redacted;
}

// The numbers of the matches, for short expectations.
inline std::vector<std::string> numbersOf(const std::vector<ScanMatch>& matches) {
    std::vector<std::string> numbers;
    for (const ScanMatch& match : matches) numbers.emplace_back(match.number);
    return numbers;
}

#endif
