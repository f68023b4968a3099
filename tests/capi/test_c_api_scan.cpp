// The C API's scanner: its storage and setters, the refusals of prepare and
// their messages, the order of calls, finding and redacting a stream in
// pieces, the summary, one number held alone, and no allocation anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "capi/idnumber.h"
#include "tests/allocation_counter.h"
#include "tests/capi/sized.h"

namespace {

const std::string number = "11010519491231002X";
const char key[] = "sixteen bytes or more of key";

struct Scanner {
    idn_scanner_t storage;
    Scanner() { EXPECT_EQ(idn_scanner_init(&storage, sizeof storage), IDN_OK); }
    idn_scanner_t* operator->() { return &storage; }
    idn_scanner_t* get() { return &storage; }
};

std::string message(const idn_scanner_t* scanner, const char* const* names = nullptr, size_t count = 0) {
    char out[IDN_MESSAGE_SIZE];
    size_t written = 0;
    EXPECT_EQ(idn_scanner_message(scanner, names, count, out, sizeof out, &written), IDN_OK);
    return std::string(out, written);
}

std::vector<idn_match_t> findIn(idn_scanner_t* scanner, const std::string& text, size_t piece) {
    std::vector<idn_match_t> matches;
    for (size_t at = 0;; at += piece) {
        const bool final = at + piece >= text.size();
        const size_t length = final ? text.size() - at : piece;
        EXPECT_EQ(idn_scanner_feed(scanner, text.data() + at, length, final ? 1 : 0), IDN_OK);
        idn_match_t match = sized<idn_match_t>();
        while (idn_scanner_next(scanner, &match) == 1) matches.push_back(match);
        if (final) break;
    }
    return matches;
}

TEST(CApiScanner, StorageSettersAndOrder) {
    idn_scanner_t storage;
    EXPECT_EQ(idn_scanner_init(&storage, 100), IDN_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(idn_scanner_init(nullptr, sizeof storage), IDN_ERROR_NULL_POINTER);
    Scanner scanner;
    EXPECT_EQ(idn_scanner_set_integer(scanner.get(), IDN_OPTION_LABEL, 1), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_scanner_set_text(scanner.get(), IDN_OPTION_ENCODING, "1", 1), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_scanner_set_integer(scanner.get(), IDN_OPTION_COUNT, 1), IDN_ERROR_BAD_OPTION);
    EXPECT_EQ(idn_scanner_set_text(scanner.get(), IDN_OPTION_KEY, nullptr, 3), IDN_ERROR_NULL_POINTER);
    idn_match_t match = sized<idn_match_t>();
    EXPECT_EQ(idn_scanner_feed(scanner.get(), "1", 1, 1), IDN_ERROR_NOT_PREPARED);
    EXPECT_EQ(idn_scanner_next(scanner.get(), &match), IDN_ERROR_NOT_PREPARED);
    ASSERT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);
    idn_match_t small = sized<idn_match_t>();
    small.size = 8;
    EXPECT_EQ(idn_scanner_next(scanner.get(), &small), IDN_ERROR_BAD_ARGUMENT);
    EXPECT_EQ(idn_scanner_next(scanner.get(), &match), 0);  // nothing given yet
    EXPECT_EQ(idn_scanner_feed(scanner.get(), number.data(), 10, 0), IDN_OK);
    EXPECT_EQ(idn_scanner_feed(scanner.get(), number.data(), 10, 0), IDN_ERROR_SCAN_ORDER);  // not read through
    EXPECT_EQ(idn_scanner_next(scanner.get(), &match), 0);
    EXPECT_EQ(idn_scanner_set_integer(scanner.get(), IDN_OPTION_ENCODING, 1), IDN_ERROR_SCAN_ORDER);
    char out[IDN_REDACT_SIZE(1)];
    EXPECT_EQ(idn_scanner_redact(scanner.get(), "1", 1, 1, out, sizeof out, nullptr), IDN_ERROR_SCAN_ORDER);
    EXPECT_EQ(idn_scanner_feed(scanner.get(), number.data() + 10, 8, 1), IDN_OK);
    ASSERT_EQ(idn_scanner_next(scanner.get(), &match), 1);
    EXPECT_STREQ(match.number, number.c_str());
    EXPECT_EQ(match.size, sizeof match);
    EXPECT_EQ(idn_scanner_next(scanner.get(), &match), 0);
    EXPECT_EQ(idn_scanner_feed(scanner.get(), "", 0, 1), IDN_ERROR_SCAN_ORDER);  // after the final piece
}

TEST(CApiScanner, RefusalsInOrderWithTheirMessages) {
    struct Case {
        int option;
        int64_t value;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {IDN_OPTION_ENCODING, 3, IDN_ERROR_BAD_ENCODING, "encoding: must be 0 (UTF-8), 1 (GBK) or 2 (auto), not 3"},
        {IDN_OPTION_FIFTEEN_DIGITS, 2, IDN_ERROR_BAD_ARGUMENT, "fifteen_digits: must be 0 or 1, not 2"},
        {IDN_OPTION_MIN_CONFIDENCE, 0, IDN_ERROR_BAD_CONFIDENCE,
         "min_confidence: must be 1 (low), 2 (medium) or 3 (high), not 0"},
        {IDN_OPTION_AS_OF_DATE, 20230229, IDN_ERROR_AS_OF_DATE,
         "as_of_date: must be a calendar date YYYYMMDD of the years 1 to 9999, not 20230229"},
        {IDN_OPTION_REDACTION, -1, IDN_ERROR_BAD_REDACTION,
         "redaction: must be 0 (mask), 1 (label), 2 (token) or 3 (pseudonym), not -1"},
        {IDN_OPTION_MASK_FIRST, 18, IDN_ERROR_MASK_RANGE, "mask_first: must be 0 to 17, not 18"},
        {IDN_OPTION_MASK_LAST, 14, IDN_ERROR_MASK_RANGE,
         "mask_last: must be 0 to 11 with mask_first 6 (at least one character masked), not 14"},
        {IDN_OPTION_TOKEN_ALPHABET, 2, IDN_ERROR_TOKEN_FORMAT, "token_alphabet: must be 0 (hex) or 1 (base32), not 2"},
        {IDN_OPTION_TOKEN_LENGTH, 65, IDN_ERROR_TOKEN_FORMAT, "token_length: must be 8 to 64 with hex, not 65"},
        {IDN_OPTION_KEEP, 8, IDN_ERROR_BAD_ARGUMENT,
         "keep: must be a sum of 1 (region), 2 (birth year) and 4 (sex), from 0 to 7, not 8"},
    };
    for (const Case& c : cases) {
        Scanner scanner;
        ASSERT_EQ(idn_scanner_set_integer(scanner.get(), c.option, c.value), IDN_OK);
        EXPECT_EQ(idn_scanner_prepare(scanner.get()), c.status) << c.message;
        int32_t status = 0, option = 0;
        EXPECT_EQ(idn_scanner_refusal(scanner.get(), &status, &option), IDN_OK);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(option, c.option);
        EXPECT_EQ(message(scanner.get()), c.message);
        EXPECT_NE(idn_status_name(c.status), nullptr);
    }
    // The caller's words for its options.
    Scanner scanner;
    idn_scanner_set_integer(scanner.get(), IDN_OPTION_REDACTION, IDN_REDACT_TOKEN);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_ERROR_NO_KEY);
    const char* names[IDN_OPTION_KEEP + 1] = {};
    names[IDN_OPTION_KEY] = "--key-file";
    EXPECT_EQ(message(scanner.get(), names, IDN_OPTION_KEEP + 1),
              "--key-file is required by the token and pseudonym ways of redaction");
    idn_scanner_set_text(scanner.get(), IDN_OPTION_KEY, "short", 5);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_ERROR_KEY_TOO_SHORT);
    EXPECT_EQ(message(scanner.get()), "key: must be at least 16 bytes, not 5");
    idn_scanner_set_text(scanner.get(), IDN_OPTION_KEY, key, sizeof key - 1);
    idn_scanner_set_text(scanner.get(), IDN_OPTION_LABEL, "\xFF", 1);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_ERROR_LABEL_TEXT);
    idn_scanner_set_text(scanner.get(), IDN_OPTION_LABEL, u8"[€]", 5);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);  // UTF-8 text needs no GBK form
    idn_scanner_set_integer(scanner.get(), IDN_OPTION_ENCODING, IDN_ENCODING_AUTO);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_ERROR_LABEL_TEXT);
    EXPECT_EQ(message(scanner.get()), u8"label: must be writable in GBK for text read as GBK, not \"[€]\"");
    idn_scanner_set_text(scanner.get(), IDN_OPTION_LABEL, std::string(65, 'x').data(), 65);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_ERROR_LABEL_TEXT);
    EXPECT_EQ(message(scanner.get()), "label: must be at most 64 bytes, not 65");
    idn_scanner_set_text(scanner.get(), IDN_OPTION_LABEL, "", 0);
    EXPECT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);
    EXPECT_EQ(message(scanner.get()), "");
    EXPECT_STREQ(idn_option_name(IDN_OPTION_TOKEN_LENGTH), "token_length");
    EXPECT_STREQ(idn_status_name(IDN_ERROR_SCAN_ORDER), "IDN_ERROR_SCAN_ORDER");
    EXPECT_STREQ(idn_status_name(IDN_ERROR_NOT_PREPARED), "IDN_ERROR_NOT_PREPARED");
}

