package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.Objects;

/**
 * One text verified through the C API: its UTF-8 put into the thread's
 * scratch memory (a text of more than 64 chars only as far as the verdict
 * reads, with its whole length), one idn_verify, and the verdict made from
 * what the library answers.
 */
final class Verifier {
    /** A text of more chars than this has more bytes than the verdict, the hint and the record read. */
    static final int HELD_CHARS = ApiConstants.IDN_INPUT_HELD_BYTES;

    private static final String[] FIXED_MESSAGES = new String[Reason.values().length + 1];
    private static final String[] LENGTH_MESSAGES = new String[Scratch.TEXT_SIZE + 1];

    private Verifier() {
    }

    static Verdict verify(String text, int yearLimit) {
        Objects.requireNonNull(text, "text");
        Scratch s = Scratch.get();
        long length = put(s, text);
        return verdict(s, text, s.held, length, yearLimit);
    }

    static Verdict verify(byte[] bytes, int yearLimit) {
        Objects.requireNonNull(bytes, "text");
        Scratch s = Scratch.get();
        int held = bytes.length <= Scratch.TEXT_SIZE ? bytes.length : ApiConstants.IDN_INPUT_HELD_BYTES;
        ByteBuffer buffer = s.buffer;
        for (int i = 0; i < held; i++) {
            buffer.put(Scratch.TEXT + i, bytes[i]);
        }
        return verdict(s, new String(bytes, StandardCharsets.UTF_8), held, bytes.length, yearLimit);
    }

    /** The C API's reason for the text (IDN_VALID, IDN_REASON_LENGTH...), without the rest of the verdict. */
    static int reason(String text, int yearLimit) {
        Scratch s = Scratch.get();
        long length = put(s, text);
        call(s, s.held, length, yearLimit);
        return s.buffer.getInt(Scratch.VERDICT + ApiConstants.Verdict.REASON);
    }

    /**
     * Puts the text's UTF-8 at TEXT, or for a text of over HELD_CHARS chars
     * its first HELD_CHARS (a surrogate pair whole); sets {@code s.held} to
     * the bytes put and returns the whole text's length in bytes.
     */
    static long put(Scratch s, String text) {
        int chars = text.length();
        if (chars <= HELD_CHARS) {
            s.held = Utf8.encode(text, 0, chars, s.buffer, Scratch.TEXT);
            return s.held;
        }
        s.held = Utf8.encode(text, 0, Utf8.prefixEnd(text, HELD_CHARS), s.buffer, Scratch.TEXT);
        return Utf8.length(text);
    }

    /** Verifies the text at TEXT into the verdict at VERDICT. */
    static void call(Scratch s, int held, long length, int yearLimit) {
        CApi api = Binding.api();
        s.buffer.putInt(Scratch.VERDICT + ApiConstants.Verdict.SIZE_MEMBER, ApiConstants.Verdict.SIZE);
        int status = held == length
            ? api.idn_verify(s.at(Scratch.TEXT), held, yearLimit, s.at(Scratch.VERDICT))
            : api.idn_verify_prefix(s.at(Scratch.TEXT), held, length, yearLimit, s.at(Scratch.VERDICT));
        if (status != ApiConstants.IDN_OK) {
            throw refusal(status, yearLimit, "idn_verify");
        }
    }

