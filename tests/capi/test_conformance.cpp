// The conformance corpus (tests/conformance) through the C API: every case of
// every section but lines (which is idtool's and the page's), each failure
// named "capi <section>/<id>".
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "capi/idnumber.h"
#include "tests/capi/sized.h"

namespace {

using nlohmann::json;

json section(const char* name) {
    std::ifstream file(std::string(CONFORMANCE_DIR) + "/" + name + ".json");
    EXPECT_TRUE(file.good()) << name;
    json cases = json::array();
    for (const json& entry : json::parse(file))
        if (entry.is_object()) cases.push_back(entry);
    EXPECT_FALSE(cases.empty()) << name;
    return cases;
}

void appendUtf8(std::string& out, uint32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | point >> 6);
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | point >> 18);
        out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// The bytes of a text form, as a byte host passes them: a lone surrogate of
// a "utf16" form is U+FFFD.
std::string bytesOf(const json& form) {
    if (form.is_string()) return form.get<std::string>();
    if (form.contains("hex")) {
        std::string out;
        const std::string hex = form["hex"];
        for (std::size_t i = 0; i + 1 < hex.size();) {
            if (hex[i] == ' ') {
                ++i;
                continue;
            }
            out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            i += 2;
        }
        return out;
    }
    if (form.contains("utf16")) {
        std::vector<uint32_t> units;
        const std::string text = form["utf16"];
        for (std::size_t i = 0; i < text.size(); i += 5) units.push_back(std::stoul(text.substr(i, 4), nullptr, 16));
        std::string out;
        for (std::size_t i = 0; i < units.size(); ++i) {
            const uint32_t unit = units[i];
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                units[i + 1] <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
            } else {
                appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
            }
        }
        return out;
    }
    if (form.contains("repeat")) {
        const std::string piece = bytesOf(form["repeat"]);
        std::string out;
        const std::size_t times = form["times"];
        out.reserve(piece.size() * times);
        for (std::size_t i = 0; i < times; ++i) out += piece;
        return out;
    }
    std::string out;
    for (const json& part : form["parts"]) out += bytesOf(part);
    return out;
}

std::string traceOf(const char* name, const json& c) { return std::string("capi ") + name + "/" + c["id"].get<std::string>(); }

std::string statusName(int status) { return idn_status_name(status); }

TEST(Conformance, Verify) {
    const json cases = section("verify");
    std::string packed;
    std::vector<size_t> ends;
    std::vector<std::string> expectedReasons;
    for (const json& c : cases) {
        SCOPED_TRACE(traceOf("verify", c));
        const std::string text = bytesOf(c["input"]);
        const int yearLimit = c.value("year_limit", 0);
        const json& expect = c["expect"];
        const size_t held = text.size() < IDN_INPUT_HELD_BYTES ? text.size() : IDN_INPUT_HELD_BYTES;
        char record[IDN_VERIFY_JSON_SIZE];
        size_t written = 0;
        ASSERT_EQ(idn_verify_json_prefix(text.data(), held, text.size(), yearLimit, IDN_VERIFY_JSON_HISTORY, record,
                                         sizeof record, &written),
                  IDN_OK);
        const json actual = json::parse(std::string(record, written));
        for (const auto& field : actual.items()) EXPECT_EQ(field.value(), expect[field.key()]) << field.key();
        EXPECT_EQ(actual.size() + 2, expect.size());

        auto verdict = sized<idn_verdict_t>();
        ASSERT_EQ(idn_verify(text.data(), text.size(), yearLimit, &verdict), IDN_OK);
        EXPECT_EQ(verdict.length, expect["length"].get<uint64_t>());
        const bool valid = verdict.reason == IDN_VALID;
        EXPECT_EQ(valid, expect["valid"].get<bool>());
        const char* reason = idn_reason_name(verdict.reason);
        EXPECT_EQ(reason == nullptr ? json() : json(reason), expect["reason"]);
        const char* sex = idn_sex_name(verdict.sex);
        EXPECT_EQ(sex == nullptr ? json() : json(sex), expect["sex"]);
        if (valid && idn_is_calendar_date(verdict.birth_year, verdict.birth_month, verdict.birth_day)) {
            char day[16];
            std::snprintf(day, sizeof day, "%04d-%02d-%02d", verdict.birth_year, verdict.birth_month,
                          verdict.birth_day);
            EXPECT_EQ(json(day), expect["birth_day"]);
        } else {
            EXPECT_TRUE(expect["birth_day"].is_null());
        }
        int32_t hint = -1;
        char upgraded[IDN_NUMBER_SIZE];
        ASSERT_EQ(idn_hint_of(text.data(), text.size(), yearLimit, &hint, upgraded, sizeof upgraded, nullptr), IDN_OK);
        const char* hintName = idn_hint_name(hint);
        EXPECT_EQ(hintName == nullptr ? json() : json(hintName), expect["hint"]);
        EXPECT_EQ(upgraded[0] == '\0' ? json() : json(upgraded), expect["upgraded"]);
        if (yearLimit == 0) {
            ends.push_back((packed += text).size());
            expectedReasons.push_back(expect["reason"].is_null() ? "" : expect["reason"].get<std::string>());
        }
    }
    // The cases without a year limit as one batch of columns.
    std::vector<uint8_t> reasons(ends.size());
    ASSERT_EQ(idn_verify_columns(packed.data(), ends.data(), ends.size(), 0, reasons.data(), nullptr, nullptr, nullptr,
                                 nullptr),
              IDN_OK);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const char* name = idn_reason_name(reasons[i]);
        EXPECT_EQ(name == nullptr ? "" : name, expectedReasons[i]) << "capi verify batch, case " << i;
    }
}

