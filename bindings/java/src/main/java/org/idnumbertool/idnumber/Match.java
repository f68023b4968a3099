package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.time.LocalDate;
import java.util.Objects;
import java.util.Optional;
import java.util.OptionalInt;
import java.util.Set;

/**
 * One identity number found in a text by {@link IdNumber#find}: where it
 * is, how it is written, how sure the library is, and for a valid number
 * the fields of its verdict. Immutable, and safe to share between threads.
 *
 * <p>{@link #getStart()} and {@link #getEnd()} are indexes of the text as
 * Java holds it (UTF-16 units), so that {@code text.substring(m.getStart(),
 * m.getEnd())} is the number as written; the byte and code point offsets are
 * those of its UTF-8 (or, for bytes given, of the bytes as read).
 * {@link #toString()} shows where the match is and how sure, never the
 * number.
 */
public final class Match {
    private final int start;
    private final int length;
    private final long byteOffset;
    private final long byteLength;
    private final long codePointOffset;
    private final long codePointLength;
    private final long line;
    private final long column;
    private final String number;
    private final Confidence confidence;
    private final Set<Form> forms;
    private final Flaw flaw;
    private final String keyword;
    private final Kind kind;
    private final Sex sex;
    private final int birthYear;
    private final int birthMonth;
    private final int birthDay;
    private final RegionInfo region;

    private Match(ByteBuffer b, int at) {
        start = Math.toIntExact(b.getLong(at + ApiConstants.Match.UTF16_OFFSET));
        length = Math.toIntExact(b.getLong(at + ApiConstants.Match.UTF16_LENGTH));
        byteOffset = b.getLong(at + ApiConstants.Match.BYTE_OFFSET);
        byteLength = b.getLong(at + ApiConstants.Match.BYTE_LENGTH);
        codePointOffset = b.getLong(at + ApiConstants.Match.CHAR_OFFSET);
        codePointLength = b.getLong(at + ApiConstants.Match.CHAR_LENGTH);
        line = b.getLong(at + ApiConstants.Match.LINE);
        column = b.getLong(at + ApiConstants.Match.COLUMN);
        byte[] digits = new byte[ApiConstants.IDN_NUMBER_SIZE - 1];
        for (int i = 0; i < digits.length; i++) {
            digits[i] = b.get(at + ApiConstants.Match.NUMBER + i);
        }
        number = new String(digits, StandardCharsets.US_ASCII);
        confidence = Confidence.of(b.getInt(at + ApiConstants.Match.CONFIDENCE));
        forms = Form.of(b.getInt(at + ApiConstants.Match.FORM));
        flaw = Flaw.of(b.getInt(at + ApiConstants.Match.FLAW));
        keyword = Binding.text(b.getLong(at + ApiConstants.Match.KEYWORD));
        kind = Kind.of(b.getInt(at + ApiConstants.Match.KIND));
        sex = Sex.of(b.getInt(at + ApiConstants.Match.SEX));
        birthYear = b.getInt(at + ApiConstants.Match.BIRTH_YEAR);
        birthMonth = b.getInt(at + ApiConstants.Match.BIRTH_MONTH);
        birthDay = b.getInt(at + ApiConstants.Match.BIRTH_DAY);
        // The verdict's fields are there for a valid number (medium or high), else 0.
        region = kind == null ? null : RegionInfo.of(b.getInt(at + ApiConstants.Match.REGION_CODE));
    }

    /** The match the C API wrote at {@code at}. */
    static Match of(ByteBuffer buffer, int at) {
        return new Match(buffer, at);
    }

    /** Where the number starts in the text, in UTF-16 units (a String's index). */
    public int getStart() {
        return start;
    }

    /** Where it ends, in UTF-16 units: the index after its last char. */
    public int getEnd() {
        return start + length;
    }

    /** Its length in UTF-16 units. */
    public int getLength() {
        return length;
    }

    /** Where it starts in the bytes: of the text's UTF-8, or of the bytes given. */
    public long getByteOffset() {
        return byteOffset;
    }

