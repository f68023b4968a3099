package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import ch.qos.logback.classic.LoggerContext;
import ch.qos.logback.classic.joran.JoranConfigurator;
import ch.qos.logback.core.status.Status;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.stream.Collectors;
import org.apache.logging.log4j.status.StatusData;
import org.apache.logging.log4j.status.StatusLogger;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The converters through the real logging libraries: logback and Log4j 2
 * configured by the files of the tests' resources (logback-redact.xml,
 * log4j2-redact.xml), each logger given the same messages, numbers in every
 * form among them, a message of parameters and an exception whose message
 * holds a number; the files they write read back. The token's key comes from
 * the environment (Surefire sets it, as a service's environment would), the
 * pseudonym's from a system property.
 */
class LoggingConvertersTest {
    private static final String PSEUDONYM_KEY = "idnumber.test.pseudonym.key";
    private static final String PSEUDONYM_KEY_TEXT = "the pseudonyms' key: 32 bytes..";
    /** The same bytes the pom gives as IDNUMBER_TEST_LOG_KEY, in base64. */
    private static final String TOKEN_KEY_TEXT = "the logging tests' key, 32 bytes";

    /** The messages logged, each once, and then the exception. */
    static final String[] MESSAGES = {
        "客户 11010519491231002X 已登记",
        "小写 11010519491231002x，全角 １１０１０５１９８００１０１０１８Ｘ",
        "分组 110105 19491231 002X 与 110105-19800101-018x",
        "身份证号：110103198001011235",
        "旧号 110105491231002",
        "输错 110105194912310021",
        "订单 111010519491231002X0 不是号码",
    };
    /** Then "客户 {} 已登记" of this, and the exception's message. */
    static final String PARAMETER = "11010519800101018X";
    static final String EXCEPTION = "bad id 11010519491231002X";

    /** What the default mask writes of each message, the parameter's and the exception's. */
    private static final List<String> MASKED = Arrays.asList(
        "客户 110105********002X 已登记",
        "小写 110105********002x，全角 １１０１０５＊＊＊＊＊＊＊＊０１８Ｘ",
        "分组 110105 ******** 002X 与 110105-********-018x",
        "身份证号：110103********1235",
        "旧号 110105491231002",
        "输错 110105194912310021",
        "订单 111010519491231002X0 不是号码",
        "客户 110105********018X 已登记",
        "失败");
    /** The label <ID> of every valid number and, asked for low, of the mistyped one. */
    private static final List<String> LABELLED = Arrays.asList(
        "客户 <ID> 已登记",
        "小写 <ID>，全角 <ID>",
        "分组 <ID> 与 <ID>",
        "身份证号：<ID>",
        "旧号 110105491231002",
        "输错 <ID>",
        "订单 111010519491231002X0 不是号码",
        "客户 <ID> 已登记",
        "失败");
    /** The numbers every converter but the high-only token's replaces: none of them may stand in its file. */
    private static final List<String> SECRET = Arrays.asList("11010519491231002X", "11010519491231002x",
        "１１０１０５１９８００１０１０１８Ｘ", "110105 19491231 002X", "110105-19800101-018x", "110103198001011235",
        PARAMETER);

    private String previousKey;
    private String previousLogs;

    @BeforeEach
    void setKey() {
        previousKey = System.setProperty(PSEUDONYM_KEY, PSEUDONYM_KEY_TEXT);
    }

    @AfterEach
    void restoreProperties() {
        restore(PSEUDONYM_KEY, previousKey);
        restore("idnumber.test.logs", previousLogs);
    }

    private static void restore(String name, String value) {
        if (value == null) {
            System.clearProperty(name);
        } else {
            System.setProperty(name, value);
        }
    }

    @Test
    void logbackRedactsWhatItWrites(@TempDir Path logs) throws Exception {
        LoggerContext context = new LoggerContext();
        context.putProperty("LOGS", logs.toString());
        JoranConfigurator configurator = new JoranConfigurator();
        configurator.setContext(context);
        configurator.doConfigure(LoggingConvertersTest.class.getResource("/logback-redact.xml"));
        for (String name : new String[] {"mask", "label", "token", "pseudonym", "noKey", "plainException"}) {
            org.slf4j.Logger logger = context.getLogger(name);
            for (String message : MESSAGES) {
                logger.info(message);
            }
            logger.info("客户 {} 已登记", PARAMETER);
            logger.error("失败", new IllegalStateException(EXCEPTION));
        }
        List<String> statuses = new ArrayList<>();
        for (Status status : context.getStatusManager().getCopyOfStatusList()) {
            String level = status.getLevel() == Status.ERROR ? "ERROR" : status.getLevel() == Status.WARN ? "WARN"
                : "INFO";
            statuses.add(level + " " + status.getMessage());
        }
        context.stop();

        checkFiles(logs, "INFO  mask - ", "ERROR mask - ");
        // Without %ex inside, logback writes the exception after the pattern as it is, and said so at start.
        List<String> plain = lines(logs.resolve("plain-exception.log"));
        assertTrue(plain.contains("java.lang.IllegalStateException: " + EXCEPTION), plain.toString());
        assertTrue(statuses.stream().anyMatch(s -> s.startsWith("WARN idnRedact: its pattern holds no %ex")),
                   statuses.toString());
        assertEquals(1, statuses.stream().filter(s -> s.contains("idnRedact: its pattern holds no %ex")).count(),
                     "only the pattern without %ex is warned of: " + statuses);
        assertTrue(statuses.stream().anyMatch(s -> s.startsWith("ERROR idnRedact: key: token needs a key")
            && s.contains("the system property idnumber.test.absent")), statuses.toString());
    }

    @Test
    void log4jRedactsWhatItWrites(@TempDir Path logs) throws Exception {
        previousLogs = System.setProperty("idnumber.test.logs", logs.toString());
        StatusLogger.getLogger().clear();
        org.apache.logging.log4j.core.LoggerContext context = new org.apache.logging.log4j.core.LoggerContext(
            "idnumber-test", null, LoggingConvertersTest.class.getResource("/log4j2-redact.xml").toURI());
        context.start();
        for (String name : new String[] {"mask", "label", "token", "pseudonym", "noKey", "plainException"}) {
            org.apache.logging.log4j.Logger logger = context.getLogger(name);
            for (String message : MESSAGES) {
                logger.info(message);
            }
            logger.info("客户 {} 已登记", PARAMETER);
            logger.error("失败", new IllegalStateException(EXCEPTION));
        }
        List<String> statuses = new ArrayList<>();
        for (StatusData status : StatusLogger.getLogger().getStatusData()) {
            statuses.add(status.getLevel() + " " + status.getMessage().getFormattedMessage());
        }
        context.stop();

        checkFiles(logs, "INFO  mask - ", "ERROR mask - ");
        // Without %ex inside, the converter writes the exception inside, redacted, and Log4j none after.
        List<String> plain = lines(logs.resolve("plain-exception.log"));
        assertTrue(plain.stream().anyMatch(line -> line.startsWith("plainException - 失败")
            && line.endsWith("java.lang.IllegalStateException: bad id 110105********002X")), plain.toString());
        hidesTheNumbers(plain, "plain-exception");
        assertTrue(statuses.stream().anyMatch(s -> s.startsWith("ERROR idnRedact: key: token needs a key")),
                   statuses.toString());
    }

    /** The files of the appenders of both configurations, which write the same. */
    private static void checkFiles(Path logs, String maskInfo, String maskError) throws IOException {
        List<String> mask = lines(logs.resolve("mask.log"));
        List<String> expected = new ArrayList<>();
        for (int i = 0; i < MASKED.size() - 1; i++) {
            expected.add(maskInfo + MASKED.get(i));
        }
        expected.add(maskError + MASKED.get(MASKED.size() - 1));
        assertEquals(expected, events(mask, "mask - "));
        assertTrue(exceptionLine(mask).equals("java.lang.IllegalStateException: bad id 110105********002X"),
                   mask.toString());
        hidesTheNumbers(mask, "mask");

        List<String> label = lines(logs.resolve("label.log"));
        assertEquals(prefixed("label - ", LABELLED), events(label, "label - "));
        assertEquals("java.lang.IllegalStateException: bad id <ID>", exceptionLine(label));
        hidesTheNumbers(label, "label");

        // A token of the number after the keyword only, as the library makes it with the environment's key.
        Redactor tokens = IdNumber.redactor(RedactOptions.builder().redaction(Redaction.TOKEN)
            .tokenAlphabet(TokenAlphabet.BASE32).tokenLength(20)
            .key(TOKEN_KEY_TEXT.getBytes(StandardCharsets.UTF_8)).build());
        String token = tokens.redactNumber("110103198001011235").get();
        assertTrue(token.matches("[A-Z2-7]{20}"), token);
        List<String> expectedTokens = new ArrayList<>(Arrays.asList(MESSAGES));
        expectedTokens.set(3, "身份证号：" + token);
        expectedTokens.add("客户 " + PARAMETER + " 已登记");
        expectedTokens.add("失败");
        List<String> tokenLines = lines(logs.resolve("token.log"));
        assertEquals(prefixed("token - ", expectedTokens), events(tokenLines, "token - "));
        assertEquals("java.lang.IllegalStateException: " + EXCEPTION, exceptionLine(tokenLines));

        // Pseudonyms: the library's for the system property's key, valid numbers keeping region and sex.
        Redactor pseudonyms = IdNumber.redactor(RedactOptions.builder().redaction(Redaction.PSEUDONYM)
            .keep(Keep.REGION, Keep.SEX).fifteenDigits(true)
            .key(PSEUDONYM_KEY_TEXT.getBytes(StandardCharsets.UTF_8)).build());
        List<String> expectedPseudonyms = new ArrayList<>();
        for (String message : MESSAGES) {
            expectedPseudonyms.add(pseudonyms.redact(message));
        }
        expectedPseudonyms.add(pseudonyms.redact("客户 " + PARAMETER + " 已登记"));
        expectedPseudonyms.add("失败");
        List<String> pseudonym = lines(logs.resolve("pseudonym.log"));
        assertEquals(prefixed("pseudonym - ", expectedPseudonyms), events(pseudonym, "pseudonym - "));
        hidesTheNumbers(pseudonym, "pseudonym");
        assertFalse(String.join("\n", pseudonym).contains("110105491231002"), "the 15-digit number replaced too");
        List<Match> found = IdNumber.find(expectedPseudonyms.get(0));
        assertEquals(1, found.size(), expectedPseudonyms.get(0));
        assertEquals(110105, found.get(0).getRegionCode().getAsInt(), "the region kept");
        assertEquals(Sex.FEMALE, found.get(0).getSex().get(), "the sex kept");

        // No key where the pattern looks: every number written as the label, none as it is.
        List<String> noKey = lines(logs.resolve("no-key.log"));
        assertEquals("noKey - 客户 [身份证号] 已登记", events(noKey, "noKey - ").get(0));
        hidesTheNumbers(noKey, "noKey");
    }

    private static List<String> lines(Path file) throws IOException {
        return Files.readAllLines(file, StandardCharsets.UTF_8);
    }

    /** The lines that begin an event: those holding the logger's part of the pattern. */
    private static List<String> events(List<String> lines, String logger) {
        return lines.stream().filter(line -> line.contains(logger)).collect(Collectors.toList());
    }

    private static List<String> prefixed(String prefix, List<String> messages) {
        return messages.stream().map(message -> prefix + message).collect(Collectors.toList());
    }

    private static String exceptionLine(List<String> lines) {
        return lines.stream().map(String::trim).filter(line -> line.startsWith("java.lang.IllegalStateException"))
            .findFirst().orElse("no exception in " + lines);
    }

    /** No number replaced stands in the file (the longer run of digits, which holds one, is no number). */
    private static void hidesTheNumbers(List<String> lines, String file) {
        String all = String.join("\n", lines).replace("111010519491231002X0", "");
        for (String number : SECRET) {
            assertFalse(all.contains(number), file + " holds " + number + ": " + all);
        }
    }
}
