package org.idnumbertool.idnumber.logging;

import java.nio.charset.StandardCharsets;
import java.util.Base64;
import java.util.EnumSet;
import java.util.List;
import java.util.Locale;
import java.util.Set;
import java.util.function.Consumer;
import java.util.function.UnaryOperator;
import org.idnumbertool.idnumber.Confidence;
import org.idnumbertool.idnumber.IdNumber;
import org.idnumbertool.idnumber.Keep;
import org.idnumbertool.idnumber.RedactOptions;
import org.idnumbertool.idnumber.Redaction;
import org.idnumbertool.idnumber.Redactor;
import org.idnumbertool.idnumber.TokenAlphabet;

/**
 * The redaction a logging pattern's converter asks for by its options
 * ({@code redaction=token}, {@code minConfidence=high}...), the same for
 * logback and Log4j 2. A key is never written in a pattern: it is read from
 * the system property or environment variable an option names, else from
 * {@value #KEY_PROPERTY} or {@value #KEY_ENVIRONMENT}.
 *
 * <p>A logging library must not fail a line, and a converter must not let a
 * number through: options the library refuses are reported once (to the
 * logging library's status) and every number is then written as the label
 * [身份证号]; without the native library, each message is withheld whole.
 */
final class PatternRedaction {
    /** Where a key is read when no option names another place. */
    static final String KEY_PROPERTY = "idnumber.redact.key";
    static final String KEY_ENVIRONMENT = "IDNUMBER_REDACT_KEY";
    /** A key's text that stands for the bytes of its base64 after it, rather than for its own UTF-8. */
    static final String BASE64_PREFIX = "base64:";
    /** What is written for a message when the library that finds the numbers did not load. */
    static final String WITHHELD = "[idnRedact: message withheld, the idnumber library is not loaded]";

    private final Redactor redactor;
    private final Consumer<String> error;
    private boolean failureReported;

    private PatternRedaction(Redactor redactor, Consumer<String> error) {
        this.redactor = redactor;
        this.error = error;
    }

    /**
     * The redaction of the options ("name=value" each), reporting what is
     * wrong with them to {@code error}. System properties and the
     * environment are read through the two functions given.
     */
    static PatternRedaction of(List<String> options, UnaryOperator<String> properties,
                               UnaryOperator<String> environment, Consumer<String> error) {
        try {
            return new PatternRedaction(IdNumber.redactor(options(options, properties, environment)), error);
        } catch (IllegalArgumentException e) {
            error.accept("idnRedact: " + e.getMessage() + "; every number is written as the label [身份证号]"
                + " instead");
        } catch (RuntimeException | LinkageError e) {
            error.accept("idnRedact: the idnumber library did not load, so each message is withheld: " + e);
            return new PatternRedaction(null, error);
        }
        try {
            return new PatternRedaction(IdNumber.redactor(RedactOptions.builder().redaction(Redaction.LABEL)
                                                              .build()), error);
        } catch (RuntimeException | LinkageError e) {
            error.accept("idnRedact: each message is withheld: " + e);
            return new PatternRedaction(null, error);
        }
    }

    /** The system's own properties and environment. */
    static PatternRedaction of(List<String> options, Consumer<String> error) {
        return of(options, System::getProperty, System::getenv, error);
    }

    /** The text with every number found replaced; never throws. */
    String redact(String text) {
        if (redactor != null) {
            try {
                return redactor.redact(text);
            } catch (RuntimeException | LinkageError e) {
                if (!failureReported) {
                    failureReported = true;
                    error.accept("idnRedact: a message could not be redacted and was withheld: " + e);
                }
            }
        }
        return WITHHELD;
    }

