package org.idnumbertool.idnumber;

import java.lang.invoke.MethodHandle;

/**
 * The C API as the library calls it: each method calls the function of its
 * name through the bound class ({@link CApi64} or {@link CApi32}), which
 * {@link Binding} may have loaded with a class loader of its own, and so is
 * reached by method handles. Each handle is a static final field, which the
 * JIT compiler inlines: a call costs what a direct call costs. In a 32-bit
 * process a handle narrows and widens as {@link NativeHandles} says.
 */
final class CApiCalls implements CApi {
    /** The class bound, set by Binding before this class is first used, while Binding is being initialised. */
    private static final Class<?> BOUND = Binding.boundClass();

    private static final MethodHandle IDN_VERSION_NUMBER = handle("idn_version_number");
    private static final MethodHandle IDN_VERSION_STRING = handle("idn_version_string");
    private static final MethodHandle IDN_STATUS_NAME = handle("idn_status_name");
    private static final MethodHandle IDN_CURRENT_YEAR = handle("idn_current_year");
    private static final MethodHandle IDN_IS_CALENDAR_DATE = handle("idn_is_calendar_date");
    private static final MethodHandle IDN_VERIFY = handle("idn_verify");
    private static final MethodHandle IDN_VERIFY_PREFIX = handle("idn_verify_prefix");
    private static final MethodHandle IDN_VERIFY_COLUMNS = handle("idn_verify_columns");
    private static final MethodHandle IDN_REASON_NAME = handle("idn_reason_name");
    private static final MethodHandle IDN_REASON_MESSAGE = handle("idn_reason_message");
    private static final MethodHandle IDN_KIND_NAME = handle("idn_kind_name");
    private static final MethodHandle IDN_SEX_NAME = handle("idn_sex_name");
    private static final MethodHandle IDN_PARSE_SEX = handle("idn_parse_sex");
    private static final MethodHandle IDN_HINT_OF = handle("idn_hint_of");
    private static final MethodHandle IDN_HINT_OF_PREFIX = handle("idn_hint_of_prefix");
    private static final MethodHandle IDN_HINT_NAME = handle("idn_hint_name");
    private static final MethodHandle IDN_REGION_FIELDS = handle("idn_region_fields");
    private static final MethodHandle IDN_FIND_REGION = handle("idn_find_region");
    private static final MethodHandle IDN_SEARCH_REGIONS = handle("idn_search_regions");
    private static final MethodHandle IDN_CODE_STATE = handle("idn_code_state");
    private static final MethodHandle IDN_CODE_STATE_NAME = handle("idn_code_state_name");
    private static final MethodHandle IDN_HISTORY_COUNT = handle("idn_history_count");
    private static final MethodHandle IDN_HISTORY_AT = handle("idn_history_at");
    private static final MethodHandle IDN_SUCCESSORS = handle("idn_successors");
    private static final MethodHandle IDN_NOW_CODES = handle("idn_now_codes");
    private static final MethodHandle IDN_IN_USE_AT_BIRTH = handle("idn_in_use_at_birth");
    private static final MethodHandle IDN_VERIFY_JSON = handle("idn_verify_json");
    private static final MethodHandle IDN_VERIFY_JSON_PREFIX = handle("idn_verify_json_prefix");
    private static final MethodHandle IDN_OPTION_NAME = handle("idn_option_name");
    private static final MethodHandle IDN_GENERATOR_INIT = handle("idn_generator_init");
    private static final MethodHandle IDN_GENERATOR_WARNING = handle("idn_generator_warning");
    private static final MethodHandle IDN_GENERATOR_COUNT = handle("idn_generator_count");
    private static final MethodHandle IDN_GENERATOR_NUMBER = handle("idn_generator_number");
    private static final MethodHandle IDN_GENERATE_MESSAGE = handle("idn_generate_message");
    private static final MethodHandle IDN_OPTION_MESSAGE = handle("idn_option_message");
    private static final MethodHandle IDN_RESOLVE_REGION = handle("idn_resolve_region");
    private static final MethodHandle IDN_UPGRADE_NUMBER = handle("idn_upgrade_number");
    private static final MethodHandle IDN_UPGRADE_MESSAGE = handle("idn_upgrade_message");
    private static final MethodHandle IDN_MASK_TEXT = handle("idn_mask_text");

    /** The handle of the bound class's function of the name, of the type of CApi's method of the name. */
    private static MethodHandle handle(String name) {
        if (BOUND == null) {
            throw new IllegalStateException("idnumber: CApiCalls is made by Binding, once it has bound the natives");
        }
        return NativeHandles.of(BOUND, name);
    }

    private static RuntimeException rethrown(Throwable e) {
        if (e instanceof RuntimeException) {
            return (RuntimeException) e;
        }
        if (e instanceof Error) {
            throw (Error) e;
        }
        return new IllegalStateException(e);
    }

