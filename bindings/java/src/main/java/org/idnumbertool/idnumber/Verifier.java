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
    static final int HELD_CHARS = CApi.IDN_INPUT_HELD_BYTES;

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
        int held = bytes.length <= Scratch.TEXT_SIZE ? bytes.length : CApi.IDN_INPUT_HELD_BYTES;
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
        return s.buffer.getInt(Scratch.VERDICT + Binding.layouts().verdict.reason);
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

    private static void call(Scratch s, int held, long length, int yearLimit) {
        CApi api = Binding.api();
        int status = held == length
            ? api.idn_verify(s.at(Scratch.TEXT), held, yearLimit, s.at(Scratch.VERDICT))
            : api.idn_verify_prefix(s.at(Scratch.TEXT), held, length, yearLimit, s.at(Scratch.VERDICT));
        if (status != CApi.IDN_OK) {
            throw refusal(status, yearLimit, "idn_verify");
        }
    }

    private static Verdict verdict(Scratch s, String input, int held, long length, int yearLimit) {
        call(s, held, length, yearLimit);
        ByteBuffer b = s.buffer;
        Layouts.Verdict v = Binding.layouts().verdict;
        int reason = b.getInt(Scratch.VERDICT + v.reason);
        char check = (char) b.getInt(Scratch.VERDICT + v.expected_check);
        if (reason != CApi.IDN_VALID) {
            return refused(s, input, held, length, yearLimit, reason, check);
        }
        int code = b.getInt(Scratch.VERDICT + v.region_code);
        int year = b.getInt(Scratch.VERDICT + v.birth_year);
        int month = b.getInt(Scratch.VERDICT + v.birth_month);
        int day = b.getInt(Scratch.VERDICT + v.birth_day);
        Sex sex = Sex.of(b.getInt(Scratch.VERDICT + v.sex));
        RegionInfo region = RegionInfo.of(code, s.at(Scratch.TEXT), held, yearLimit);
        // A valid number is 18 ASCII bytes: its chars 7-14 are the birth date's digits.
        return Verdict.valid(input, length, check, input.substring(6, 14), year, month, day, sex, region);
    }

    /**
     * The verdict of a refused text whose first {@code held} bytes (all of
     * it, or at least the first 64) are at TEXT: its hint and the message.
     */
    static Verdict refused(Scratch s, String input, int held, long length, int yearLimit, int reason, char check) {
        int status = Binding.api().idn_hint_of_prefix(s.at(Scratch.TEXT), held, length, yearLimit,
                                                      s.at(Scratch.SMALL), s.at(Scratch.OUT), CApi.IDN_NUMBER_SIZE,
                                                      s.at(Scratch.WRITTEN));
        if (status != CApi.IDN_OK) {
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
        if (reason != CApi.IDN_REASON_LENGTH) {
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
        Layouts.Verdict v = Binding.layouts().verdict;
        ByteBuffer b = s.buffer;
        for (int i = 0; i < v.size; i += 4) {
            b.putInt(Scratch.VERDICT + i, 0);
        }
        b.putInt(Scratch.VERDICT + v.reason, reason);
        b.putLong(Scratch.VERDICT + v.length, length);
        int status = Binding.api().idn_reason_message(s.at(Scratch.VERDICT), s.at(Scratch.OUT), Scratch.OUT_SIZE,
                                                      s.at(Scratch.WRITTEN));
        if (status != CApi.IDN_OK) {
            throw Binding.unexpected("idn_reason_message", status);
        }
        return s.out();
    }

    /** A year limit the library refused, in its words; any other status is this binding's fault. */
    static RuntimeException refusal(int status, int yearLimit, String function) {
        if (status == CApi.IDN_ERROR_YEAR_LIMIT) {
            return OptionNames.refusal(status, CApi.IDN_OPTION_YEAR_LIMIT, String.valueOf(yearLimit));
        }
        return Binding.unexpected(function, status);
    }
}
