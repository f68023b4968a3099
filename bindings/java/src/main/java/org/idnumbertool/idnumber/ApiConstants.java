// GENERATED FILE - DO NOT EDIT. Written by scripts/generate_api_constants.py from capi/idnumber.h.
package org.idnumbertool.idnumber;

/**
 * The C API's enumerators and numeric macros, and where each struct's members
 * lie in a 64-bit process, as constants: no value, size or offset is written
 * by hand in the binding. In each struct's class, a member's offset has the
 * member's name in upper case (the member {@code size} as SIZE_MEMBER), and
 * SIZE is the struct's size.
 */
final class ApiConstants {
    private ApiConstants() {}

    static final int IDN_AUTO_STRETCH_LENGTH = 4096;
    static final int IDN_CODE_ABOLISHED = 3;
    static final int IDN_CODE_IN_USE = 2;
    static final int IDN_CODE_LISTED_2009 = 1;
    static final int IDN_CODE_UNKNOWN = 0;
    static final int IDN_CONFIDENCE_HIGH = 3;
    static final int IDN_CONFIDENCE_LOW = 1;
    static final int IDN_CONFIDENCE_MEDIUM = 2;
    static final int IDN_CONFIDENCE_NONE = 0;
    static final int IDN_ENCODING_AUTO = 2;
    static final int IDN_ENCODING_GBK = 1;
    static final int IDN_ENCODING_UTF8 = 0;
    static final int IDN_ERROR_AS_OF_DATE = -68;
    static final int IDN_ERROR_AS_OF_NEEDS_CODE = -17;
    static final int IDN_ERROR_AS_OF_NOT_COUNTY = -19;
    static final int IDN_ERROR_AS_OF_NOT_IN_USE = -20;
    static final int IDN_ERROR_AS_OF_UNKNOWN_CODE = -18;
    static final int IDN_ERROR_AS_OF_YEAR = -16;
    static final int IDN_ERROR_BAD_ARGUMENT = -3;
    static final int IDN_ERROR_BAD_CONFIDENCE = -61;
    static final int IDN_ERROR_BAD_DATE = -42;
    static final int IDN_ERROR_BAD_ENCODING = -60;
    static final int IDN_ERROR_BAD_OPTION = -5;
    static final int IDN_ERROR_BAD_REDACTION = -62;
    static final int IDN_ERROR_BAD_SEX = -39;
    static final int IDN_ERROR_BIRTH_AND_RANGE = -31;
    static final int IDN_ERROR_BIRTH_BEYOND_LIMITS = -33;
    static final int IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS = -32;
    static final int IDN_ERROR_BUFFER_TOO_SMALL = -2;
    static final int IDN_ERROR_COUNT_EXCEEDS_CANDIDATES = -38;
    static final int IDN_ERROR_COUNT_RANGE = -37;
    static final int IDN_ERROR_CRYPTO = -70;
    static final int IDN_ERROR_DAY_ABOVE_31 = -52;
    static final int IDN_ERROR_KEY_TOO_SHORT = -66;
    static final int IDN_ERROR_LABEL_TEXT = -64;
    static final int IDN_ERROR_MASK_RANGE = -63;
    static final int IDN_ERROR_MONTH_ABOVE_12 = -51;
    static final int IDN_ERROR_NOT_FIFTEEN_DIGITS = -50;
    static final int IDN_ERROR_NOT_FOUND = -4;
    static final int IDN_ERROR_NOT_PREPARED = -6;
    static final int IDN_ERROR_NO_BIRTH_DATE = -30;
    static final int IDN_ERROR_NO_KEY = -65;
    static final int IDN_ERROR_NO_REGION = -22;
    static final int IDN_ERROR_NULL_POINTER = -1;
    static final int IDN_ERROR_RANGE_NOT_DATE = -34;
    static final int IDN_ERROR_RANGE_REVERSED = -36;
    static final int IDN_ERROR_RANGE_YEAR_AFTER_LIMIT = -35;
    static final int IDN_ERROR_REGION_AMBIGUOUS = -15;
    static final int IDN_ERROR_REGION_BAD_PATH = -11;
    static final int IDN_ERROR_REGION_INVALID_TEXT = -10;
    static final int IDN_ERROR_REGION_NOT_COUNTY = -13;
    static final int IDN_ERROR_REGION_NO_MATCH = -14;
    static final int IDN_ERROR_REGION_UNKNOWN_CODE = -12;
    static final int IDN_ERROR_REGION_WRONG_PATH = -21;
    static final int IDN_ERROR_SCAN_ORDER = -69;
    static final int IDN_ERROR_SEED_RANGE = -40;
    static final int IDN_ERROR_TOKEN_FORMAT = -67;
    static final int IDN_ERROR_YEAR_LIMIT = -41;
    static final int IDN_FIELD_BOOLEAN = 2;
    static final int IDN_FIELD_INTEGER = 0;
    static final int IDN_FIELD_JSON = 3;
    static final int IDN_FIELD_TEXT = 1;
    static final int IDN_FLAW_CHECK = 1;
    static final int IDN_FLAW_NONE = 0;
    static final int IDN_FLAW_REGION = 2;
    static final int IDN_FORM_FIFTEEN_DIGITS = 8;
    static final int IDN_FORM_FULLWIDTH = 1;
    static final int IDN_FORM_LOWERCASE_X = 2;
    static final int IDN_FORM_PLAIN = 0;
    static final int IDN_FORM_SEPARATED = 4;
    static final int IDN_GENERATOR_SIZE = 2048;
    static final int IDN_HINT_CR_LINE_ENDS = 1;
    static final int IDN_HINT_FIFTEEN_DIGITS = 2;
    static final int IDN_HINT_FULLWIDTH = 6;
    static final int IDN_HINT_LOWERCASE_X = 5;
    static final int IDN_HINT_NONE = 0;
    static final int IDN_HINT_SCIENTIFIC = 3;
    static final int IDN_HINT_SPACES = 7;
    static final int IDN_HINT_ZEROED = 4;
    static final int IDN_HISTORY_FIRST_YEAR = 1981;
    static final int IDN_HISTORY_JSON_SIZE = 374;
    static final int IDN_HISTORY_LAST_YEAR = 2024;
    static final int IDN_ID_AUTO_STRETCH_LENGTH = 45;
    static final int IDN_ID_GENERATOR_CONTEXT = 20;
    static final int IDN_ID_HISTORY_JSON_SIZE = 6;
    static final int IDN_ID_HISTORY_RECORD_STRUCT = 33;
    static final int IDN_ID_INPUT_HELD_BYTES = 2;
    static final int IDN_ID_KEYWORD_REACH = 46;
    static final int IDN_ID_KEY_MIN_LENGTH = 41;
    static final int IDN_ID_LABEL_MAX_LENGTH = 43;
    static final int IDN_ID_MASK_EXTRA_SIZE = 13;
    static final int IDN_ID_MATCH_STRUCT = 37;
    static final int IDN_ID_MAX_NOW_CODES = 10;
    static final int IDN_ID_MAX_SUCCESSORS = 9;
    static final int IDN_ID_MESSAGE_SIZE = 4;
    static final int IDN_ID_NOW_CODES_JSON_SIZE = 8;
    static final int IDN_ID_NUMBER_SIZE = 1;
    static final int IDN_ID_PICKER_LIST_MAX = 11;
    static final int IDN_ID_PRESENT_CODE_STRUCT = 35;
    static final int IDN_ID_REASON_MESSAGE_SIZE = 3;
    static final int IDN_ID_REDACT_NUMBER_SIZE = 44;
    static final int IDN_ID_REGION_FIELDS_STRUCT = 31;
    static final int IDN_ID_REGION_INFO_STRUCT = 36;
    static final int IDN_ID_REGION_STRUCT = 32;
    static final int IDN_ID_REGION_TEXT_MAX_LENGTH = 12;
    static final int IDN_ID_SCANNER_CONTEXT = 21;
    static final int IDN_ID_SCANNER_HELD_MAX = 40;
    static final int IDN_ID_SCAN_SUMMARY_STRUCT = 38;
    static final int IDN_ID_SUCCESSORS_JSON_SIZE = 7;
    static final int IDN_ID_SUCCESSOR_STRUCT = 34;
    static final int IDN_ID_TOKEN_MAX_LENGTH = 42;
    static final int IDN_ID_VERDICT_STRUCT = 30;
    static final int IDN_ID_VERIFY_JSON_SIZE = 5;
    static final int IDN_INPUT_HELD_BYTES = 64;
    static final int IDN_KEEP_BIRTH_YEAR = 2;
    static final int IDN_KEEP_NOTHING = 0;
    static final int IDN_KEEP_REGION = 1;
    static final int IDN_KEEP_SEX = 4;
    static final int IDN_KEYWORD_REACH = 300;
    static final int IDN_KEY_MIN_LENGTH = 16;
    static final int IDN_KIND_FOREIGNER_CARD = 3;
    static final int IDN_KIND_HMT_PERMIT = 2;
    static final int IDN_KIND_NONE = 0;
    static final int IDN_KIND_RESIDENT = 1;
    static final int IDN_LABEL_MAX_LENGTH = 64;
    static final int IDN_MAX_NOW_CODES = 7;
    static final int IDN_MAX_SUCCESSORS = 16;
    static final int IDN_MESSAGE_SIZE = 1024;
    static final int IDN_NOW_CODES_JSON_SIZE = 256;
    static final int IDN_NUMBER_SIZE = 19;
    static final int IDN_OK = 0;
    static final int IDN_OPTION_AS_OF_DATE = 23;
    static final int IDN_OPTION_AS_OF_YEAR = 8;
    static final int IDN_OPTION_BIRTH = 2;
    static final int IDN_OPTION_BORN_FROM = 3;
    static final int IDN_OPTION_BORN_TO = 4;
    static final int IDN_OPTION_COUNT = 6;
    static final int IDN_OPTION_ENCODING = 20;
    static final int IDN_OPTION_FIFTEEN_DIGITS = 21;
    static final int IDN_OPTION_KEEP = 31;
    static final int IDN_OPTION_KEY = 28;
    static final int IDN_OPTION_LABEL = 27;
    static final int IDN_OPTION_MASK_FIRST = 25;
    static final int IDN_OPTION_MASK_LAST = 26;
    static final int IDN_OPTION_MIN_CONFIDENCE = 22;
    static final int IDN_OPTION_NONE = 0;
    static final int IDN_OPTION_REDACTION = 24;
    static final int IDN_OPTION_REGION = 1;
    static final int IDN_OPTION_SEED = 7;
    static final int IDN_OPTION_SEX = 5;
    static final int IDN_OPTION_TOKEN_ALPHABET = 29;
    static final int IDN_OPTION_TOKEN_LENGTH = 30;
    static final int IDN_OPTION_YEAR_LIMIT = 9;
    static final int IDN_PICKER_LIST_MAX = 128;
    static final int IDN_PICKER_MUNICIPALITIES = 1;
    static final int IDN_PICKER_PROVINCES = 2;
    static final int IDN_REASON_CHARACTERS = 2;
    static final int IDN_REASON_CHECK = 3;
    static final int IDN_REASON_DATE = 4;
    static final int IDN_REASON_LENGTH = 1;
    static final int IDN_REASON_MESSAGE_SIZE = 96;
    static final int IDN_REDACT_LABEL = 1;
    static final int IDN_REDACT_MASK = 0;
    static final int IDN_REDACT_NUMBER_SIZE = 65;
    static final int IDN_REDACT_PSEUDONYM = 3;
    static final int IDN_REDACT_TOKEN = 2;
    static final int IDN_REGION_TEXT_MAX_LENGTH = 255;
    static final int IDN_SCANNER_SIZE = 16384;
    static final int IDN_SEX_ANY = 0;
    static final int IDN_SEX_FEMALE = 2;
    static final int IDN_SEX_MALE = 1;
    static final int IDN_SUCCESSORS_JSON_SIZE = 332;
    static final int IDN_TOKEN_BASE32 = 1;
    static final int IDN_TOKEN_HEX = 0;
    static final int IDN_TOKEN_MAX_LENGTH = 64;
    static final int IDN_VALID = 0;
    static final int IDN_VERIFY_JSON_HISTORY = 1;
    static final int IDN_VERIFY_JSON_SIZE = 986;
    static final int IDN_VERSION_MAJOR = 3;
    static final int IDN_VERSION_MINOR = 0;
    static final int IDN_VERSION_PATCH = 0;
    static final int IDN_WARNING_BIRTH_NOT_CALENDAR_DATE = 1;
    static final int IDN_WARNING_NONE = 0;
    static final int IDN_YEAR_LIMIT_MAX = 9999;
    static final String IDN_VERSION_STRING = "3.0.0";

