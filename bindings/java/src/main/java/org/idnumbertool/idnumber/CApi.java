package org.idnumbertool.idnumber;

/**
 * The C API of capi/idnumber.h as this library calls it: each method is the C
 * function of its name, with every pointer as a native address and every
 * {@code size_t}, {@code int64_t} and {@code uint64_t} as a {@code long}
 * (the jar serves 64-bit processes only: see {@link Binding}). {@link CApiCalls}
 * calls the natives JNA binds in {@link CApi64}. A function added here is
 * added to both.
 *
 * <p>Every status, enum value, size and struct offset is in the generated
 * {@link ApiConstants}; a test compares every signature here with the
 * header.
 */
interface CApi {
    int idn_version_number();

    long idn_version_string();

    long idn_size_of(int id);

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

    int idn_age_on(long verdict, int year, int month, int day, long age);

    int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size, long written);

    int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint, long upgraded, long size,
                           long written);

    long idn_hint_name(int hint);

    int idn_find_region(int code, long region);

    int idn_search_regions(long query, long length, long cursor, long region);

    int idn_code_status_of(int code);

    long idn_code_status_name(int status);

    long idn_history_count(int code);

    int idn_history_at(int code, long index, long record);

    int idn_successors(int code, long successors, long capacity, long count);

    int idn_now_codes(int code, long codes, long capacity, long count);

    int idn_in_use_at_birth(int code, int birthYear);

    int idn_region_info(int code, int birthYear, long info);

    int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size, long written);

    int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out, long size,
                               long written);

    long idn_option_name(int option);

    int idn_option_message(int status, long value, long length, long names, long nameCount, long out, long size,
                           long written);

    int idn_generator_init(long generator, long size);

    int idn_generator_set_text(long generator, int option, long text, long length);

    int idn_generator_set_integer(long generator, int option, long value);

    int idn_generator_prepare(long generator);

    int idn_generator_refusal(long generator, long status, long option);

    int idn_generator_warning(long generator);

    int idn_generator_message(long generator, long names, long nameCount, long out, long size, long written);

    long idn_generator_count(long generator);

    int idn_generator_seed(long generator, long seed);

    int idn_generator_number(long generator, long index, long out, long size, long written);

    int idn_resolve_region(long region, long length, int asOfYear, long code);

    int idn_upgrade_number(long text, long length, long out, long size, long written);

    int idn_upgrade_message(long text, long length, long out, long size, long written);

    int idn_mask_text(long text, long length, long out, long size, long written);

    long idn_confidence_name(int confidence);

    long idn_form_name(int form);

    long idn_flaw_name(int flaw);

    long idn_redaction_name(int redaction);

    int idn_scanner_init(long scanner, long size);

    int idn_scanner_set_text(long scanner, int option, long text, long length);

    int idn_scanner_set_integer(long scanner, int option, long value);

    int idn_scanner_prepare(long scanner);

    int idn_scanner_restart(long scanner);

    int idn_scanner_refusal(long scanner, long status, long option);

    int idn_scanner_message(long scanner, long names, long nameCount, long out, long size, long written);

    int idn_scanner_feed(long scanner, long piece, long length, int last);

    int idn_scanner_next(long scanner, long match);

    int idn_scanner_redact(long scanner, long piece, long length, int last, long out, long size, long written);

    long idn_redact_size(long length);

    int idn_scanner_summary(long scanner, long summary);

    int idn_scanner_redact_number(long scanner, long number, long length, long out, long size, long written);
}