TEST(Conformance, Generate) {
    for (const json& c : section("generate")) {
        SCOPED_TRACE(traceOf("generate", c));
        const json& o = c["options"];
        const json& expect = c["expect"];
        idn_generator_t generator;
        ASSERT_EQ(idn_generator_init(&generator, sizeof generator), IDN_OK);
        const auto text = [&](const char* field, int option) {
            if (!o.contains(field) || o[field].is_null()) return;
            const std::string value = bytesOf(o[field]);
            ASSERT_EQ(idn_generator_set_text(&generator, option, value.data(), value.size()), IDN_OK);
        };
        text("region", IDN_OPTION_REGION);
        text("birth", IDN_OPTION_BIRTH);
        text("born_from", IDN_OPTION_BORN_FROM);
        text("born_to", IDN_OPTION_BORN_TO);
        text("sex", IDN_OPTION_SEX);
        // What a host of wide integers refuses before the options: a count or
        // seed no 64-bit integer holds, and a negative seed.
        std::string refusedStatus, refusedOption;
        const std::string count = o.value("count", "1");
        try {
            if (count[0] == '-')
                idn_generator_set_integer(&generator, IDN_OPTION_COUNT, std::stoll(count));
            else
                idn_generator_set_unsigned(&generator, IDN_OPTION_COUNT, std::stoull(count));
        } catch (const std::out_of_range&) {
            refusedStatus = "IDN_ERROR_COUNT_RANGE", refusedOption = "count";
        }
        if (o.contains("seed")) {
            const std::string seed = o["seed"];
            try {
                if (seed[0] == '-') throw std::out_of_range("negative");
                idn_generator_set_unsigned(&generator, IDN_OPTION_SEED, std::stoull(seed));
            } catch (const std::out_of_range&) {
                if (refusedStatus.empty()) refusedStatus = "IDN_ERROR_SEED_RANGE", refusedOption = "seed";
            }
        }
        if (o.contains("as_of_year")) idn_generator_set_integer(&generator, IDN_OPTION_AS_OF_YEAR, o["as_of_year"]);
        if (o.contains("year_limit")) idn_generator_set_integer(&generator, IDN_OPTION_YEAR_LIMIT, o["year_limit"]);
        if (!refusedStatus.empty()) {
            EXPECT_EQ(json(refusedStatus), expect["status"]);
            EXPECT_EQ(json(refusedOption), expect["option"]);
            continue;
        }
        const int status = idn_generator_prepare(&generator);
        int32_t refusal = 0, option = -1;
        ASSERT_EQ(idn_generator_refusal(&generator, &refusal, &option), IDN_OK);
        EXPECT_EQ(refusal, status);
        char message[IDN_MESSAGE_SIZE];
        size_t written = 0;
        ASSERT_EQ(idn_generator_message(&generator, nullptr, 0, message, sizeof message, &written), IDN_OK);
        if (status != IDN_OK) {
            EXPECT_EQ(json(statusName(status)), expect["status"]);
            EXPECT_EQ(json(idn_option_name(option)), expect["option"]);
            EXPECT_EQ(json(std::string(message, written)), expect["message"]);
            continue;
        }
        ASSERT_TRUE(expect.contains("numbers")) << expect.dump();
        json numbers = json::array();
        char number[IDN_NUMBER_SIZE];
        for (int64_t i = 0; i < idn_generator_count(&generator); ++i) {
            ASSERT_EQ(idn_generator_number(&generator, i, number, sizeof number, nullptr), IDN_OK);
            numbers.push_back(number);
        }
        EXPECT_EQ(numbers, expect["numbers"]);
        if (idn_generator_warning(&generator) != IDN_WARNING_NONE)
            EXPECT_EQ(json(std::string(message, written)), expect["warning"]);
        else
            EXPECT_FALSE(expect.contains("warning"));
    }
}

