package org.idnumbertool.idnumber.logging;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import org.idnumbertool.idnumber.Confidence;
import org.idnumbertool.idnumber.IdNumber;
import org.idnumbertool.idnumber.Keep;
import org.idnumbertool.idnumber.RedactOptions;
import org.idnumbertool.idnumber.Redaction;
import org.junit.jupiter.api.Test;

/** The options of a converter's pattern, where its key is read from, and what it writes when they are wrong. */
class PatternRedactionTest {
    private static final String KEY = "a key of the test, 32 bytes long";
    private final Map<String, String> properties = new HashMap<>();
    private final Map<String, String> environment = new HashMap<>();
    private final List<String> errors = new ArrayList<>();

    private RedactOptions options(String... options) {
        return PatternRedaction.options(Arrays.asList(options), properties::get, environment::get);
    }

    private PatternRedaction redaction(String... options) {
        return PatternRedaction.of(Arrays.asList(options), properties::get, environment::get, errors::add);
    }

    @Test
    void optionsAreTheBuildersInTheirWords() {
        environment.put("LOG_KEY", KEY);
        RedactOptions parsed = options(" redaction = PSEUDONYM", "keep=region+sex", "minConfidence=high",
                                       "fifteenDigits=true", "keyEnv=LOG_KEY", "");
        assertEquals(RedactOptions.builder().redaction(Redaction.PSEUDONYM).keep(Keep.REGION, Keep.SEX)
            .minConfidence(Confidence.HIGH).fifteenDigits(true).key(KEY.getBytes(StandardCharsets.UTF_8)).build(),
            parsed);
        assertEquals(RedactOptions.builder().keep().build(), options("keep=none"));
        assertEquals(RedactOptions.builder().maskFirst(3).maskLast(2).label("[ID, hidden]").build(),
                     options("maskFirst=3", "maskLast=2", "label=[ID, hidden]"));
    }

    @Test
    void aKeyIsReadWhereTheOptionsSayOrWhereItIsLookedForByDefault() {
        properties.put(PatternRedaction.KEY_PROPERTY, "from the default property....");
        environment.put(PatternRedaction.KEY_ENVIRONMENT, "from the default environment..");
        properties.put("mine", "base64:" + java.util.Base64.getEncoder().encodeToString(new byte[] {0, 1, 2, 3, 4, 5, 6,
            7, 8, 9, 10, 11, 12, 13, 14, (byte) 255}));
        environment.put("MINE", "from my environment variable..");
        assertEquals(keyed("from the default property...."), options("redaction=token"));
        properties.remove(PatternRedaction.KEY_PROPERTY);
        assertEquals(keyed("from the default environment.."), options("redaction=token"));
        assertEquals(keyed("from my environment variable.."), options("redaction=token", "keyEnv=MINE"));
        // A property named first; the variable when the property is not set.
        assertEquals(RedactOptions.builder().redaction(Redaction.TOKEN).key(new byte[] {0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
            10, 11, 12, 13, 14, (byte) 255}).build(), options("redaction=token", "keyProperty=mine", "keyEnv=MINE"));
        assertEquals(keyed("from my environment variable.."),
                     options("redaction=token", "keyProperty=unset", "keyEnv=MINE"));
        assertArrayEquals(KEY.getBytes(StandardCharsets.UTF_8), PatternRedaction.keyBytes(KEY, "here"));

        IllegalArgumentException none = assertThrows(IllegalArgumentException.class,
            () -> options("redaction=pseudonym", "keyProperty=unset"));
        assertEquals("key: pseudonym needs a key of at least 16 bytes, and the system property unset holds none",
                     none.getMessage());
        properties.put("bad", "base64:not base64!");
        IllegalArgumentException bad = assertThrows(IllegalArgumentException.class,
            () -> options("redaction=token", "keyProperty=bad"));
        assertTrue(bad.getMessage().startsWith("key: the system property bad starts with base64: but what follows is"
            + " no base64"), bad.getMessage());
        IllegalArgumentException written = assertThrows(IllegalArgumentException.class,
            () -> options("redaction=token", "key=" + KEY));
        assertTrue(written.getMessage().startsWith("key: a key is never written in a pattern"), written.getMessage());
        assertTrue(!written.getMessage().contains(KEY), "the key is not repeated");
    }

    private static RedactOptions keyed(String key) {
        return RedactOptions.builder().redaction(Redaction.TOKEN).key(key.getBytes(StandardCharsets.UTF_8)).build();
    }

    @Test
    void wrongOptionsSayWhatIsWrong() {
        String[][] cases = {
            {"redaction=blur", "redaction: must be one of mask, label, token, pseudonym, not blur"},
            {"minConfidence=sure", "minConfidence: must be one of low, medium, high, not sure"},
            {"maskFirst=six", "maskFirst: must be a whole number, not six"},
            {"fifteenDigits=yes", "fifteenDigits: must be true or false, not yes"},
            {"keep=region+name", "keep: must be one of region, birth_year, sex, not name"},
            {"mask", "option 'mask' is not name=value"},
        };
        for (String[] c : cases) {
            assertEquals(c[1], assertThrows(IllegalArgumentException.class, () -> options(c[0])).getMessage(), c[0]);
        }
        assertTrue(assertThrows(IllegalArgumentException.class, () -> options("colour=red")).getMessage()
            .startsWith("unknown option 'colour' (options: redaction,"));
    }

    /** Whatever is wrong, no number is written as it is: reported once, then labels. */
    @Test
    void refusedOptionsAreReportedAndLabelsWrittenInstead() {
        String text = "客户 11010519491231002X 已登记";
        assertEquals("客户 110105********002X 已登记", redaction().redact(text), "the defaults: a mask");
        assertEquals(Collections.emptyList(), errors);

        PatternRedaction refused = redaction("maskFirst=12", "maskLast=9");
        assertEquals("客户 [身份证号] 已登记", refused.redact(text));
        assertEquals(Collections.singletonList("idnRedact: maskLast: must be 0 to 5 with maskFirst 12 (at least one"
            + " character masked), not 9; every number is written as the label [身份证号] instead"), errors);

        errors.clear();
        PatternRedaction noKey = redaction("redaction=token");
        assertEquals("客户 [身份证号] 已登记", noKey.redact(text));
        assertEquals(1, errors.size());
        assertTrue(errors.get(0).startsWith("idnRedact: key: token needs a key"), errors.get(0));
        assertEquals(IdNumber.redact(text, RedactOptions.builder().redaction(Redaction.LABEL).build()),
                     noKey.redact(text));
    }

    /** A redaction that fails withholds the message whole, and says so once, not on every line. */
    @Test
    void aFailedRedactionWithholdsTheMessage() {
        PatternRedaction mask = redaction();
        assertEquals(PatternRedaction.WITHHELD, mask.redact(null));
        assertEquals(PatternRedaction.WITHHELD, mask.redact(null));
        assertEquals(1, errors.size(), errors.toString());
        assertTrue(errors.get(0).startsWith("idnRedact: a message could not be redacted and was withheld"),
                   errors.get(0));
        assertEquals("客户 110105********002X 已登记", mask.redact("客户 11010519491231002X 已登记"), "and the next");
    }
}
