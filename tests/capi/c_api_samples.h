// What the C API's tests share: the year limit, a verify record in JSON, and
// lines of every kind.
#ifndef TESTS_CAPI_C_API_SAMPLES_H
#define TESTS_CAPI_C_API_SAMPLES_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capi/idnumber.h"

inline constexpr int yearLimit = 2026;

inline std::string verifyJson(const std::string& text, int flags = IDN_VERIFY_JSON_HISTORY) {
    char out[IDN_VERIFY_JSON_SIZE];
    size_t written = 0;
    EXPECT_EQ(idn_verify_json(text.data(), text.size(), yearLimit, flags, out, sizeof out, &written), IDN_OK);
    return std::string(out, written);
}

// Lines of every kind: each reason, long and binary lines, and valid numbers
// of 2009 codes, codes in use since, abolished and unknown ones, a permit and
// a foreigner's card.
inline std::vector<std::string> sampleLines() {
    return {"11010519491231002X", "11010519491231002x", "1101051949123100", "110105194912310021",
            "110105204912310029", "512201198001010012", "330112200001010029", "419001199001010011",
            "810000199001010013", "830000200001010018", "911101199001010012", "",
            std::string(64, '7'), std::string(65, '7'), std::string("\xFF\xFE\x80 \t\"\\", 8),
            std::string("11010519491231002\0", 18), "１１０１０５１９４９１２３１００２Ｘ", "99999919900101001X"};
}

#endif