    /** idn_verdict_t. */
    static final class Verdict {
        private Verdict() {}

        static final int SIZE_MEMBER = 0;
        static final int REASON = 4;
        static final int KIND = 8;
        static final int SEX = 12;
        static final int BIRTH_YEAR = 16;
        static final int BIRTH_MONTH = 20;
        static final int BIRTH_DAY = 24;
        static final int REGION_CODE = 28;
        static final int EXPECTED_CHECK = 32;
        static final int RESERVED = 36;
        static final int LENGTH = 40;
        static final int SIZE = 48;
    }

    /** idn_region_fields_t. */
    static final class RegionFields {
        private RegionFields() {}

        static final int SIZE_MEMBER = 0;
        static final int PROVINCE = 8;
        static final int CITY = 16;
        static final int COUNTY = 24;
        static final int SIZE = 32;
    }

    /** idn_region_t. */
    static final class Region {
        private Region() {}

        static final int SIZE_MEMBER = 0;
        static final int CODE = 4;
        static final int NAME = 8;
        static final int LEVEL = 16;
        static final int PROVINCE = 24;
        static final int CITY = 32;
        static final int SIZE = 40;
    }

    /** idn_history_record_t. */
    static final class HistoryRecord {
        private HistoryRecord() {}

        static final int SIZE_MEMBER = 0;
        static final int CODE = 4;
        static final int NAME = 8;
        static final int PROVINCE = 16;
        static final int PREFECTURE = 24;
        static final int LEVEL = 32;
        static final int FROM = 40;
        static final int UNTIL = 44;
        static final int SIZE = 48;
    }

