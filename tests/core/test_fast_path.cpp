// verify's fast path against the plain one: 10^6 lines of every kind written
// with the batch cache (valid numbers' fields copied from what it rendered,
// refusals' messages too) and without it (every field worked out and escaped
// as it comes), in every format, encoding and setting, byte for byte. And the
// wide check of 17 digits is the one verification uses, so its own test
// (test_check_character) covers the other half of the fast path.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "core/check_character.h"
#include "core/verification.h"
#include "records/region_value_cache.h"
#include "records/verify_record.h"

namespace {

constexpr int yearLimit = 2026;

std::string number(std::mt19937_64& random) {
    // 422921's in_use_at_birth changes four times over the years drawn: more
    // spans than the cache keeps for a code.
    static const int regions[] = {110105, 140302, 419001, 512201, 330112, 810000, 830000, 911101,
                                  659004, 999999, 120225, 500101, 511402, 510222, 422921};
    char stem[18];
    std::snprintf(stem, sizeof stem, "%06d%04d%02d%02d%03d", regions[random() % 15], 1900 + static_cast<int>(random() % 150),
                  1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 31),
                  static_cast<int>(random() % 999));
    return std::string(stem) + computeCheckCharacter(stem);
}

// Lines as the readers hand them over (at most 64 bytes held, the whole
// length known): mostly valid numbers of many regions, and every refusal,
// hint and kind of byte.
std::vector<std::string> sampleLines(std::size_t count) {
    std::mt19937_64 random(19);
    std::vector<std::string> lines;
    lines.reserve(count);
    while (lines.size() < count) {
        std::string text = number(random);
        switch (random() % 16) {
        case 0: text[17] = text[17] == '1' ? '2' : '1'; break;              // check
        case 1: text[17] = 'x'; break;                                       // characters
        case 2: text.resize(static_cast<std::size_t>(random() % 18)); break;     // length
        case 3: text.replace(6, 4, "2999"); text[17] = computeCheckCharacter(text.c_str()); break;  // date
        case 4: text = text.substr(0, 6) + text.substr(8, 9); break;         // fifteen digits
        case 5: text = std::string(65 + static_cast<std::size_t>(random() % 30), '7'); break;  // longer than the held limit
        case 6: text = "=cmd|' /C calc'!A0"; break;                          // a formula
        case 7: text = "１１０１０５１９４９１２３１００２Ｘ"; break;
        case 8: text = std::string("\xFF\xFE\x80\x01\x1B[2J", 8); break;
        case 9: text = "\xA1\x40\xD7\xFA\xC4\xD0"; break;                   // GBK, unassigned pairs among them
        case 10: text = "1.10105E+17"; break;
        default: break;
        }
        lines.push_back(text);
    }
    return lines;
}

std::string writeAll(const std::vector<std::string>& lines, RecordFormat format, Encoding encoding, bool history,
                     bool mask, const bool* selected, bool withCache) {
    std::string output;
    output.reserve(lines.size() * 200);
    char storage[1 << 16];
    OutputStream out(
        storage, sizeof storage,
        [](void* context, const char* bytes, std::size_t count, bool) {
            static_cast<std::string*>(context)->append(bytes, count);
            return static_cast<long long>(count);
        },
        &output);
    const VerifyRecordShape shape{true, history};
    RecordWriter writer(out, format, encoding, verifyRecordKeysOf(shape), verifyRecordKeyCountOf(shape));
    if (selected != nullptr) writer.select(selected);
    RegionValueCache cache(writer, history);
    char scratch[historyFieldCapacity];
    const VerifyRecordContext context{yearLimit, mask};
    uint64_t lineNumber = 0;
    for (const std::string& text : lines) {
        const std::size_t held = text.size() < 64 ? text.size() : 64;
        const std::string line = text.substr(0, held);
        const VerifyOutcome outcome =
            verifyNumberText(line.c_str(), static_cast<int>(held), static_cast<int>(text.size()), yearLimit);
        const VerifiedLine verified{++lineNumber, line.c_str(), held, text.size()};
        writeVerifyRecord(writer, shape, verified, outcome, withCache ? &cache : nullptr, scratch, context);
    }
    out.flush();
    return output;
}

TEST(VerifyFastPath, SameBytesAsThePlainPathOverAMillionLines) {
    const std::vector<std::string> lines = sampleLines(1000000);
    bool someFields[verifyFieldCount] = {};
    for (VerifyField field : {VerifyField::line, VerifyField::input, VerifyField::message, VerifyField::kind,
                              VerifyField::sex, VerifyField::county, VerifyField::now})
        someFields[fieldIndex(field)] = true;
    const struct {
        RecordFormat format;
        Encoding encoding;
        bool history;
        bool mask;
        const bool* selected;
        std::size_t lines;
    } settings[] = {
        {RecordFormat::tsv, Encoding::utf8, true, false, nullptr, 1000000},
        {RecordFormat::csv, Encoding::utf8, true, false, nullptr, 200000},
        {RecordFormat::jsonl, Encoding::utf8, true, false, nullptr, 200000},
        {RecordFormat::tsv, Encoding::gbk, true, false, nullptr, 200000},
        {RecordFormat::csv, Encoding::gbk, false, true, nullptr, 200000},
        {RecordFormat::jsonl, Encoding::utf8, true, true, someFields, 200000},
        {RecordFormat::tsv, Encoding::utf8, false, false, someFields, 200000},
    };
    for (const auto& setting : settings) {
        SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(setting.format) << ", encoding "
                                        << static_cast<int>(setting.encoding) << ", history " << setting.history
                                        << ", mask " << setting.mask << ", some fields "
                                        << (setting.selected != nullptr));
        const std::vector<std::string> some(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(setting.lines));
        const std::string fast = writeAll(some, setting.format, setting.encoding, setting.history, setting.mask,
                                          setting.selected, true);
        const std::string plain = writeAll(some, setting.format, setting.encoding, setting.history, setting.mask,
                                           setting.selected, false);
        ASSERT_EQ(fast.size(), plain.size());
        const auto difference = std::mismatch(fast.begin(), fast.end(), plain.begin());
        const auto at = static_cast<std::size_t>(difference.first - fast.begin());
        EXPECT_TRUE(difference.first == fast.end())
            << "at byte " << at << ": " << fast.substr(at < 100 ? 0 : at - 100, 200);
    }
}

}  // namespace