TEST(CApiScanner, FindsInPiecesAndCounts) {
    const std::string text = u8"身份证号码：" + number + "\n" + u8"手机 13800138000，证件 110105-19491231-002x\n" +
                             "110105194912310021 and 11010519491231002X11010519491231002X";
    Scanner scanner;
    idn_scanner_set_integer(scanner.get(), IDN_OPTION_MIN_CONFIDENCE, IDN_CONFIDENCE_LOW);
    idn_scanner_set_integer(scanner.get(), IDN_OPTION_AS_OF_DATE, 20240101);
    ASSERT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);
    const std::vector<idn_match_t> matches = findIn(scanner.get(), text, 5);
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[0].confidence, IDN_CONFIDENCE_HIGH);
    EXPECT_STREQ(matches[0].keyword, u8"身份证号码");
    EXPECT_EQ(matches[0].byte_offset, 18u);
    EXPECT_EQ(matches[0].char_offset, 6u);
    EXPECT_EQ(matches[0].kind, IDN_KIND_RESIDENT);
    EXPECT_EQ(matches[0].sex, IDN_SEX_FEMALE);
    EXPECT_EQ(matches[0].birth_year * 10000 + matches[0].birth_month * 100 + matches[0].birth_day, 19491231);
    EXPECT_EQ(matches[0].region_code, 110105);
    EXPECT_EQ(matches[1].form, IDN_FORM_SEPARATED | IDN_FORM_LOWERCASE_X);
    EXPECT_EQ(matches[1].line, 2u);
    EXPECT_EQ(matches[1].column, 19u);
    EXPECT_EQ(matches[1].confidence, IDN_CONFIDENCE_HIGH);  // the keyword of the line before is within reach
    EXPECT_EQ(matches[2].confidence, IDN_CONFIDENCE_LOW);
    EXPECT_EQ(matches[2].flaw, IDN_FLAW_CHECK);
    EXPECT_EQ(matches[2].region_code, 0);
    idn_scan_summary_t summary = sized<idn_scan_summary_t>();
    ASSERT_EQ(idn_scanner_summary(scanner.get(), &summary), IDN_OK);
    EXPECT_EQ(summary.bytes, text.size());
    EXPECT_EQ(summary.matches, 3u);
    EXPECT_EQ(summary.by_confidence[IDN_CONFIDENCE_HIGH], 2u);
    EXPECT_EQ(summary.by_confidence[IDN_CONFIDENCE_LOW], 1u);
    EXPECT_EQ(summary.plain, 2u);
    EXPECT_EQ(summary.by_form[2], 1u);  // separated
    EXPECT_STREQ(idn_confidence_name(matches[2].confidence), "low");
    EXPECT_STREQ(idn_form_name(IDN_FORM_SEPARATED), "separated");
    EXPECT_EQ(idn_form_name(IDN_FORM_SEPARATED | IDN_FORM_FULLWIDTH), nullptr);
    EXPECT_STREQ(idn_flaw_name(IDN_FLAW_REGION), "region");
    EXPECT_STREQ(idn_redaction_name(IDN_REDACT_PSEUDONYM), "pseudonym");
}

