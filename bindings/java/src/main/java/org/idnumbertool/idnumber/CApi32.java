package org.idnumbertool.idnumber;

import com.sun.jna.Native;

/**
 * The C API's functions as JNA's direct mapping binds them in a 32-bit
 * process (Windows x86), where pointers and size_t are 32 bits (int here);
 * int64_t and uint64_t stay 64 bits. {@link CApiCalls} narrows the arguments
 * and widens returned pointers and sizes as unsigned.
 *
 * <p>This class names nothing of the library but itself and JNA, so that
 * {@link Binding} can load it with a class loader of its own beside JNA's:
 * JNA holds every method it binds until it is unbound, and a class held
 * holds its class loader. The library's classes call these through
 * {@link CApiCalls}; when they are gone, JNA's cleaner calls {@link #run()}.
 */
final class CApi32 implements Runnable {
    static native int idn_version_number();

    static native int idn_version_string();

    static native int idn_status_name(int status);

    static native int idn_current_year();

    static native int idn_is_calendar_date(int year, int month, int day);

    static native int idn_verify(int text, int length, int yearLimit, int verdict);

    static native int idn_verify_prefix(int text, int held, long length, int yearLimit, int verdict);

    static native int idn_verify_columns(int bytes, int ends, int count, int yearLimit, int reasons,
                                         int expectedChecks, int sexes, int regionCodes, int birthDates);

    static native int idn_reason_name(int reason);

    static native int idn_reason_message(int verdict, int out, int size, int written);

    static native int idn_kind_name(int kind);

    static native int idn_sex_name(int sex);

    static native int idn_parse_sex(int text, int length, int sex);

    static native int idn_hint_of(int text, int length, int yearLimit, int hint, int upgraded, int size,
                                  int written);

    static native int idn_hint_of_prefix(int text, int held, long length, int yearLimit, int hint,
                                         int upgraded, int size, int written);

    static native int idn_hint_name(int hint);

    static native int idn_region_fields(int code, int fields);

    static native int idn_find_region(int code, int region);

    static native int idn_search_regions(int query, int length, int cursor, int region);

    static native int idn_code_state(int code);

    static native int idn_code_state_name(int state);

    static native int idn_history_count(int code);

    static native int idn_history_at(int code, int index, int record);

    static native int idn_successors(int code, int successors, int capacity, int count);

    static native int idn_now_codes(int code, int codes, int capacity, int count);

    static native int idn_in_use_at_birth(int code, int birthYear);

    static native int idn_verify_json(int text, int length, int yearLimit, int flags, int out, int size,
                                      int written);

    static native int idn_verify_json_prefix(int text, int held, long length, int yearLimit, int flags,
                                             int out, int size, int written);

    static native int idn_option_name(int option);

    static native int idn_generator_init(int generator, int options, int option);

    static native int idn_generator_warning(int generator);

    static native long idn_generator_count(int generator);

    static native int idn_generator_number(int generator, long index, int out, int size, int written);

    static native int idn_generate_message(int options, int names, int out, int size, int written);

    static native int idn_option_message(int status, int value, int length, int names, int out, int size,
                                         int written);

    static native int idn_resolve_region(int region, int length, int asOfYear, int code);

    static native int idn_upgrade_number(int text, int length, int out, int size, int written);

    static native int idn_upgrade_message(int text, int length, int out, int size, int written);

    static native int idn_mask_text(int text, int length, int out, int size, int written);

    /** Unbinds the functions, once nothing of this library calls them: then this class, and the library, can go. */
    @Override
    public void run() {
        Native.unregister(CApi32.class);
    }
}
