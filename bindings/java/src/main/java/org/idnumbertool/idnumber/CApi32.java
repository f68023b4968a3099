package org.idnumbertool.idnumber;

/**
 * The C API bound in a 32-bit process (Windows x86), where pointers and size_t
 * are 32 bits: each method narrows them and calls the function through
 * {@link Natives}, which JNA binds; int64_t and uint64_t stay 64 bits.
 * Returned pointers and sizes are widened as unsigned.
 */
final class CApi32 implements CApi {
    @Override
    public int idn_version_number() {
        return Natives.idn_version_number();
    }

    @Override
    public long idn_version_string() {
        return Integer.toUnsignedLong(Natives.idn_version_string());
    }

    @Override
    public long idn_status_name(int status) {
        return Integer.toUnsignedLong(Natives.idn_status_name(status));
    }

    @Override
    public int idn_current_year() {
        return Natives.idn_current_year();
    }

    @Override
    public int idn_is_calendar_date(int year, int month, int day) {
        return Natives.idn_is_calendar_date(year, month, day);
    }

    @Override
    public int idn_verify(long text, long length, int yearLimit, long verdict) {
        return Natives.idn_verify((int) text, (int) length, yearLimit, (int) verdict);
    }

    @Override
    public int idn_verify_prefix(long text, long held, long length, int yearLimit, long verdict) {
        return Natives.idn_verify_prefix((int) text, (int) held, length, yearLimit, (int) verdict);
    }

    @Override
    public int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons,
                                  long expectedChecks, long sexes, long regionCodes, long birthDates) {
        return Natives.idn_verify_columns((int) bytes, (int) ends, (int) count, yearLimit, (int) reasons,
                                          (int) expectedChecks, (int) sexes, (int) regionCodes, (int) birthDates);
    }

    @Override
    public long idn_reason_name(int reason) {
        return Integer.toUnsignedLong(Natives.idn_reason_name(reason));
    }

    @Override
    public int idn_reason_message(long verdict, long out, long size, long written) {
        return Natives.idn_reason_message((int) verdict, (int) out, (int) size, (int) written);
    }

    @Override
    public long idn_kind_name(int kind) {
        return Integer.toUnsignedLong(Natives.idn_kind_name(kind));
    }

    @Override
    public long idn_sex_name(int sex) {
        return Integer.toUnsignedLong(Natives.idn_sex_name(sex));
    }

    @Override
    public int idn_parse_sex(long text, long length, long sex) {
        return Natives.idn_parse_sex((int) text, (int) length, (int) sex);
    }

    @Override
    public int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size, long written) {
        return Natives.idn_hint_of((int) text, (int) length, yearLimit, (int) hint, (int) upgraded, (int) size,
                                   (int) written);
    }

    @Override
    public int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint, long upgraded,
                                  long size, long written) {
        return Natives.idn_hint_of_prefix((int) text, (int) held, length, yearLimit, (int) hint, (int) upgraded,
                                          (int) size, (int) written);
    }

    @Override
    public long idn_hint_name(int hint) {
        return Integer.toUnsignedLong(Natives.idn_hint_name(hint));
    }

    @Override
    public int idn_region_fields(int code, long fields) {
        return Natives.idn_region_fields(code, (int) fields);
    }

    @Override
    public int idn_find_region(int code, long region) {
        return Natives.idn_find_region(code, (int) region);
    }

    @Override
    public int idn_search_regions(long query, long length, long cursor, long region) {
        return Natives.idn_search_regions((int) query, (int) length, (int) cursor, (int) region);
    }

    @Override
    public int idn_code_state(int code) {
        return Natives.idn_code_state(code);
    }

    @Override
    public long idn_code_state_name(int state) {
        return Integer.toUnsignedLong(Natives.idn_code_state_name(state));
    }

    @Override
    public long idn_history_count(int code) {
        return Integer.toUnsignedLong(Natives.idn_history_count(code));
    }

    @Override
    public int idn_history_at(int code, long index, long record) {
        return Natives.idn_history_at(code, (int) index, (int) record);
    }

    @Override
    public int idn_successors(int code, long successors, long capacity, long count) {
        return Natives.idn_successors(code, (int) successors, (int) capacity, (int) count);
    }

    @Override
    public int idn_now_codes(int code, long codes, long capacity, long count) {
        return Natives.idn_now_codes(code, (int) codes, (int) capacity, (int) count);
    }

    @Override
    public int idn_in_use_at_birth(int code, int birthYear) {
        return Natives.idn_in_use_at_birth(code, birthYear);
    }

    @Override
    public int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size, long written) {
        return Natives.idn_verify_json((int) text, (int) length, yearLimit, flags, (int) out, (int) size,
                                       (int) written);
    }

    @Override
    public int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out,
                                      long size, long written) {
        return Natives.idn_verify_json_prefix((int) text, (int) held, length, yearLimit, flags, (int) out,
                                              (int) size, (int) written);
    }

    @Override
    public long idn_option_name(int option) {
        return Integer.toUnsignedLong(Natives.idn_option_name(option));
    }

    @Override
    public int idn_generator_init(long generator, long options, long option) {
        return Natives.idn_generator_init((int) generator, (int) options, (int) option);
    }

    @Override
    public int idn_generator_warning(long generator) {
        return Natives.idn_generator_warning((int) generator);
    }

    @Override
    public long idn_generator_count(long generator) {
        return Natives.idn_generator_count((int) generator);
    }

    @Override
    public int idn_generator_number(long generator, long index, long out, long size, long written) {
        return Natives.idn_generator_number((int) generator, index, (int) out, (int) size, (int) written);
    }

    @Override
    public int idn_generate_message(long options, long names, long out, long size, long written) {
        return Natives.idn_generate_message((int) options, (int) names, (int) out, (int) size, (int) written);
    }

    @Override
    public int idn_option_message(int status, long value, long length, long names, long out, long size,
                                  long written) {
        return Natives.idn_option_message(status, (int) value, (int) length, (int) names, (int) out, (int) size,
                                          (int) written);
    }

    @Override
    public int idn_resolve_region(long region, long length, int asOfYear, long code) {
        return Natives.idn_resolve_region((int) region, (int) length, asOfYear, (int) code);
    }

    @Override
    public int idn_upgrade_number(long text, long length, long out, long size, long written) {
        return Natives.idn_upgrade_number((int) text, (int) length, (int) out, (int) size, (int) written);
    }

    @Override
    public int idn_upgrade_message(long text, long length, long out, long size, long written) {
        return Natives.idn_upgrade_message((int) text, (int) length, (int) out, (int) size, (int) written);
    }

    @Override
    public int idn_mask_text(long text, long length, long out, long size, long written) {
        return Natives.idn_mask_text((int) text, (int) length, (int) out, (int) size, (int) written);
    }

    /** The C functions with 32-bit pointers and sizes, as JNA binds them. */
    static final class Natives {
        private Natives() {
        }

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
    }
}