// A prepared scanner begins stream after stream with the same options, each
// found as a first stream would be, and so does a copy of it.
TEST(CApiScanner, RestartsWithTheSameOptions) {
    Scanner scanner;
    EXPECT_EQ(idn_scanner_restart(scanner.get()), IDN_ERROR_NOT_PREPARED);
    idn_scanner_set_integer(scanner.get(), IDN_OPTION_AS_OF_DATE, 20240101);
    ASSERT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);
    const idn_scanner_t prepared = *scanner.get();
    const std::string first = u8"身份证 " + number + " 11010519";
    const std::string second = "x " + number;
    ASSERT_EQ(findIn(scanner.get(), first, 7).size(), 1u);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(idn_scanner_restart(scanner.get()), IDN_OK);
        const std::vector<idn_match_t> again = findIn(scanner.get(), second, 3);
        ASSERT_EQ(again.size(), 1u);
        EXPECT_EQ(again[0].byte_offset, 2u);  // from the start of this stream
        EXPECT_EQ(again[0].confidence, IDN_CONFIDENCE_MEDIUM);  // the last stream's keyword is gone
        idn_scan_summary_t summary = sized<idn_scan_summary_t>();
        idn_scanner_summary(scanner.get(), &summary);
        EXPECT_EQ(summary.bytes, second.size());
    }
    idn_scanner_t copy = prepared;
    EXPECT_EQ(findIn(&copy, second, 1).size(), 1u);
}