TEST(Conformance, Age) {
    for (const json& c : section("age")) {
        SCOPED_TRACE(traceOf("age", c));
        const std::string text = bytesOf(c["input"]);
        auto verdict = sized<idn_verdict_t>();
        ASSERT_EQ(idn_verify(text.data(), text.size(), c.value("year_limit", 0), &verdict), IDN_OK);
        const std::string on = c["on"];
        int32_t age = -1;
        const int status = idn_age_on(&verdict, std::stoi(on.substr(0, 4)), std::stoi(on.substr(5, 2)),
                                      std::stoi(on.substr(8, 2)), &age);
        const json& expect = c["expect"];
        if (expect.contains("status")) {
            EXPECT_EQ(json(statusName(status)), expect["status"]);
        } else if (expect["age"].is_null()) {
            EXPECT_EQ(status, IDN_ERROR_NOT_FOUND);
        } else {
            ASSERT_EQ(status, IDN_OK);
            EXPECT_EQ(json(age), expect["age"]);
        }
    }
}

TEST(Conformance, SexWords) {
    const char* const names[] = {"any", "male", "female"};
    for (const json& c : section("sex")) {
        SCOPED_TRACE(traceOf("sex", c));
        const std::string word = bytesOf(c["word"]);
        int32_t sex = -1;
        const int status = idn_parse_sex(word.data(), word.size(), &sex);
        if (status == IDN_OK)
            EXPECT_EQ(json(names[sex]), c["expect"]["sex"]);
        else
            EXPECT_EQ(json(statusName(status)), c["expect"]["status"]);
    }
}

TEST(Conformance, MaskAndUpgrade) {
    for (const json& c : section("mask")) {
        SCOPED_TRACE(traceOf("mask", c));
        const std::string text = bytesOf(c["input"]);
        std::string masked(IDN_MASK_SIZE(text.size()), '\0');
        size_t written = 0;
        ASSERT_EQ(idn_mask_text(text.data(), text.size(), masked.data(), masked.size(), &written), IDN_OK);
        masked.resize(written);
        EXPECT_EQ(masked, bytesOf(c["expect"]));
    }
    for (const json& c : section("upgrade")) {
        SCOPED_TRACE(traceOf("upgrade", c));
        const std::string text = bytesOf(c["input"]);
        char number[IDN_NUMBER_SIZE];
        const int status = idn_upgrade_number(text.data(), text.size(), number, sizeof number, nullptr);
        if (status == IDN_OK) {
            EXPECT_EQ(json(number), c["expect"]["number"]);
            continue;
        }
        EXPECT_EQ(json(statusName(status)), c["expect"]["status"]);
        char message[IDN_REASON_MESSAGE_SIZE];
        ASSERT_EQ(idn_upgrade_message(text.data(), text.size(), message, sizeof message, nullptr), IDN_OK);
        EXPECT_EQ(json(message), c["expect"]["message"]);
    }
}

TEST(Conformance, HistoryAndRegions) {
    for (const json& c : section("history")) {
        SCOPED_TRACE(traceOf("history", c));
        const int32_t code = c["code"];
        if (c.contains("year")) {
            EXPECT_EQ(json(idn_in_use_at_birth(code, c["year"]) == 1), c["expect"]["in_use_at_birth"]);
            continue;
        }
        EXPECT_EQ(json(idn_code_status_name(idn_code_status_of(code))), c["expect"]["code_status"]);
        char value[IDN_HISTORY_JSON_SIZE];
        size_t written = 0;
        ASSERT_EQ(idn_history_json(code, value, sizeof value, &written), IDN_OK);
        EXPECT_EQ(json::parse(std::string(value, written)), c["expect"]["history"]);
        ASSERT_EQ(idn_successors_json(code, value, sizeof value, &written), IDN_OK);
        EXPECT_EQ(json::parse(std::string(value, written)), c["expect"]["successors"]);
        ASSERT_EQ(idn_now_codes_json(code, value, sizeof value, &written), IDN_OK);
        EXPECT_EQ(json::parse(std::string(value, written)), c["expect"]["now"]);
    }
    for (const json& c : section("regions")) {
        SCOPED_TRACE(traceOf("regions", c));
        if (c.contains("query")) {
            const std::string query = bytesOf(c["query"]);
            json codes = json::array();
            size_t cursor = 0;
            auto region = sized<idn_region_t>();
            while (idn_search_regions(query.data(), query.size(), &cursor, &region) == 1) codes.push_back(region.code);
            EXPECT_EQ(codes, c["expect"]["codes"]);
            continue;
        }
        int32_t code = 0;
        int status;
        if (c["region"].is_null()) {
            status = idn_resolve_region(nullptr, 0, c.value("as_of_year", 0), &code);
        } else {
            const std::string region = bytesOf(c["region"]);
            status = idn_resolve_region(region.data(), region.size(), c.value("as_of_year", 0), &code);
        }
        if (status == IDN_OK)
            EXPECT_EQ(json(code), c["expect"]["code"]);
        else
            EXPECT_EQ(json(statusName(status)), c["expect"]["status"]);
    }
}

}  // namespace
