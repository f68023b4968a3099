package org.idnumbertool.idnumber;

/**
 * The C API of capi/idnumber.h as this library calls it: each method is the C
 * function of its name, with every pointer as a native address and every
 * {@code size_t} as a {@code long}. {@link CApiCalls} calls the natives JNA
 * binds: {@link CApi64} as they are in a 64-bit process, {@link CApi32} with
 * pointers and sizes narrowed to 32 bits. A function added here is added to
 * all four.
 *
 * <p>The constants are the header's macros, which Java cannot include; a test
 * compares them, and every signature here, with the header.
 */
interface CApi {
    int IDN_VERSION_MAJOR = 2;
    int IDN_NUMBER_SIZE = 19;
    int IDN_INPUT_HELD_BYTES = 64;
    int IDN_REASON_MESSAGE_SIZE = 96;
    int IDN_MESSAGE_SIZE = 1024;
    int IDN_VERIFY_JSON_SIZE = 986;
    int IDN_VERIFY_JSON_HISTORY = 1;
    int IDN_MAX_SUCCESSORS = 16;
    int IDN_MAX_NOW_CODES = 7;
    int IDN_GENERATOR_WORDS = 32;
    /** IDN_MASK_SIZE(length) is length + IDN_MASK_EXTRA. */
    int IDN_MASK_EXTRA = 21;

    int IDN_OK = 0;
    int IDN_ERROR_BUFFER_TOO_SMALL = -2;
    int IDN_ERROR_NOT_FOUND = -4;
    int IDN_ERROR_AS_OF_YEAR = -16;
    int IDN_ERROR_NO_REGION = -22;
    int IDN_ERROR_BAD_SEX = -39;
    int IDN_ERROR_YEAR_LIMIT = -41;

    int IDN_VALID = 0;
    int IDN_REASON_LENGTH = 1;
    int IDN_OPTION_NONE = 0;
    int IDN_OPTION_REGION = 1;
    int IDN_OPTION_SEX = 5;
    int IDN_OPTION_AS_OF_YEAR = 8;
    int IDN_OPTION_YEAR_LIMIT = 9;
    int IDN_WARNING_NONE = 0;

    int idn_version_number();

    long idn_version_string();

    long idn_status_name(int status);

    int idn_current_year();

    int idn_is_calendar_date(int year, int month, int day);

    int idn_verify(long text, long length, int yearLimit, long verdict);

    int idn_verify_prefix(long text, long held, long length, int yearLimit, long verdict);

    int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons, long expectedChecks,
                           long sexes, long regionCodes, long birthDates);

    long idn_reason_name(int reason);

    int idn_reason_message(long verdict, long out, long size, long written);

    long idn_kind_name(int kind);

    long idn_sex_name(int sex);

    int idn_parse_sex(long text, long length, long sex);

    int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size, long written);

    int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint, long upgraded, long size,
                           long written);

    long idn_hint_name(int hint);

    int idn_region_fields(int code, long fields);

    int idn_find_region(int code, long region);

    int idn_search_regions(long query, long length, long cursor, long region);

    int idn_code_state(int code);

    long idn_code_state_name(int state);

    long idn_history_count(int code);

    int idn_history_at(int code, long index, long record);

    int idn_successors(int code, long successors, long capacity, long count);

    int idn_now_codes(int code, long codes, long capacity, long count);

    int idn_in_use_at_birth(int code, int birthYear);

    int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size, long written);

    int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out, long size,
                               long written);

    long idn_option_name(int option);

    int idn_generator_init(long generator, long options, long option);

    int idn_generator_warning(long generator);

    long idn_generator_count(long generator);

    int idn_generator_number(long generator, long index, long out, long size, long written);

    int idn_generate_message(long options, long names, long out, long size, long written);

    int idn_option_message(int status, long value, long length, long names, long out, long size, long written);

    int idn_resolve_region(long region, long length, int asOfYear, long code);

    int idn_upgrade_number(long text, long length, long out, long size, long written);

    int idn_upgrade_message(long text, long length, long out, long size, long written);

    int idn_mask_text(long text, long length, long out, long size, long written);
}
