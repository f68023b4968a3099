package org.idnumbertool.idnumber;

/** The characters of a token. */
public enum TokenAlphabet {
    /** 0-9a-f, 8 to 64 characters. */
    HEX(ApiConstants.IDN_TOKEN_HEX, "hex"),
    /** RFC 4648's A-Z2-7 without padding, 8 to 52 characters. */
    BASE32(ApiConstants.IDN_TOKEN_BASE32, "base32");

    private final int code;
    private final String word;

    TokenAlphabet(int code, String word) {
        this.code = code;
        this.word = word;
    }

    /** The C API's idn_token_alphabet_t value. */
    public int code() {
        return code;
    }

    /** "hex" or "base32". */
    public String word() {
        return word;
    }

    /** {@link #word()}. */
    @Override
    public String toString() {
        return word;
    }
}
