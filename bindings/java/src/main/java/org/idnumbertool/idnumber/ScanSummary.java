package org.idnumbertool.idnumber;

import java.nio.ByteBuffer;
import java.util.Collections;
import java.util.EnumMap;
import java.util.Map;

/**
 * What a redaction replaced: counts, never numbers. Immutable.
 *
 * <pre>{@code
 * Redacted r = IdNumber.redactor(options).redactWithSummary(text);
 * r.getSummary().getMatches();                    // 2
 * r.getSummary().getMatches(Confidence.HIGH);     // 1
 * r.getSummary().getMatches(Form.FULLWIDTH);      // 1
 * }</pre>
 */
public final class ScanSummary {
    private final long bytes;
    private final long matches;
    private final Map<Confidence, Long> byConfidence;
    private final long plain;
    private final Map<Form, Long> byForm;

    private ScanSummary(long bytes, long matches, Map<Confidence, Long> byConfidence, long plain,
                        Map<Form, Long> byForm) {
        this.bytes = bytes;
        this.matches = matches;
        this.byConfidence = byConfidence;
        this.plain = plain;
        this.byForm = byForm;
    }

    /** The summary the C API wrote at {@code at}. */
    static ScanSummary of(ByteBuffer b, int at) {
        Map<Confidence, Long> confidences = new EnumMap<Confidence, Long>(Confidence.class);
        for (Confidence confidence : Confidence.values()) {
            confidences.put(confidence, b.getLong(at + ApiConstants.ScanSummary.BY_CONFIDENCE + 8 * confidence.code()));
        }
        // by_form counts each flag in the order of its bit: fullwidth, lowercase_x, separated, fifteen_digits.
        Map<Form, Long> forms = new EnumMap<Form, Long>(Form.class);
        for (Form form : Form.values()) {
            forms.put(form, b.getLong(at + ApiConstants.ScanSummary.BY_FORM
                + 8 * Integer.numberOfTrailingZeros(form.flag())));
        }
        return new ScanSummary(b.getLong(at + ApiConstants.ScanSummary.BYTES),
                               b.getLong(at + ApiConstants.ScanSummary.MATCHES),
                               Collections.unmodifiableMap(confidences), b.getLong(at + ApiConstants.ScanSummary.PLAIN),
                               Collections.unmodifiableMap(forms));
    }

    /** The bytes read: of the text's UTF-8, or of the bytes given. */
    public long getBytes() {
        return bytes;
    }

    /** The numbers replaced (those at or above the least confidence asked for). */
    public long getMatches() {
        return matches;
    }

    /** The numbers replaced of the confidence. */
    public long getMatches(Confidence confidence) {
        return byConfidence.get(confidence);
    }

    /** The numbers replaced that were 18 ASCII characters together. */
    public long getPlain() {
        return plain;
    }

    /** The numbers replaced written in the form (a number may have several). */
    public long getMatches(Form form) {
        return byForm.get(form);
    }

    @Override
    public boolean equals(Object other) {
        if (!(other instanceof ScanSummary)) {
            return false;
        }
        ScanSummary that = (ScanSummary) other;
        return bytes == that.bytes && matches == that.matches && plain == that.plain
            && byConfidence.equals(that.byConfidence) && byForm.equals(that.byForm);
    }

    @Override
    public int hashCode() {
        return (int) (bytes * 31 + matches * 17 + plain) ^ byConfidence.hashCode() ^ byForm.hashCode();
    }

    @Override
    public String toString() {
        return "ScanSummary[" + matches + " replaced of " + bytes + " bytes, by confidence " + byConfidence
            + ", plain " + plain + ", by form " + byForm + "]";
    }
}
