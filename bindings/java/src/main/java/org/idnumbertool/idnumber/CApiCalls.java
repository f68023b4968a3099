package org.idnumbertool.idnumber;

import java.lang.invoke.MethodHandle;

/**
 * The C API as the library calls it: each method calls the function of its
 * name through the bound class ({@link CApi64}), which {@link Binding} may
 * have loaded with a class loader of its own, and so is reached by method
 * handles. Each handle is a static final field, which the JIT compiler
 * inlines: a call costs what a direct call costs.
 */
final class CApiCalls implements CApi {
    /** The class bound, set by Binding before this class is first used, while Binding is being initialised. */
    private static final Class<?> BOUND = Binding.boundClass();

    private static final MethodHandle IDN_VERSION_NUMBER = handle("idn_version_number");
    private static final MethodHandle IDN_VERSION_STRING = handle("idn_version_string");
    private static final MethodHandle IDN_SIZE_OF = handle("idn_size_of");
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
    private static final MethodHandle IDN_AGE_ON = handle("idn_age_on");
    private static final MethodHandle IDN_HINT_OF = handle("idn_hint_of");
    private static final MethodHandle IDN_HINT_OF_PREFIX = handle("idn_hint_of_prefix");
    private static final MethodHandle IDN_HINT_NAME = handle("idn_hint_name");
    private static final MethodHandle IDN_FIND_REGION = handle("idn_find_region");
    private static final MethodHandle IDN_SEARCH_REGIONS = handle("idn_search_regions");
    private static final MethodHandle IDN_CODE_STATUS_OF = handle("idn_code_status_of");
    private static final MethodHandle IDN_CODE_STATUS_NAME = handle("idn_code_status_name");
    private static final MethodHandle IDN_HISTORY_COUNT = handle("idn_history_count");
    private static final MethodHandle IDN_HISTORY_AT = handle("idn_history_at");
    private static final MethodHandle IDN_SUCCESSORS = handle("idn_successors");
    private static final MethodHandle IDN_NOW_CODES = handle("idn_now_codes");
    private static final MethodHandle IDN_IN_USE_AT_BIRTH = handle("idn_in_use_at_birth");
    private static final MethodHandle IDN_REGION_INFO = handle("idn_region_info");
    private static final MethodHandle IDN_VERIFY_JSON = handle("idn_verify_json");
    private static final MethodHandle IDN_VERIFY_JSON_PREFIX = handle("idn_verify_json_prefix");
    private static final MethodHandle IDN_OPTION_NAME = handle("idn_option_name");
    private static final MethodHandle IDN_OPTION_MESSAGE = handle("idn_option_message");
    private static final MethodHandle IDN_GENERATOR_INIT = handle("idn_generator_init");
    private static final MethodHandle IDN_GENERATOR_SET_TEXT = handle("idn_generator_set_text");
    private static final MethodHandle IDN_GENERATOR_SET_INTEGER = handle("idn_generator_set_integer");
    private static final MethodHandle IDN_GENERATOR_PREPARE = handle("idn_generator_prepare");
    private static final MethodHandle IDN_GENERATOR_REFUSAL = handle("idn_generator_refusal");
    private static final MethodHandle IDN_GENERATOR_WARNING = handle("idn_generator_warning");
    private static final MethodHandle IDN_GENERATOR_MESSAGE = handle("idn_generator_message");
    private static final MethodHandle IDN_GENERATOR_COUNT = handle("idn_generator_count");
    private static final MethodHandle IDN_GENERATOR_SEED = handle("idn_generator_seed");
    private static final MethodHandle IDN_GENERATOR_NUMBER = handle("idn_generator_number");
    private static final MethodHandle IDN_RESOLVE_REGION = handle("idn_resolve_region");
    private static final MethodHandle IDN_UPGRADE_NUMBER = handle("idn_upgrade_number");
    private static final MethodHandle IDN_UPGRADE_MESSAGE = handle("idn_upgrade_message");
    private static final MethodHandle IDN_MASK_TEXT = handle("idn_mask_text");
    private static final MethodHandle IDN_CONFIDENCE_NAME = handle("idn_confidence_name");
    private static final MethodHandle IDN_FORM_NAME = handle("idn_form_name");
    private static final MethodHandle IDN_FLAW_NAME = handle("idn_flaw_name");
    private static final MethodHandle IDN_REDACTION_NAME = handle("idn_redaction_name");
    private static final MethodHandle IDN_SCANNER_INIT = handle("idn_scanner_init");
    private static final MethodHandle IDN_SCANNER_SET_TEXT = handle("idn_scanner_set_text");
    private static final MethodHandle IDN_SCANNER_SET_INTEGER = handle("idn_scanner_set_integer");
    private static final MethodHandle IDN_SCANNER_PREPARE = handle("idn_scanner_prepare");
    private static final MethodHandle IDN_SCANNER_RESTART = handle("idn_scanner_restart");
    private static final MethodHandle IDN_SCANNER_REFUSAL = handle("idn_scanner_refusal");
    private static final MethodHandle IDN_SCANNER_MESSAGE = handle("idn_scanner_message");
    private static final MethodHandle IDN_SCANNER_FEED = handle("idn_scanner_feed");
    private static final MethodHandle IDN_SCANNER_NEXT = handle("idn_scanner_next");
    private static final MethodHandle IDN_SCANNER_REDACT = handle("idn_scanner_redact");
    private static final MethodHandle IDN_REDACT_SIZE = handle("idn_redact_size");
    private static final MethodHandle IDN_SCANNER_SUMMARY = handle("idn_scanner_summary");
    private static final MethodHandle IDN_SCANNER_REDACT_NUMBER = handle("idn_scanner_redact_number");
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
    public long idn_size_of(int id) {
        try {
            return (long) IDN_SIZE_OF.invokeExact(id);
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
    public int idn_verify_columns(long bytes, long ends, long count, int yearLimit, long reasons, long expectedChecks,
                                  long sexes, long regionCodes, long birthDates) {
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
    public int idn_age_on(long verdict, int year, int month, int day, long age) {
        try {
            return (int) IDN_AGE_ON.invokeExact(verdict, year, month, day, age);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_hint_of(long text, long length, int yearLimit, long hint, long upgraded, long size, long written) {
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
    public int idn_code_status_of(int code) {
        try {
            return (int) IDN_CODE_STATUS_OF.invokeExact(code);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_code_status_name(int status) {
        try {
            return (long) IDN_CODE_STATUS_NAME.invokeExact(status);
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
    public int idn_region_info(int code, int birthYear, long info) {
        try {
            return (int) IDN_REGION_INFO.invokeExact(code, birthYear, info);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_verify_json(long text, long length, int yearLimit, int flags, long out, long size, long written) {
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
    public int idn_option_message(int status, long value, long length, long names, long nameCount, long out,
                                  long size, long written) {
        try {
            return (int) IDN_OPTION_MESSAGE.invokeExact(status, value, length, names, nameCount, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_init(long generator, long size) {
        try {
            return (int) IDN_GENERATOR_INIT.invokeExact(generator, size);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_set_text(long generator, int option, long text, long length) {
        try {
            return (int) IDN_GENERATOR_SET_TEXT.invokeExact(generator, option, text, length);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_set_integer(long generator, int option, long value) {
        try {
            return (int) IDN_GENERATOR_SET_INTEGER.invokeExact(generator, option, value);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_prepare(long generator) {
        try {
            return (int) IDN_GENERATOR_PREPARE.invokeExact(generator);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_generator_refusal(long generator, long status, long option) {
        try {
            return (int) IDN_GENERATOR_REFUSAL.invokeExact(generator, status, option);
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
    public int idn_generator_message(long generator, long names, long nameCount, long out, long size, long written) {
        try {
            return (int) IDN_GENERATOR_MESSAGE.invokeExact(generator, names, nameCount, out, size, written);
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
    public int idn_generator_seed(long generator, long seed) {
        try {
            return (int) IDN_GENERATOR_SEED.invokeExact(generator, seed);
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

    @Override
    public long idn_confidence_name(int confidence) {
        try {
            return (long) IDN_CONFIDENCE_NAME.invokeExact(confidence);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_form_name(int form) {
        try {
            return (long) IDN_FORM_NAME.invokeExact(form);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_flaw_name(int flaw) {
        try {
            return (long) IDN_FLAW_NAME.invokeExact(flaw);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_redaction_name(int redaction) {
        try {
            return (long) IDN_REDACTION_NAME.invokeExact(redaction);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_init(long scanner, long size) {
        try {
            return (int) IDN_SCANNER_INIT.invokeExact(scanner, size);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_set_text(long scanner, int option, long text, long length) {
        try {
            return (int) IDN_SCANNER_SET_TEXT.invokeExact(scanner, option, text, length);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_set_integer(long scanner, int option, long value) {
        try {
            return (int) IDN_SCANNER_SET_INTEGER.invokeExact(scanner, option, value);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_prepare(long scanner) {
        try {
            return (int) IDN_SCANNER_PREPARE.invokeExact(scanner);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_restart(long scanner) {
        try {
            return (int) IDN_SCANNER_RESTART.invokeExact(scanner);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_refusal(long scanner, long status, long option) {
        try {
            return (int) IDN_SCANNER_REFUSAL.invokeExact(scanner, status, option);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_message(long scanner, long names, long nameCount, long out, long size, long written) {
        try {
            return (int) IDN_SCANNER_MESSAGE.invokeExact(scanner, names, nameCount, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_feed(long scanner, long piece, long length, int last) {
        try {
            return (int) IDN_SCANNER_FEED.invokeExact(scanner, piece, length, last);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_next(long scanner, long match) {
        try {
            return (int) IDN_SCANNER_NEXT.invokeExact(scanner, match);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_redact(long scanner, long piece, long length, int last, long out, long size, long written) {
        try {
            return (int) IDN_SCANNER_REDACT.invokeExact(scanner, piece, length, last, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public long idn_redact_size(long length) {
        try {
            return (long) IDN_REDACT_SIZE.invokeExact(length);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_summary(long scanner, long summary) {
        try {
            return (int) IDN_SCANNER_SUMMARY.invokeExact(scanner, summary);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }

    @Override
    public int idn_scanner_redact_number(long scanner, long number, long length, long out, long size, long written) {
        try {
            return (int) IDN_SCANNER_REDACT_NUMBER.invokeExact(scanner, number, length, out, size, written);
        } catch (Throwable e) {
            throw rethrown(e);
        }
    }
}