    private static Verdict verdict(Scratch s, String input, int held, long length, int yearLimit) {
        call(s, held, length, yearLimit);
        ByteBuffer b = s.buffer;
        int reason = b.getInt(Scratch.VERDICT + ApiConstants.Verdict.REASON);
        char check = (char) b.getInt(Scratch.VERDICT + ApiConstants.Verdict.EXPECTED_CHECK);
        if (reason != ApiConstants.IDN_VALID) {
            return refused(s, input, held, length, yearLimit, reason, check);
        }
        int code = b.getInt(Scratch.VERDICT + ApiConstants.Verdict.REGION_CODE);
        int year = b.getInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_YEAR);
        int month = b.getInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_MONTH);
        int day = b.getInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_DAY);
        Sex sex = Sex.of(b.getInt(Scratch.VERDICT + ApiConstants.Verdict.SEX));
        RegionInfo region = RegionInfo.of(code);
        // A valid number is 18 ASCII bytes: its chars 7-14 are the birth date's digits.
        return Verdict.valid(input, length, check, input.substring(6, 14), year, month, day, sex, region);
    }

    /**
     * The verdict of a refused text whose first {@code held} bytes (all of
     * it, or at least the first 64) are at TEXT: its hint and the message.
     */
    static Verdict refused(Scratch s, String input, int held, long length, int yearLimit, int reason, char check) {
        int status = Binding.api().idn_hint_of_prefix(s.at(Scratch.TEXT), held, length, yearLimit,
                                                      s.at(Scratch.SMALL), s.at(Scratch.OUT), ApiConstants.IDN_NUMBER_SIZE,
                                                      s.at(Scratch.WRITTEN));
        if (status != ApiConstants.IDN_OK) {
            throw refusal(status, yearLimit, "idn_hint_of_prefix");
        }
        Hint hint = Hint.of(s.buffer.getInt(Scratch.SMALL));
        String upgraded = s.word(Scratch.WRITTEN) > 0 ? s.out() : null;
        return Verdict.refused(input, length, Reason.of(reason), message(s, reason, length), check, hint, upgraded);
    }

    /**
     * The dialog's message for a refusal, asked of the library once per
     * reason, and for the length refusal once per length up to TEXT_SIZE.
     */
    static String message(Scratch s, int reason, long length) {
        if (reason != ApiConstants.IDN_REASON_LENGTH) {
            String message = FIXED_MESSAGES[reason];
            if (message == null) {
                FIXED_MESSAGES[reason] = message = askMessage(s, reason, length);
            }
            return message;
        }
        if (length < LENGTH_MESSAGES.length) {
            String message = LENGTH_MESSAGES[(int) length];
            if (message == null) {
                LENGTH_MESSAGES[(int) length] = message = askMessage(s, reason, length);
            }
            return message;
        }
        return askMessage(s, reason, length);
    }

    private static String askMessage(Scratch s, int reason, long length) {
        ByteBuffer b = s.buffer;
        s.sized(Scratch.VERDICT, ApiConstants.Verdict.SIZE);
        b.putInt(Scratch.VERDICT + ApiConstants.Verdict.REASON, reason);
        b.putLong(Scratch.VERDICT + ApiConstants.Verdict.LENGTH, length);
        int status = Binding.api().idn_reason_message(s.at(Scratch.VERDICT), s.at(Scratch.OUT), Scratch.OUT_SIZE,
                                                      s.at(Scratch.WRITTEN));
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_reason_message", status);
        }
        return s.out();
    }

    /** What {@link #ageOn} gives for no age, and for a date that is none of the calendar's. */
    static final int NO_AGE = -1;
    static final int NOT_A_DATE = -2;

    /**
     * The age in completed years on the date of a verdict's reason and birth
     * date, as idn_age_on gives it: NO_AGE for none (refused, no calendar
     * birth date, a date before the birth), NOT_A_DATE for a date the library
     * takes for none.
     */
    static int ageOn(int reason, int birthYear, int birthMonth, int birthDay, int year, int month, int day) {
        Scratch s = Scratch.get();
        ByteBuffer b = s.buffer;
        s.sized(Scratch.VERDICT, ApiConstants.Verdict.SIZE);
        b.putInt(Scratch.VERDICT + ApiConstants.Verdict.REASON, reason);
        b.putInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_YEAR, birthYear);
        b.putInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_MONTH, birthMonth);
        b.putInt(Scratch.VERDICT + ApiConstants.Verdict.BIRTH_DAY, birthDay);
        int status = Binding.api().idn_age_on(s.at(Scratch.VERDICT), year, month, day, s.at(Scratch.SMALL));
        switch (status) {
        case ApiConstants.IDN_OK:
            return b.getInt(Scratch.SMALL);
        case ApiConstants.IDN_ERROR_NOT_FOUND:
            return NO_AGE;
        case ApiConstants.IDN_ERROR_BAD_DATE:
            return NOT_A_DATE;
        default:
            throw Binding.unexpected("idn_age_on", status);
        }
    }

    /** A year limit the library refused, in its words; any other status is this binding's fault. */
    static RuntimeException refusal(int status, int yearLimit, String function) {
        if (status == ApiConstants.IDN_ERROR_YEAR_LIMIT) {
            return OptionNames.refusal(status, ApiConstants.IDN_OPTION_YEAR_LIMIT, String.valueOf(yearLimit));
        }
        return Binding.unexpected(function, status);
    }
}
