package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import java.util.concurrent.Callable;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;

/**
 * What the packaged jar says when JNA is missing, or cannot load its own
 * native library: each a fresh JVM.
 */
@Tag("packaged-jar")
class JnaErrorsTest {
    /** Without JNA on the class path, every entry point says what is missing and how to add it, every time. */
    @Test
    void withoutJnaEveryCallSaysHowToAddIt() throws Exception {
        String output = ChildJvm.run(Collections.<String>emptyList(),
            ChildJvm.classPath(PackagedJarTest.jar(), ChildJvm.tests()), EveryEntryPoint.class);
        List<String> lines = Arrays.asList(output.split("\\R"));
        assertEquals(EveryEntryPoint.CALLS * 2, lines.size(), output);
        for (String line : lines) {
            assertTrue(line.startsWith("java.lang.NoClassDefFoundError: idnumber needs JNA 5 (Java Native Access"),
                       line);
            assertTrue(line.contains("apt-get install libjna-java libjna-jni")
                && line.contains("/usr/share/java/jna.jar") && line.contains("net.java.dev.jna:jna:5.13.0"), line);
        }
    }

    /**
     * Without JNA, every enum still prints its word (no native call), and
     * both logging converters withhold each message rather than write a
     * number they cannot find.
     */
    @Test
    void withoutJnaEnumsPrintAndConvertersWithholdMessages() throws Exception {
        String output = ChildJvm.run(Collections.<String>emptyList(),
            ChildJvm.classPath(PackagedJarTest.jar(), ChildJvm.tests(), ChildJvm.location(org.slf4j.Logger.class),
                               ChildJvm.location(ch.qos.logback.classic.Logger.class),
                               ChildJvm.location(ch.qos.logback.core.Appender.class),
                               ChildJvm.location(org.apache.logging.log4j.LogManager.class),
                               ChildJvm.location(org.apache.logging.log4j.core.LoggerContext.class)),
            EnumsAndConverterWithoutJna.class);
        List<String> lines = Arrays.asList(output.split("\\R"));
        // Log4j's status logger writes its error to the same output: the lines after logback's are not fixed.
        assertTrue(lines.contains("log4j logged: [idnRedact: message withheld, the idnumber library is not loaded]"),
                   output);
        assertFalse(output.contains("11010519491231002X"), output);
        assertEquals(Arrays.asList("[男, 女]", "[length, characters, check, date]",
            "[cr_line_ends, fifteen_digits, scientific, zeroed, lowercase_x, fullwidth, spaces]",
            "[resident, hmt_permit, foreigner_card]", "[unknown, 2009, in_use, abolished]", "[low, medium, high]",
            "[fullwidth, lowercase_x, separated, fifteen_digits]", "[check, region]",
            "[mask, label, token, pseudonym]", "[hex, base32]", "[region, birth_year, sex]", "[utf8, gbk, auto]",
            "logged: [idnRedact: message withheld, the idnumber library is not loaded]"), lines.subList(0, 13));
    }

    /** The child without JNA: every enum's words, then a line logged through a converter. */
    public static final class EnumsAndConverterWithoutJna {
        public static void main(String[] arguments) throws Exception {
            for (Object[] values : new Object[][] {Sex.values(), Reason.values(), Hint.values(), Kind.values(),
                CodeStatus.values(), Confidence.values(), Form.values(), Flaw.values(), Redaction.values(),
                TokenAlphabet.values(), Keep.values(), ScanEncoding.values()}) {
                System.out.println(Arrays.toString(values));
            }
            ch.qos.logback.classic.LoggerContext context = new ch.qos.logback.classic.LoggerContext();
            java.util.Map<String, String> rules = new java.util.HashMap<>();
            rules.put("idnRedact", "org.idnumbertool.idnumber.logging.LogbackRedactConverter");
            context.putObject(ch.qos.logback.core.CoreConstants.PATTERN_RULE_REGISTRY, rules);
            ch.qos.logback.classic.encoder.PatternLayoutEncoder encoder
                = new ch.qos.logback.classic.encoder.PatternLayoutEncoder();
            encoder.setContext(context);
            encoder.setPattern("%nopex%idnRedact(%msg%ex)");
            encoder.start();
            java.io.ByteArrayOutputStream out = new java.io.ByteArrayOutputStream();
            ch.qos.logback.core.OutputStreamAppender<ch.qos.logback.classic.spi.ILoggingEvent> appender
                = new ch.qos.logback.core.OutputStreamAppender<>();
            appender.setContext(context);
            appender.setEncoder(encoder);
            appender.setOutputStream(out);
            appender.start();
            ch.qos.logback.classic.Logger logger = context.getLogger("x");
            logger.addAppender(appender);
            logger.info("客户 11010519491231002X 已登记");
            System.out.println("logged: " + out.toString("UTF-8"));

            org.apache.logging.log4j.core.pattern.LogEventPatternConverter converter
                = org.idnumbertool.idnumber.logging.Log4jRedactConverter.newInstance(null, new String[] {"%msg"});
            StringBuilder line = new StringBuilder();
            converter.format(org.apache.logging.log4j.core.impl.Log4jLogEvent.newBuilder()
                .setMessage(new org.apache.logging.log4j.message.SimpleMessage("客户 11010519491231002X 已登记"))
                .build(), line);
            System.out.println("log4j logged: " + line);
        }
    }

