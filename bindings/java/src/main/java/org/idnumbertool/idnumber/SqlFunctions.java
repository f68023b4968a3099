package org.idnumbertool.idnumber;

import java.time.LocalDate;
import java.time.LocalTime;
import java.time.format.DateTimeParseException;
import java.util.OptionalInt;

/**
 * The common checks as static methods of String arguments, for the SQL
 * engines that call Java by name: Hive's and Spark SQL's {@code reflect}
 * (and its synonym {@code java_method}).
 *
 * <pre>
 * SELECT reflect('org.idnumbertool.idnumber.SqlFunctions', 'valid', id) FROM people;
 * </pre>
 *
 * <p>Both engines give the result as text: "true"/"false", the number, or
 * the text; and a Java null as the text 'null' (wrap it in
 * {@code nullif(..., 'null')} for SQL NULL). A NULL argument arrives as null
 * and gives null. No method throws for any text, since one bad row would
 * fail a whole Spark query: a text that is no number gives its verdict, a
 * text that cannot be upgraded gives null. The answers are the library's,
 * with the current year on the local clock as the latest birth year.
 */
public final class SqlFunctions {
    private SqlFunctions() {
    }

    /** true when the number has 18 characters, the right check character and a birth date within the limits. */
    public static Boolean valid(String number) {
        return number == null ? null : Verifier.reason(number, 0) == ApiConstants.IDN_VALID;
    }

    /** Why the number is refused: length, characters, check or date; null when valid. */
    public static String reason(String number) {
        if (number == null) {
            return null;
        }
        Reason reason = Reason.of(Verifier.reason(number, 0));
        return reason == null ? null : reason.word();
    }

    /** The dialog's message for a refused number, null when valid. */
    public static String message(String number) {
        return number == null ? null : IdNumber.verify(number).getMessage().orElse(null);
    }

    /** The check character (0-9 or X) the first 17 characters call for; null when they are not 17 digits. */
    public static String expectedCheck(String number) {
        if (number == null) {
            return null;
        }
        Verdict verdict = IdNumber.verify(number);
        return verdict.getExpectedCheck().isPresent() ? String.valueOf(verdict.getExpectedCheck().get()) : null;
    }

    /**
     * The birth date of a valid number as YYYY-MM-DD (which {@code CAST(... AS
     * DATE)} reads); null when refused or when no calendar has the date.
     */
    public static String birthDate(String number) {
        if (number == null) {
            return null;
        }
        LocalDate date = IdNumber.verify(number).getBirthDate().orElse(null);
        return date == null ? null : date.toString();
    }

    /**
     * The age in completed years on the date {@code on}: YYYY-MM-DD (such as
     * {@code cast(current_date() as string)}), or a timestamp as Hive and
     * Spark give one as text, the date then a space or T and the time
     * ({@code 2025-01-01 00:00:00}, with a fraction of a second or not); null
     * when the number has no birth date, {@code on} is none of these, or it
     * comes before the birth.
     */
    public static Integer age(String number, String on) {
        if (number == null || on == null) {
            return null;
        }
        LocalDate day = date(on);
        if (day == null) {
            return null;
        }
        try {
            OptionalInt age = IdNumber.verify(number).getAge(day);
            return age.isPresent() ? age.getAsInt() : null;
        } catch (IdNumberException e) {
            return null;  // a date the library counts no age on (before year 1)
        }
    }

    /** The date of YYYY-MM-DD, or of a timestamp's text (YYYY-MM-DD HH:MM[:SS[.fraction]], or T for the space). */
    private static LocalDate date(String text) {
        int end = 0;
        while (end < text.length() && text.charAt(end) != ' ' && text.charAt(end) != 'T') {
            end++;
        }
        try {
            if (end < text.length()) {
                LocalTime.parse(text.substring(end + 1));
            }
            return LocalDate.parse(text.substring(0, end));
        } catch (DateTimeParseException e) {
            return null;
        }
    }

    /** 男 or 女 for a valid number, else null. */
    public static String sex(String number) {
        if (number == null) {
            return null;
        }
        Sex sex = IdNumber.verify(number).getSex().orElse(null);
        return sex == null ? null : sex.word();
    }

    /** The province field of a valid number, as idtool verify gives it. */
    public static String province(String number) {
        return number == null ? null : IdNumber.verify(number).getProvince().orElse(null);
    }

    /** The city field of a valid number, as idtool verify gives it. */
    public static String city(String number) {
        return number == null ? null : IdNumber.verify(number).getCity().orElse(null);
    }

    /** The county field of a valid number, as idtool verify gives it. */
    public static String county(String number) {
        return number == null ? null : IdNumber.verify(number).getCounty().orElse(null);
    }

    /** resident, hmt_permit or foreigner_card, for a valid number. */
    public static String kind(String number) {
        if (number == null) {
            return null;
        }
        Kind kind = IdNumber.verify(number).getKind().orElse(null);
        return kind == null ? null : kind.word();
    }

    /** The text with every character but its first 6 and last 4 written *. */
    public static String mask(String text) {
        return text == null ? null : IdNumber.mask(text);
    }

    /** The 18-character form of a 15-digit number (19YY); null for a text that is not one. */
    public static String upgrade(String number) {
        if (number == null) {
            return null;
        }
        try {
            return IdNumber.upgrade(number);
        } catch (IdNumberException e) {
            return null;
        }
    }

    /**
     * idtool verify's whole record of the number as a JSON object (without
     * "line"), for {@code get_json_object(..., '$.city')}.
     */
    public static String json(String number) {
        if (number == null) {
            return null;
        }
        Scratch s = Scratch.get();
        long length = Verifier.put(s, number);
        CApi api = Binding.api();
        int status = s.held == length
            ? api.idn_verify_json(s.at(Scratch.TEXT), length, 0, ApiConstants.IDN_VERIFY_JSON_HISTORY, s.at(Scratch.OUT),
                                  Scratch.OUT_SIZE, s.at(Scratch.WRITTEN))
            : api.idn_verify_json_prefix(s.at(Scratch.TEXT), s.held, length, 0, ApiConstants.IDN_VERIFY_JSON_HISTORY,
                                         s.at(Scratch.OUT), Scratch.OUT_SIZE, s.at(Scratch.WRITTEN));
        if (status != ApiConstants.IDN_OK) {
            throw Binding.unexpected("idn_verify_json", status);
        }
        return s.out();
    }
}
