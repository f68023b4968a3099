package org.idnumbertool.idnumber.logging;

import java.util.Arrays;
import java.util.List;
import org.apache.logging.log4j.core.LogEvent;
import org.apache.logging.log4j.core.config.Configuration;
import org.apache.logging.log4j.core.config.plugins.Plugin;
import org.apache.logging.log4j.core.layout.PatternLayout;
import org.apache.logging.log4j.core.pattern.ConverterKeys;
import org.apache.logging.log4j.core.pattern.LogEventPatternConverter;
import org.apache.logging.log4j.core.pattern.PatternConverter;
import org.apache.logging.log4j.core.pattern.PatternFormatter;
import org.apache.logging.log4j.core.pattern.PatternParser;
import org.apache.logging.log4j.status.StatusLogger;

/**
 * Log4j 2's pattern converter for redacted text: {@code %idnRedact{%msg}}
 * writes what the pattern inside writes with every identity number
 * replaced, by the options in the braces after it, one each:
 *
 * <pre>{@code
 * <PatternLayout pattern="%d %-5level %logger - %idnRedact{%msg%n%ex}{redaction=token}{keyEnv=LOG_KEY}"/>
 * }</pre>
 *
 * <p>Log4j finds it by the plugin cache in the jar (no {@code packages}
 * attribute needed). The pattern inside writes the event's exception at its
 * end when it holds no {@code %ex} of its own, so that an exception's text
 * (which may hold numbers) is redacted too and Log4j writes none after the
 * layout's pattern; a {@code %ex} outside {@code %idnRedact} would write it
 * again, as it is. Options are docs/java.md's; refused ones
 * are reported to Log4j's status logger and every number is then written as
 * a label.
 */
@Plugin(name = "IdnRedactPatternConverter", category = PatternConverter.CATEGORY)
@ConverterKeys({"idnRedact"})
public final class Log4jRedactConverter extends LogEventPatternConverter {
    private final PatternFormatter[] formatters;
    private final PatternRedaction redaction;
    private final boolean handlesThrowable;

    private Log4jRedactConverter(List<PatternFormatter> formatters, PatternRedaction redaction) {
        super("idnRedact", "idnRedact");
        this.formatters = formatters.toArray(new PatternFormatter[0]);
        this.redaction = redaction;
        boolean throwable = false;
        for (PatternFormatter formatter : formatters) {
            throwable |= formatter.handlesThrowable();
        }
        this.handlesThrowable = throwable;
    }

    /** Made by Log4j for {@code %idnRedact{PATTERN}{OPTION}...}; null, after an error, without a pattern. */
    public static Log4jRedactConverter newInstance(Configuration config, String[] options) {
        if (options == null || options.length == 0 || options[0] == null) {
            StatusLogger.getLogger().error("idnRedact: a pattern in braces is required, as in %idnRedact{%msg}");
            return null;
        }
        PatternParser parser = PatternLayout.createPatternParser(config);
        // alwaysWriteExceptions: the exception inside, redacted, when the pattern writes none itself.
        List<PatternFormatter> formatters = parser.parse(options[0], true, false, false);
        PatternRedaction redaction = PatternRedaction.of(Arrays.asList(options).subList(1, options.length),
                                                         message -> StatusLogger.getLogger().error(message));
        return new Log4jRedactConverter(formatters, redaction);
    }

    @Override
    public void format(LogEvent event, StringBuilder toAppendTo) {
        StringBuilder inner = new StringBuilder(128);
        for (PatternFormatter formatter : formatters) {
            formatter.format(event, inner);
        }
        toAppendTo.append(redaction.redact(inner.toString()));
    }

    @Override
    public boolean handlesThrowable() {
        return handlesThrowable;
    }
}