    /** idn_successor_t. */
    static final class Successor {
        private Successor() {}

        static final int SIZE_MEMBER = 0;
        static final int CODE = 4;
        static final int NAME = 8;
        static final int STATUS = 16;
        static final int SIZE = 24;
    }

    /** idn_present_code_t. */
    static final class PresentCode {
        private PresentCode() {}

        static final int SIZE_MEMBER = 0;
        static final int CODE = 4;
        static final int NAME = 8;
        static final int SIZE = 16;
    }

    /** idn_region_info_t. */
    static final class RegionInfo {
        private RegionInfo() {}

        static final int SIZE_MEMBER = 0;
        static final int CODE = 4;
        static final int KIND = 8;
        static final int STATUS = 12;
        static final int PROVINCE = 16;
        static final int CITY = 24;
        static final int COUNTY = 32;
        static final int NATIONALITY = 40;
        static final int NATIONALITY_CODE = 48;
        static final int IN_USE_AT_BIRTH = 52;
        static final int YEARS_FROM = 56;
        static final int YEARS_TO = 60;
        static final int SIZE = 64;
    }

    /** idn_match_t. */
    static final class Match {
        private Match() {}

        static final int SIZE_MEMBER = 0;
        static final int CONFIDENCE = 4;
        static final int FORM = 8;
        static final int FLAW = 12;
        static final int BYTE_OFFSET = 16;
        static final int BYTE_LENGTH = 24;
        static final int UTF16_OFFSET = 32;
        static final int UTF16_LENGTH = 40;
        static final int CHAR_OFFSET = 48;
        static final int CHAR_LENGTH = 56;
        static final int LINE = 64;
        static final int COLUMN = 72;
        static final int NUMBER = 80;
        static final int KEYWORD = 104;
        static final int KIND = 112;
        static final int SEX = 116;
        static final int BIRTH_YEAR = 120;
        static final int BIRTH_MONTH = 124;
        static final int BIRTH_DAY = 128;
        static final int REGION_CODE = 132;
        static final int SIZE = 136;
    }

    /** idn_scan_summary_t. */
    static final class ScanSummary {
        private ScanSummary() {}

        static final int SIZE_MEMBER = 0;
        static final int RESERVED = 4;
        static final int BYTES = 8;
        static final int MATCHES = 16;
        static final int BY_CONFIDENCE = 24;
        static final int PLAIN = 56;
        static final int BY_FORM = 64;
        static final int SIZE = 96;
    }
}