    @Override
    public int idn_version_number() {
        try {
            return (int) IDN_VERSION_NUMBER.invokeExact();
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_version_string() {
        try {
            return (long) IDN_VERSION_STRING.invokeExact();
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_status_name(int status) {
        try {
            return (long) IDN_STATUS_NAME.invokeExact(status);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_current_year() {
        try {
            return (int) IDN_CURRENT_YEAR.invokeExact();
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_is_calendar_date(int year, int month, int day) {
        try {
            return (int) IDN_IS_CALENDAR_DATE.invokeExact(year, month, day);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify(long text, long length, int yearLimit, long verdict) {
        try {
            return (int) IDN_VERIFY.invokeExact(text, length, yearLimit, verdict);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify_prefix(long text, long held, long length, int yearLimit, long verdict) {
        try {
            return (int) IDN_VERIFY_PREFIX.invokeExact(text, held, length, yearLimit, verdict);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons,
                                  long expectedChecks, long sexes, long regionCodes, long birthDates) {
        try {
            return (int) IDN_VERIFY_COLUMNS.invokeExact(
                bytes, ends, count, yearLimit, reasons, expectedChecks, sexes, regionCodes, birthDates);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_reason_name(int reason) {
        try {
            return (long) IDN_REASON_NAME.invokeExact(reason);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_reason_message(long verdict, long out, long size, long written) {
        try {
            return (int) IDN_REASON_MESSAGE.invokeExact(verdict, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_kind_name(int kind) {
        try {
            return (long) IDN_KIND_NAME.invokeExact(kind);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_sex_name(int sex) {
        try {
            return (long) IDN_SEX_NAME.invokeExact(sex);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_parse_sex(long text, long length, long sex) {
        try {
            return (int) IDN_PARSE_SEX.invokeExact(text, length, sex);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size,
                           long written) {
        try {
            return (int) IDN_HINT_OF.invokeExact(text, length, yearLimit, hint, upgraded, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_hint_of_prefix(long text, long held, long length, int yearLimit, long hint, long upgraded,
                                  long size, long written) {
        try {
            return (int) IDN_HINT_OF_PREFIX.invokeExact(text, held, length, yearLimit, hint, upgraded, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_hint_name(int hint) {
        try {
            return (long) IDN_HINT_NAME.invokeExact(hint);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_region_fields(int code, long fields) {
        try {
            return (int) IDN_REGION_FIELDS.invokeExact(code, fields);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_find_region(int code, long region) {
        try {
            return (int) IDN_FIND_REGION.invokeExact(code, region);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_search_regions(long query, long length, long cursor, long region) {
        try {
            return (int) IDN_SEARCH_REGIONS.invokeExact(query, length, cursor, region);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_code_state(int code) {
        try {
            return (int) IDN_CODE_STATE.invokeExact(code);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_code_state_name(int state) {
        try {
            return (long) IDN_CODE_STATE_NAME.invokeExact(state);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_history_count(int code) {
        try {
            return (long) IDN_HISTORY_COUNT.invokeExact(code);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_history_at(int code, long index, long record) {
        try {
            return (int) IDN_HISTORY_AT.invokeExact(code, index, record);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_successors(int code, long successors, long capacity, long count) {
        try {
            return (int) IDN_SUCCESSORS.invokeExact(code, successors, capacity, count);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_now_codes(int code, long codes, long capacity, long count) {
        try {
            return (int) IDN_NOW_CODES.invokeExact(code, codes, capacity, count);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_in_use_at_birth(int code, int birthYear) {
        try {
            return (int) IDN_IN_USE_AT_BIRTH.invokeExact(code, birthYear);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size,
                               long written) {
        try {
            return (int) IDN_VERIFY_JSON.invokeExact(text, length, yearLimit, flags, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify_json_prefix(long text, long held, long length, int yearLimit, int flags, long out,
                                      long size, long written) {
        try {
            return (int) IDN_VERIFY_JSON_PREFIX.invokeExact(text, held, length, yearLimit, flags, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_option_name(int option) {
        try {
            return (long) IDN_OPTION_NAME.invokeExact(option);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_init(long generator, long options, long option) {
        try {
            return (int) IDN_GENERATOR_INIT.invokeExact(generator, options, option);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_warning(long generator) {
        try {
            return (int) IDN_GENERATOR_WARNING.invokeExact(generator);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_generator_count(long generator) {
        try {
            return (long) IDN_GENERATOR_COUNT.invokeExact(generator);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_number(long generator, long index, long out, long size, long written) {
        try {
            return (int) IDN_GENERATOR_NUMBER.invokeExact(generator, index, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generate_message(long options, long names, long out, long size, long written) {
        try {
            return (int) IDN_GENERATE_MESSAGE.invokeExact(options, names, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_option_message(int status, long value, long length, long names, long out, long size,
                                  long written) {
        try {
            return (int) IDN_OPTION_MESSAGE.invokeExact(status, value, length, names, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_resolve_region(long region, long length, int asOfYear, long code) {
        try {
            return (int) IDN_RESOLVE_REGION.invokeExact(region, length, asOfYear, code);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_upgrade_number(long text, long length, long out, long size, long written) {
        try {
            return (int) IDN_UPGRADE_NUMBER.invokeExact(text, length, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_upgrade_message(long text, long length, long out, long size, long written) {
        try {
            return (int) IDN_UPGRADE_MESSAGE.invokeExact(text, length, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_mask_text(long text, long length, long out, long size, long written) {
        try {
            return (int) IDN_MASK_TEXT.invokeExact(text, length, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }
}