    public long getByteLength() {
        return byteLength;
    }

    /** Where it starts in code points (characters), as {@code text.codePointCount(0, getStart())}. */
    public long getCodePointOffset() {
        return codePointOffset;
    }

    public long getCodePointLength() {
        return codePointLength;
    }

    /** The line it is on, from 1: the line feeds before it, plus one. */
    public long getLine() {
        return line;
    }

    /** Its column, from 1, in characters from the start of its line. */
    public long getColumn() {
        return column;
    }

    /**
     * The number as 18 ASCII characters, X upper case: a full-width or
     * separated one written plainly, a 15-digit one upgraded, a low one as
     * written.
     */
    public String getNumber() {
        return number;
    }

    public Confidence getConfidence() {
        return confidence;
    }

    /** How it is written: empty for 18 ASCII characters together. Unmodifiable. */
    public Set<Form> getForms() {
        return forms;
    }

    /** For a low match, why it is no valid number. */
    public Optional<Flaw> getFlaw() {
        return Optional.ofNullable(flaw);
    }

    /**
     * The last keyword ending at most 300 characters before it (ASCII ones
     * in lower case), whatever its confidence: such as 身份证号 or "id no".
     */
    public Optional<String> getKeyword() {
        return Optional.ofNullable(keyword);
    }

    /** For a valid number (medium or high), its kind. */
    public Optional<Kind> getKind() {
        return Optional.ofNullable(kind);
    }

    /** For a valid number, its sex. */
    public Optional<Sex> getSex() {
        return Optional.ofNullable(sex);
    }

    /** For a valid number, its birth date as YYYYMMDD (as a verdict's). */
    public Optional<String> getBirthDateText() {
        return kind == null ? Optional.<String>empty()
            : Optional.of(String.format("%04d%02d%02d", birthYear, birthMonth, birthDay));
    }

    /** For a valid number, its birth date (always a calendar date for a match). */
    public Optional<LocalDate> getBirthDate() {
        return kind == null ? Optional.<LocalDate>empty()
            : Optional.ofNullable(BirthDates.of(birthYear, birthMonth, birthDay));
    }

    /** For a valid number, its first six digits as a number. */
    public OptionalInt getRegionCode() {
        return region == null ? OptionalInt.empty() : OptionalInt.of(region.code);
    }

    /** For a valid number, the province field of its verdict (the 2009 tables). */
    public Optional<String> getProvince() {
        return region == null ? Optional.<String>empty() : region.provinceOptional;
    }

    /** For a valid number, the city field of its verdict. */
    public Optional<String> getCity() {
        return region == null ? Optional.<String>empty() : region.cityOptional;
    }

    /** For a valid number, the county field of its verdict. */
    public Optional<String> getCounty() {
        return region == null ? Optional.<String>empty() : region.countyOptional;
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof Match)) {
            return false;
        }
        Match that = (Match) other;
        return start == that.start && length == that.length && byteOffset == that.byteOffset
            && byteLength == that.byteLength && codePointOffset == that.codePointOffset && line == that.line
            && column == that.column && number.equals(that.number) && confidence == that.confidence
            && forms.equals(that.forms) && flaw == that.flaw && Objects.equals(keyword, that.keyword);
    }

    @Override
    public int hashCode() {
        return Objects.hash(start, byteOffset, number, confidence);
    }

    /** Where and how sure, never the number: "Match[3-21, line 1, column 4, medium, separated]". */
    @Override
    public String toString() {
        StringBuilder out = new StringBuilder("Match[").append(start).append('-').append(getEnd()).append(", line ")
            .append(line).append(", column ").append(column).append(", ").append(confidence);
        for (Form form : forms) {
            out.append(", ").append(form);
        }
        if (flaw != null) {
            out.append(", flaw ").append(flaw);
        }
        if (keyword != null) {
            out.append(", after ").append(keyword);
        }
        return out.append(']').toString();
    }
}
