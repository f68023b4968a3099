package org.idnumbertool.idnumber;

/**
 * How the scanner reads bytes given as a {@code byte[]} or an
 * {@code OutputStream}; text given as a {@code CharSequence} or a
 * {@code Writer} is read as the characters it holds, whatever this says.
 */
public enum ScanEncoding {
    /** UTF-8; bytes that are no UTF-8 are characters no number has, and are written back as they were. */
    UTF_8(ApiConstants.IDN_ENCODING_UTF8, "utf8"),
    /** GBK (code page 936), the numbers' full-width digits and the label written in GBK. */
    GBK(ApiConstants.IDN_ENCODING_GBK, "gbk"),
    /**
     * Each line as UTF-8 when its bytes are valid UTF-8 and as GBK
     * otherwise, as idtool's --input-encoding auto reads lines (a line over
     * 4096 bytes decided in stretches of at most that many).
     */
    AUTO(ApiConstants.IDN_ENCODING_AUTO, "auto");

    private final int code;
    private final String word;

    ScanEncoding(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_encoding_t value. */
    public int code() {
        return code;
    }

    /** "utf8", "gbk" or "auto". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }
}
