package org.idnumbertool.idnumber;

import java.io.OutputStream;
import java.io.Writer;
import java.nio.charset.StandardCharsets;
import java.util.Objects;
import java.util.Optional;

/**
 * A redaction whose options the library has accepted: made once by
 * {@link IdNumber#redactor(RedactOptions)}, which throws the library's
 * refusal of a bad option (a missing or short key, a mask that keeps too
 * much) before any text is touched, then used for any number of texts from
 * any number of threads. Each thread keeps its scanner prepared between
 * texts, so that a column or a log of many short texts costs one restart
 * of it per text, not a setup.
 *
 * <pre>{@code
 * Redactor redactor = IdNumber.redactor(RedactOptions.builder().redaction(Redaction.LABEL).build());
 * redactor.redact("客户 11010519491231002X 已登记");    // 客户 [身份证号] 已登记
 * }</pre>
 */
public final class Redactor {
    private final RedactOptions options;

    Redactor(RedactOptions options) {
        this.options = Objects.requireNonNull(options, "options");
        // The options judged now, as text reads them and, when an encoding is given, as bytes do.
        ThreadScanner.begin(options, false).end();
        if (options.scan.encoding != null) {
            ThreadScanner.begin(options, true).end();
        }
    }

    public RedactOptions getOptions() {
        return options;
    }

    /** The text with every number found replaced, every other character as it was. */
    public String redact(CharSequence text) {
        return Scans.redact(Objects.requireNonNull(text, "text").toString(), options, ScannerMemory.INPUT_CHARS,
                            null);
    }

    /** {@link #redact(CharSequence)}, with what was replaced. */
    public Redacted redactWithSummary(CharSequence text) {
        ScanSummary[] summary = new ScanSummary[1];
        String redacted = Scans.redact(Objects.requireNonNull(text, "text").toString(), options,
                                       ScannerMemory.INPUT_CHARS, summary);
        return new Redacted(redacted, summary[0]);
    }

    /**
     * Bytes read as the options' encoding (UTF-8 unless given), every number
     * found replaced (in that encoding) and every other byte as it was:
     * invalid UTF-8, NUL, CR, a byte-order mark, GBK.
     */
    public byte[] redact(byte[] bytes) {
        return Scans.redact(Objects.requireNonNull(bytes, "bytes"), options, ScannerMemory.INPUT_BYTES, null);
    }

    /**
     * One number held alone, as a field of a record holds it, redacted as
     * these options would redact it in a text of only this number ("high"
     * taken as medium: a field has no words around it); empty when the text
     * is not one valid number (or a mistyped one, with {@link Confidence#LOW}).
     */
    public Optional<String> redactNumber(CharSequence number) {
        byte[] redacted = Scans.redactNumber(Objects.requireNonNull(number, "number").toString(), options);
        return redacted == null ? Optional.<String>empty() : Optional.of(new String(redacted, StandardCharsets.UTF_8));
    }

    /**
     * A Writer that writes what it is given to {@code out} redacted: pieces of
     * any size, a number cut between two writes found once. Up to a few
     * thousand chars after the last line that could hold the start of a
     * number wait for what follows, or for {@link RedactingWriter#close()},
     * which writes everything and closes {@code out}.
     */
    public RedactingWriter writer(Writer out) {
        return new RedactingWriter(Objects.requireNonNull(out, "out"), options);
    }

    /** An OutputStream that writes bytes (in the options' encoding) to {@code out} redacted, as {@link #writer}. */
    public RedactingOutputStream outputStream(OutputStream out) {
        return new RedactingOutputStream(Objects.requireNonNull(out, "out"), options);
    }

    @Override
    public String toString() {
        return "Redactor[" + options + "]";
    }
}
