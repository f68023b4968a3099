package org.idnumbertool.idnumber;

/**
 * The C API bound as it is in a 64-bit process (Linux x86-64, Windows x64),
 * where pointers and size_t are 64 bits: one native method per C function,
 * which JNA's direct mapping binds.
 */
final class CApi64 implements CApi {
    @Override
    public native int idn_version_number();

    @Override
    public native long idn_version_string();

    @Override
    public native long idn_status_name(int status);

    @Override
    public native int idn_current_year();

    @Override
    public native int idn_is_calendar_date(int year, int month, int day);

    @Override
    public native int idn_verify(long text, long length, int yearLimit, long verdict);

    @Override
    public native int idn_verify_prefix(long text, long held, long length, int yearLimit, long verdict);

    @Override
    public native int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons,
                                         long expectedChecks, long sexes, long regionCodes, long birthDates);

    @Override
    public native long idn_reason_name(int reason);

    @Override
    public native int idn_reason_message(long verdict, long out, long size, long written);

    @Override
    public native long idn_kind_name(int kind);

    @Override
    public native long idn_sex_name(int sex);

    @Override
    public native int idn_parse_sex(long text, long length, long sex);

    @Override
    public native int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size,
                                  long written);

    @Override
    public native int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint,
                                         long upgraded, long size, long written);

    @Override
    public native long idn_hint_name(int hint);

    @Override
    public native int idn_region_fields(int code, long fields);

    @Override
    public native int idn_find_region(int code, long region);

    @Override
    public native int idn_search_regions(long query, long length, long cursor, long region);

    @Override
    public native int idn_code_state(int code);

    @Override
    public native long idn_code_state_name(int state);

    @Override
    public native long idn_history_count(int code);

    @Override
    public native int idn_history_at(int code, long index, long record);

    @Override
    public native int idn_successors(int code, long successors, long capacity, long count);

    @Override
    public native int idn_now_codes(int code, long codes, long capacity, long count);

    @Override
    public native int idn_in_use_at_birth(int code, int birthYear);

    @Override
    public native int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size,
                                      long written);

    @Override
    public native int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out,
                                             long size, long written);

    @Override
    public native long idn_option_name(int option);

    @Override
    public native int idn_generator_init(long generator, long options, long option);

    @Override
    public native int idn_generator_warning(long generator);

    @Override
    public native long idn_generator_count(long generator);

    @Override
    public native int idn_generator_number(long generator, long index, long out, long size, long written);

    @Override
    public native int idn_generate_message(long options, long names, long out, long size, long written);

    @Override
    public native int idn_option_message(int status, long value, long length, long names, long out, long size,
                                         long written);

    @Override
    public native int idn_resolve_region(long region, long length, int asOfYear, long code);

    @Override
    public native int idn_upgrade_number(long text, long length, long out, long size, long written);

    @Override
    public native int idn_upgrade_message(long text, long length, long out, long size, long written);

    @Override
    public native int idn_mask_text(long text, long length, long out, long size, long written);

}
