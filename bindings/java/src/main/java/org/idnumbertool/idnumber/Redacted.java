package org.idnumbertool.idnumber;

/** A text redacted, and what was replaced in it. Immutable. */
public final class Redacted {
    private final String text;
    private final ScanSummary summary;

    Redacted(String text, ScanSummary summary) {
        this.text = text;
        this.summary = summary;
    }

    /** The text, every number found replaced. */
    public String getText() {
        return text;
    }

    /** What was replaced: counts, never numbers. */
    public ScanSummary getSummary() {
        return summary;
    }

    /** The redacted text. */
    @Override
    public String toString() {
        return text;
    }
}