TEST(CApiScanner, RedactsInPiecesAndNumbersAlone) {
    Scanner scanner;
    ASSERT_EQ(idn_scanner_prepare(scanner.get()), IDN_OK);
    std::vector<char> out(IDN_REDACT_SIZE(7));
    size_t written = 0;
    EXPECT_EQ(idn_scanner_redact(scanner.get(), "x", 1, 0, out.data(), IDN_REDACT_SIZE(1) - 1, &written),
              IDN_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(written, static_cast<size_t>(IDN_REDACT_SIZE(1)));
    const std::string text = "id: " + number + ".";
    std::string redacted;
    for (size_t at = 0; at < text.size(); at += 7) {
        const size_t length = std::min<size_t>(7, text.size() - at);
        ASSERT_EQ(idn_scanner_redact(scanner.get(), text.data() + at, length, 0, out.data(), out.size(), &written),
                  IDN_OK);
        EXPECT_EQ(out[written], '\0');
        redacted.append(out.data(), written);
    }
    ASSERT_EQ(idn_scanner_redact(scanner.get(), nullptr, 0, 1, out.data(), out.size(), &written), IDN_OK);
    redacted.append(out.data(), written);
    EXPECT_EQ(redacted, "id: 110105********002X.");
    idn_match_t match = sized<idn_match_t>();
    EXPECT_EQ(idn_scanner_next(scanner.get(), &match), IDN_ERROR_SCAN_ORDER);

    Scanner tokens;
    idn_scanner_set_integer(tokens.get(), IDN_OPTION_REDACTION, IDN_REDACT_TOKEN);
    idn_scanner_set_text(tokens.get(), IDN_OPTION_KEY, key, sizeof key - 1);
    idn_scanner_set_integer(tokens.get(), IDN_OPTION_MIN_CONFIDENCE, IDN_CONFIDENCE_HIGH);
    idn_scanner_set_integer(tokens.get(), IDN_OPTION_TOKEN_LENGTH, 20);
    ASSERT_EQ(idn_scanner_prepare(tokens.get()), IDN_OK);
    char alone[IDN_REDACT_NUMBER_SIZE];
    ASSERT_EQ(idn_scanner_redact_number(tokens.get(), number.data(), number.size(), alone, sizeof alone, &written),
              IDN_OK);
    EXPECT_EQ(written, 20u);
    // The same token as in a text, where a keyword makes it high.
    const std::string inText = u8"身份证 " + number;
    std::vector<char> whole(IDN_REDACT_SIZE(inText.size()));
    ASSERT_EQ(idn_scanner_redact(tokens.get(), inText.data(), inText.size(), 1, whole.data(), whole.size(), &written),
              IDN_OK);
    EXPECT_EQ(std::string(whole.data(), written), u8"身份证 " + std::string(alone));
    for (const std::string& notOne : {number + " ", std::string("110105194912310021"), number + number, std::string()})
        EXPECT_EQ(idn_scanner_redact_number(tokens.get(), notOne.data(), notOne.size(), alone, sizeof alone, nullptr),
                  IDN_ERROR_NOT_FOUND)
            << notOne;
}

#ifndef _WIN32
TEST(CApiScanner, NoAllocation) {
    const std::string text = std::string(5000, 'a') + u8" 身份证号码：" + number + " 110105 19491231 002X " +
                             std::string(3000, 'b') + "\xFF\xFE" + u8"证件号 １１０１０５１９４９１２３１００２Ｘ\n";
    Scanner finder, redactor;
    std::vector<char> out(IDN_REDACT_SIZE(text.size()));
    idn_match_t match = sized<idn_match_t>();
    idn_scan_summary_t summary = sized<idn_scan_summary_t>();
    char alone[IDN_REDACT_NUMBER_SIZE];
    idn_scanner_prepare(finder.get());  // the clock's first reading sets up the time zone
    startCountingAllocations();
    for (int way = IDN_REDACT_MASK; way <= IDN_REDACT_PSEUDONYM; ++way) {
        for (const int encoding : {IDN_ENCODING_UTF8, IDN_ENCODING_AUTO}) {
            idn_scanner_init(finder.get(), sizeof finder.storage);
            idn_scanner_set_integer(finder.get(), IDN_OPTION_ENCODING, encoding);
            idn_scanner_prepare(finder.get());
            size_t found = 0;
            for (size_t at = 0; at < text.size(); at += 333) {
                idn_scanner_feed(finder.get(), text.data() + at, std::min<size_t>(333, text.size() - at), 0);
                while (idn_scanner_next(finder.get(), &match) == 1) ++found;
            }
            idn_scanner_feed(finder.get(), nullptr, 0, 1);
            while (idn_scanner_next(finder.get(), &match) == 1) ++found;
            // In auto, the stretch with FF FE is GBK, and the full-width number in it no number.
            EXPECT_EQ(found, encoding == IDN_ENCODING_UTF8 ? 3u : 2u);
            idn_scanner_init(redactor.get(), sizeof redactor.storage);
            idn_scanner_set_integer(redactor.get(), IDN_OPTION_ENCODING, encoding);
            idn_scanner_set_integer(redactor.get(), IDN_OPTION_REDACTION, way);
            idn_scanner_set_text(redactor.get(), IDN_OPTION_KEY, key, sizeof key - 1);
            idn_scanner_set_integer(redactor.get(), IDN_OPTION_AS_OF_DATE, 20240101);
            EXPECT_EQ(idn_scanner_prepare(redactor.get()), IDN_OK);
            EXPECT_EQ(idn_scanner_redact(redactor.get(), text.data(), text.size(), 1, out.data(), out.size(), nullptr),
                      IDN_OK);
            idn_scanner_summary(redactor.get(), &summary);
            EXPECT_EQ(idn_scanner_redact_number(redactor.get(), number.data(), number.size(), alone, sizeof alone,
                                                nullptr),
                      IDN_OK);
        }
    }
    EXPECT_EQ(stopCountingAllocations(), 0);
}
#endif

}  // namespace
