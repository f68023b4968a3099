package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Arrays;
import java.util.List;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The converters as a service has them: the packaged jar, JNA's and the
 * logging library's own jars alone on a fresh JVM's class path, the
 * configuration named the usual way (-Dlogback.configurationFile,
 * -Dlog4j2.configurationFile), logging through SLF4J and Log4j's API. Log4j
 * finds %idnRedact by the plugin cache the jar carries.
 */
@Tag("packaged-jar")
class LoggingJarTest {
    private static final String PLUGIN_CACHE = "META-INF/org/apache/logging/log4j/core/config/plugins/Log4j2Plugins.dat";
    private static final String LINE = "客户 11010519491231002X 已登记";
    private static final String MASKED = "客户 110105********002X 已登记";

    @Test
    void theJarCarriesLog4jsPluginCache() throws Exception {
        try (JarFile jar = new JarFile(PackagedJarTest.jar().toFile())) {
            JarEntry entry = jar.getJarEntry(PLUGIN_CACHE);
            assertNotNull(entry, PLUGIN_CACHE);
            try (InputStream in = jar.getInputStream(entry)) {
                String cache = new String(PackagedJarTest.readAll(in), StandardCharsets.ISO_8859_1);
                assertTrue(cache.contains("org.idnumbertool.idnumber.logging.Log4jRedactConverter")
                    && cache.contains("idnredactpatternconverter"), cache);
            }
        }
    }

    @Test
    void logbackRedactsThroughSlf4j(@TempDir Path folder) throws Exception {
        Path log = folder.resolve("out.log");
        Path config = folder.resolve("logback.xml");
        Files.write(config, Arrays.asList("<configuration>",
            "  <conversionRule conversionWord=\"idnRedact\""
                + " converterClass=\"org.idnumbertool.idnumber.logging.LogbackRedactConverter\"/>",
            "  <appender name=\"FILE\" class=\"ch.qos.logback.core.FileAppender\">",
            "    <file>" + log + "</file>",
            "    <encoder><pattern>%nopex%level %idnRedact(%msg%n%ex)</pattern></encoder>",
            "  </appender>",
            "  <root level=\"INFO\"><appender-ref ref=\"FILE\"/></root>",
            "</configuration>"), StandardCharsets.UTF_8);
        ChildJvm.run(Arrays.asList("-Dlogback.configurationFile=" + config, "-Djna.tmpdir=" + folder),
            ChildJvm.classPath(PackagedJarTest.jar(), ChildJvm.jna(), ChildJvm.tests(),
                               ChildJvm.location(org.slf4j.LoggerFactory.class),
                               ChildJvm.location(ch.qos.logback.classic.Logger.class),
                               ChildJvm.location(ch.qos.logback.core.Appender.class)),
            ThroughSlf4j.class);
        List<String> lines = Files.readAllLines(log, StandardCharsets.UTF_8);
        assertEquals("INFO " + MASKED, lines.get(0));
        assertEquals("ERROR " + MASKED, lines.get(1));
        assertEquals("java.lang.IllegalStateException: " + MASKED, lines.get(2));
        assertTrue(!String.join("\n", lines).contains("11010519491231002X"), lines.toString());
    }

    @Test
    void log4jRedactsThroughItsApi(@TempDir Path folder) throws Exception {
        Path log = folder.resolve("out.log");
        Path config = folder.resolve("log4j2.xml");
        Files.write(config, Arrays.asList("<Configuration status=\"warn\">",
            "  <Appenders><File name=\"FILE\" fileName=\"" + log + "\">",
            "    <PatternLayout pattern=\"%level %idnRedact{%msg%n%ex}\"/>",
            "  </File></Appenders>",
            "  <Loggers><Root level=\"info\"><AppenderRef ref=\"FILE\"/></Root></Loggers>",
            "</Configuration>"), StandardCharsets.UTF_8);
        String output = ChildJvm.run(Arrays.asList("-Dlog4j2.configurationFile=" + config, "-Djna.tmpdir=" + folder),
            ChildJvm.classPath(PackagedJarTest.jar(), ChildJvm.jna(), ChildJvm.tests(),
                               ChildJvm.location(org.apache.logging.log4j.LogManager.class),
                               ChildJvm.location(org.apache.logging.log4j.core.LoggerContext.class)),
            ThroughLog4j.class);
        assertTrue(!output.contains("idnRedact"), "no error or unknown converter: " + output);
        List<String> lines = Files.readAllLines(log, StandardCharsets.UTF_8);
        assertEquals("INFO " + MASKED, lines.get(0));
        assertEquals("ERROR " + MASKED, lines.get(1));
        assertEquals("java.lang.IllegalStateException: " + MASKED, lines.get(2));
        assertTrue(!String.join("\n", lines).contains("11010519491231002X"), lines.toString());
    }

    /** The child for logback: a service logging through SLF4J. */
    public static final class ThroughSlf4j {
        public static void main(String[] arguments) {
            org.slf4j.Logger logger = org.slf4j.LoggerFactory.getLogger(ThroughSlf4j.class);
            logger.info(LINE);
            logger.error(LINE, new IllegalStateException(LINE));
        }
    }

    /** The child for Log4j 2: a service logging through its API. */
    public static final class ThroughLog4j {
        public static void main(String[] arguments) {
            org.apache.logging.log4j.Logger logger = org.apache.logging.log4j.LogManager.getLogger(ThroughLog4j.class);
            logger.info(LINE);
            logger.error(LINE, new IllegalStateException(LINE));
            org.apache.logging.log4j.LogManager.shutdown();
        }
    }
}