    /** The options of a pattern in the library's terms. */
    static RedactOptions options(List<String> options, UnaryOperator<String> properties,
                                 UnaryOperator<String> environment) {
        RedactOptions.Builder b = RedactOptions.builder();
        String keyProperty = null;
        String keyEnvironment = null;
        for (String option : options) {
            String text = option.trim();
            if (text.isEmpty()) {
                continue;
            }
            int equals = text.indexOf('=');
            if (equals < 0) {
                throw new IllegalArgumentException("option '" + text + "' is not name=value");
            }
            String name = text.substring(0, equals).trim();
            String value = text.substring(equals + 1).trim();
            switch (name) {
            case "redaction":
                b.redaction(word(Redaction.values(), name, value));
                break;
            case "maskFirst":
                b.maskFirst(integer(name, value));
                break;
            case "maskLast":
                b.maskLast(integer(name, value));
                break;
            case "label":
                b.label(value);
                break;
            case "minConfidence":
                b.minConfidence(word(Confidence.values(), name, value));
                break;
            case "fifteenDigits":
                if (!value.equals("true") && !value.equals("false")) {
                    throw new IllegalArgumentException("fifteenDigits: must be true or false, not " + value);
                }
                b.fifteenDigits(Boolean.parseBoolean(value));
                break;
            case "tokenAlphabet":
                b.tokenAlphabet(word(TokenAlphabet.values(), name, value));
                break;
            case "tokenLength":
                b.tokenLength(integer(name, value));
                break;
            case "keep":
                b.keep(keep(value));
                break;
            case "keyProperty":
                keyProperty = value;
                break;
            case "keyEnv":
                keyEnvironment = value;
                break;
            case "key":
                throw new IllegalArgumentException("key: a key is never written in a pattern, which configuration"
                    + " files and their copies show; name a system property (keyProperty=NAME) or an environment"
                    + " variable (keyEnv=NAME) that holds it");
            default:
                throw new IllegalArgumentException("unknown option '" + name + "' (options: redaction, maskFirst,"
                    + " maskLast, label, minConfidence, fifteenDigits, tokenAlphabet, tokenLength, keep, keyProperty,"
                    + " keyEnv)");
            }
        }
        String where;
        String key;
        if (keyProperty != null || keyEnvironment != null) {
            key = keyProperty != null ? properties.apply(keyProperty) : null;
            if (key == null && keyEnvironment != null) {
                key = environment.apply(keyEnvironment);
            }
            where = (keyProperty != null ? "the system property " + keyProperty : "")
                + (keyProperty != null && keyEnvironment != null ? " or " : "")
                + (keyEnvironment != null ? "the environment variable " + keyEnvironment : "");
        } else {
            key = properties.apply(KEY_PROPERTY);
            if (key == null) {
                key = environment.apply(KEY_ENVIRONMENT);
            }
            where = "the system property " + KEY_PROPERTY + " or the environment variable " + KEY_ENVIRONMENT;
        }
        if (key != null) {
            b.key(keyBytes(key, where));
        }
        RedactOptions built = b.build();
        Redaction way = built.getRedaction();
        if (key == null && (way == Redaction.TOKEN || way == Redaction.PSEUDONYM)) {
            throw new IllegalArgumentException("key: " + way + " needs a key of at least 16 bytes, and " + where
                + " holds none");
        }
        return built;
    }

    /** A key's bytes: the UTF-8 of its text, or with the prefix base64: the bytes its base64 gives. */
    static byte[] keyBytes(String text, String where) {
        if (!text.startsWith(BASE64_PREFIX)) {
            return text.getBytes(StandardCharsets.UTF_8);
        }
        try {
            return Base64.getDecoder().decode(text.substring(BASE64_PREFIX.length()).trim());
        } catch (IllegalArgumentException e) {
            throw new IllegalArgumentException("key: " + where + " starts with " + BASE64_PREFIX
                + " but what follows is no base64 (" + e.getMessage() + ")");
        }
    }

    private static <E> E word(E[] values, String name, String value) {
        StringBuilder words = new StringBuilder();
        for (E constant : values) {
            if (constant.toString().equals(value.toLowerCase(Locale.ROOT))) {
                return constant;
            }
            words.append(words.length() == 0 ? "" : ", ").append(constant);
        }
        throw new IllegalArgumentException(name + ": must be one of " + words + ", not " + value);
    }

    private static int integer(String name, String value) {
        try {
            return Integer.parseInt(value);
        } catch (NumberFormatException e) {
            throw new IllegalArgumentException(name + ": must be a whole number, not " + value);
        }
    }

    /** "region+birth_year+sex", any of them joined by +, or "none". */
    private static Set<Keep> keep(String value) {
        Set<Keep> keep = EnumSet.noneOf(Keep.class);
        if (value.equals("none")) {
            return keep;
        }
        for (String word : value.split("\\+")) {
            keep.add(word(Keep.values(), "keep", word.trim()));
        }
        return keep;
    }
}
