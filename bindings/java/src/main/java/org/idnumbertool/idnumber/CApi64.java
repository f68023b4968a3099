package org.idnumbertool.idnumber;

import com.sun.jna.Native;

/**
 * The C API's functions as JNA's direct mapping binds them in a 64-bit
 * process (Linux x86-64, Windows x64), where pointers and size_t are 64 bits:
 * one static native method per C function, with each pointer as a native
 * address and each size_t as a long.
 *
 * <p>This class names nothing of the library but itself and JNA, so that
 * {@link Binding} can load it with a class loader of its own beside JNA's:
 * JNA holds every method it binds until it is unbound, and a class held
 * holds its class loader. The library's classes call these through
 * {@link CApiCalls}; when they are gone, JNA's cleaner calls {@link #run()}.
 */
final class CApi64 implements Runnable {
    static native int idn_version_number();

    static native long idn_version_string();

    static native long idn_size_of(int id);

    static native long idn_status_name(int status);

    static native int idn_current_year();

    static native int idn_is_calendar_date(int year, int month, int day);

    static native int idn_verify(long text, long length, int yearLimit, long verdict);

    static native int idn_verify_prefix(long text, long held, long length, int yearLimit, long verdict);

    static native int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons,
                                         long expectedChecks, long sexes, long regionCodes, long birthDates);

    static native long idn_reason_name(int reason);

    static native int idn_reason_message(long verdict, long out, long size, long written);

    static native long idn_kind_name(int kind);

    static native long idn_sex_name(int sex);

    static native int idn_parse_sex(long text, long length, long sex);

    static native int idn_age_on(long verdict, int year, int month, int day, long age);

    static native int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size,
                                  long written);

    static native int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint, long upgraded,
                                         long size, long written);

    static native long idn_hint_name(int hint);

    static native int idn_find_region(int code, long region);

    static native int idn_search_regions(long query, long length, long cursor, long region);

    static native int idn_code_status_of(int code);

    static native long idn_code_status_name(int status);

    static native long idn_history_count(int code);

    static native int idn_history_at(int code, long index, long record);

    static native int idn_successors(int code, long successors, long capacity, long count);

    static native int idn_now_codes(int code, long codes, long capacity, long count);

    static native int idn_in_use_at_birth(int code, int birthYear);

    static native int idn_region_info(int code, int birthYear, long info);

    static native int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size,
                                      long written);

    static native int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out,
                                             long size, long written);

    static native long idn_option_name(int option);

    static native int idn_option_message(int status, long value, long length, long names, long nameCount, long out,
                                         long size, long written);

    static native int idn_generator_init(long generator, long size);

    static native int idn_generator_set_text(long generator, int option, long text, long length);

    static native int idn_generator_set_integer(long generator, int option, long value);

    static native int idn_generator_prepare(long generator);

    static native int idn_generator_refusal(long generator, long status, long option);

    static native int idn_generator_warning(long generator);

    static native int idn_generator_message(long generator, long names, long nameCount, long out, long size,
                                            long written);

    static native long idn_generator_count(long generator);

    static native int idn_generator_seed(long generator, long seed);

    static native int idn_generator_number(long generator, long index, long out, long size, long written);

    static native int idn_resolve_region(long region, long length, int asOfYear, long code);

    static native int idn_upgrade_number(long text, long length, long out, long size, long written);

    static native int idn_upgrade_message(long text, long length, long out, long size, long written);

    static native int idn_mask_text(long text, long length, long out, long size, long written);

    static native long idn_confidence_name(int confidence);

    static native long idn_form_name(int form);

    static native long idn_flaw_name(int flaw);

    static native long idn_redaction_name(int redaction);

    static native int idn_scanner_init(long scanner, long size);

    static native int idn_scanner_set_text(long scanner, int option, long text, long length);

    static native int idn_scanner_set_integer(long scanner, int option, long value);

    static native int idn_scanner_prepare(long scanner);

    static native int idn_scanner_restart(long scanner);

    static native int idn_scanner_refusal(long scanner, long status, long option);

    static native int idn_scanner_message(long scanner, long names, long nameCount, long out, long size,
                                          long written);

    static native int idn_scanner_feed(long scanner, long piece, long length, int last);

    static native int idn_scanner_next(long scanner, long match);

    static native int idn_scanner_redact(long scanner, long piece, long length, int last, long out, long size,
                                         long written);

    static native long idn_redact_size(long length);

    static native int idn_scanner_summary(long scanner, long summary);

    static native int idn_scanner_redact_number(long scanner, long number, long length, long out, long size,
                                                long written);

    /** Unbinds the functions, once nothing of this library calls them: then this class, and the library, can go. */
    @Override
    public void run() {
        Native.unregister(CApi64.class);
    }
}