    /**
     * Two class loaders each holding both jars: the second's JNA cannot load
     * libjnidispatch, which the first's has (Debian's jna.jar carries no copy
     * of its own), and the error says so and what to do. With a jna jar that
     * carries one, both loaders work.
     */
    @Test
    void aSecondLoaderOfJnaSaysWhyItFails() throws Exception {
        String output = ChildJvm.run(Collections.<String>emptyList(), ChildJvm.tests().toString(), TwoLoaders.class,
                                     PackagedJarTest.jar().toString(), ChildJvm.jna().toString());
        String[] lines = output.split("\\R");
        assertEquals("loader 1: " + IdNumber.version(), lines[0]);
        if (!lines[1].equals("loader 2: " + IdNumber.version())) {
            assertTrue(lines[1].startsWith("loader 2: java.lang.UnsatisfiedLinkError: idnumber: JNA ("), lines[1]);
            assertTrue(lines[1].contains("could not load its own native library, libjnidispatch"), lines[1]);
            assertTrue(lines[1].contains("Another class loader of this JVM has loaded it, and a JVM lets one class"
                + " loader only load a native library: put jna.jar on a class path the loaders share"), lines[1]);
        }
    }

    /** The child without JNA: each entry point twice, printing what it throws. */
    public static final class EveryEntryPoint {
        static final int CALLS = 10;

        public static void main(String[] arguments) {
            List<Callable<?>> calls = new ArrayList<>();
            calls.add(() -> IdNumber.verify("11010519491231002X"));
            calls.add(() -> IdNumber.isValid("11010519491231002X"));
            calls.add(() -> IdNumber.verifyMany(new String[] {"1"}));
            calls.add(() -> IdNumber.generate(GenerateOptions.builder().region("110105").birth("19491001").build()));
            calls.add(() -> IdNumber.regions("110105"));
            calls.add(() -> IdNumber.region(110105));
            calls.add(() -> IdNumber.mask("11010519491231002X"));
            calls.add(IdNumber::version);
            calls.add(() -> SqlFunctions.valid("11010519491231002X"));
            calls.add(() -> SqlFunctions.json("11010519491231002X"));
            if (calls.size() != CALLS) {
                throw new AssertionError(calls.size() + " calls");
            }
            for (int round = 0; round < 2; round++) {
                for (Callable<?> call : calls) {
                    try {
                        call.call();
                        System.out.println("answered without JNA");
                    } catch (Throwable e) {
                        System.out.println(e);
                    }
                }
            }
        }
    }

    /** The child: two loaders of the jar and JNA's jar, each asked the library's version. */
    public static final class TwoLoaders {
        public static void main(String[] arguments) throws Exception {
            URL[] jars = {Paths.get(arguments[0]).toUri().toURL(), Paths.get(arguments[1]).toUri().toURL()};
            for (int i = 1; i <= 2; i++) {
                URLClassLoader loader = new URLClassLoader(jars, ClassLoader.getSystemClassLoader().getParent());
                try {
                    Object version = loader.loadClass("org.idnumbertool.idnumber.IdNumber").getMethod("version")
                        .invoke(null);
                    System.out.println("loader " + i + ": " + version);
                } catch (java.lang.reflect.InvocationTargetException e) {
                    System.out.println("loader " + i + ": " + e.getCause());
                }
            }
        }
    }
}
