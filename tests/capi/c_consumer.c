/* A C99 program that uses the C API as any C caller would: built against the
 * installed header and library (with pkg-config, with find_package) and, on
 * Windows, against idnumber.dll. Checks one result of each kind of function
 * and prints "ok", or the first difference and exits 1. */
#include <stdio.h>
#include <string.h>

#include <idnumber.h>

static int failures = 0;

static void expect(int condition, const char* what) {
    if (!condition) {
        printf("FAIL: %s\n", what);
        ++failures;
    }
}

int main(void) {
    idn_verdict_t verdict = {.size = sizeof verdict};
    idn_region_fields_t fields = {.size = sizeof fields};
    idn_generator_t generator;
    char text[IDN_VERIFY_JSON_SIZE];
    char message[IDN_MESSAGE_SIZE];
    int32_t option = IDN_OPTION_NONE;
    size_t written = 0;
    const char* valid = "11010519491231002X";

    expect(idn_version_number() == IDN_VERSION_NUMBER, "the library's version is the header's");

    expect(idn_verify(valid, strlen(valid), 2026, &verdict) == IDN_OK, "verify returns IDN_OK");
    expect(verdict.reason == IDN_VALID && verdict.sex == IDN_SEX_FEMALE && verdict.birth_year == 1949 &&
               verdict.region_code == 110105 && verdict.kind == IDN_KIND_RESIDENT,
           "a valid number's fields");
    expect(idn_verify("11010519491231002x", 18, 2026, &verdict) == IDN_OK && verdict.reason == IDN_REASON_CHARACTERS &&
               verdict.expected_check == 'X',
           "a lower-case x is refused for its characters");
    expect(idn_verify("1101051949123100", 16, 2026, &verdict) == IDN_OK && verdict.reason == IDN_REASON_LENGTH,
           "16 bytes are refused for their length");
    expect(idn_reason_message(&verdict, text, sizeof text, &written) == IDN_OK &&
               strcmp(text, "\xE6\x82\xA8\xE8\xBE\x93\xE5\x85\xA5\xE7\x9A\x84\xE8\xBA\xAB\xE4\xBB\xBD\xE8\xAF\x81"
                            "\xE5\x8F\xB7\xE4\xB8\xBA" "16" "\xE4\xBD\x8D\xEF\xBC\x8C\xE6\xAD\xA3\xE7\xA1\xAE\xE7\x9A"
                            "\x84\xE5\xBA\x94\xE4\xB8\xBA" "18" "\xE4\xBD\x8D") == 0,
           "the length message names 16");
    expect(idn_verify(NULL, 1, 2026, &verdict) == IDN_ERROR_NULL_POINTER, "a NULL text is refused");

    expect(idn_region_fields(140302, &fields) == IDN_OK && strcmp(fields.county, "\xE5\x9F\x8E\xE5\x8C\xBA") == 0,
           "140302 is 城区");

    expect(idn_generator_init(&generator, sizeof generator) == IDN_OK, "generator_init");
    idn_generator_set_text(&generator, IDN_OPTION_REGION, "110105", 6);
    idn_generator_set_text(&generator, IDN_OPTION_BIRTH, "19491001", 8);
    idn_generator_set_integer(&generator, IDN_OPTION_COUNT, 5);
    idn_generator_set_unsigned(&generator, IDN_OPTION_SEED, 7);
    expect(idn_generator_prepare(&generator) == IDN_OK, "generator_prepare");
    expect(idn_generator_number(&generator, 0, text, IDN_NUMBER_SIZE, &written) == IDN_OK &&
               strcmp(text, "11010519491001805X") == 0,
           "the seeded number idtool gives");
    idn_generator_set_integer(&generator, IDN_OPTION_COUNT, 1000);
    expect(idn_generator_prepare(&generator) == IDN_ERROR_COUNT_EXCEEDS_CANDIDATES &&
               idn_generator_refusal(&generator, NULL, &option) == IDN_OK && option == IDN_OPTION_COUNT,
           "a count beyond the candidates, and the option refused");
    expect(idn_generator_message(&generator, NULL, 0, message, sizeof message, &written) == IDN_OK &&
               strstr(message, "count 1000 is more than the 999 distinct numbers") != NULL,
           "its message");
    expect(idn_upgrade_number("110105491231002", 15, text, IDN_NUMBER_SIZE, NULL) == IDN_OK && strcmp(text, valid) == 0,
           "upgrade");
    expect(idn_mask_text(valid, 18, text, sizeof text, &written) == IDN_OK && strcmp(text, "110105********002X") == 0,
           "mask");
    expect(idn_mask_text(valid, 18, text, 5, &written) == IDN_ERROR_BUFFER_TOO_SMALL && written == 18 &&
               text[0] == '\0',
           "a short buffer learns the length it needs");
    expect(idn_mask_text(valid, 18, NULL, 0, &written) == IDN_OK && written == 18, "the size query");

    {
        /* The scanner, in the caller's storage: find in two pieces, redact a
         * stream of one. */
        static idn_scanner_t scanner;
        static char redacted[IDN_REDACT_SIZE(32)];
        idn_match_t match;
        const char* scanned = "id card: 110105 19491231 002X.";
        memset(&match, 0, sizeof match);
        match.size = sizeof match;
        expect(idn_scanner_init(&scanner, sizeof scanner) == IDN_OK && idn_scanner_prepare(&scanner) == IDN_OK,
               "scanner_init and scanner_prepare");
        expect(idn_scanner_feed(&scanner, scanned, 15, 0) == IDN_OK && idn_scanner_next(&scanner, &match) == 0 &&
                   idn_scanner_feed(&scanner, scanned + 15, strlen(scanned) - 15, 1) == IDN_OK &&
                   idn_scanner_next(&scanner, &match) == 1,
               "a number split across two pieces is found once");
        expect(strcmp(match.number, valid) == 0 && match.byte_offset == 9 && match.confidence == IDN_CONFIDENCE_HIGH &&
                   match.form == IDN_FORM_SEPARATED && strcmp(match.keyword, "id card") == 0,
               "the match's fields");
        expect(idn_scanner_init(&scanner, sizeof scanner) == IDN_OK && idn_scanner_prepare(&scanner) == IDN_OK &&
                   idn_scanner_redact(&scanner, scanned, strlen(scanned), 1, redacted, sizeof redacted, &written) == IDN_OK &&
                   strcmp(redacted, "id card: 110105 ******** 002X.") == 0,
               "redaction keeps the separators");
    }

    if (failures != 0) return 1;
    printf("ok\n");
    return 0;
}
