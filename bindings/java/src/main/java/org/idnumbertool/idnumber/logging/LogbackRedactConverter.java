package org.idnumbertool.idnumber.logging;

import ch.qos.logback.classic.pattern.ThrowableHandlingConverter;
import ch.qos.logback.classic.spi.ILoggingEvent;
import ch.qos.logback.core.pattern.CompositeConverter;
import ch.qos.logback.core.pattern.Converter;
import java.util.Collections;
import java.util.List;

/**
 * logback's conversion word for redacted text: {@code %idnRedact(%msg)}
 * writes what the pattern inside writes with every identity number
 * replaced, by the way and options after it:
 *
 * <pre>{@code
 * <conversionRule conversionWord="idnRedact"
 *                 converterClass="org.idnumbertool.idnumber.logging.LogbackRedactConverter"/>
 * <pattern>%nopex%d %-5level %logger - %idnRedact(%msg%n%ex){redaction=token, keyEnv=LOG_KEY}</pattern>
 * }</pre>
 *
 * <p>logback writes an event's exception after the whole pattern, outside
 * any conversion word, unless the pattern handles it: so put {@code %ex}
 * inside and {@code %nopex} in the pattern, or the exception's text (which
 * may hold numbers) is written as it is. ({@code %nopex} at the start:
 * logback 1.2 writes it as text right after a composite's closing
 * parenthesis.) The converter warns at start when its
 * pattern holds no {@code %ex}. Options are docs/java.md's; refused ones are
 * reported to logback's status and every number is then written as a label.
 */
public class LogbackRedactConverter extends CompositeConverter<ILoggingEvent> {
    private volatile PatternRedaction redaction;

    @Override
    public void start() {
        List<String> options = getOptionList();
        redaction = PatternRedaction.of(options == null ? Collections.<String>emptyList() : options, this::addError);
        if (!handlesThrowable(getChildConverter())) {
            addWarn("idnRedact: its pattern holds no %ex, so logback writes an event's exception after the pattern,"
                + " not redacted: write %nopex ... %idnRedact(%msg%n%ex)");
        }
        super.start();
    }

    private static boolean handlesThrowable(Converter<ILoggingEvent> head) {
        for (Converter<ILoggingEvent> c = head; c != null; c = c.getNext()) {
            if (c instanceof ThrowableHandlingConverter) {
                return true;
            }
            if (c instanceof CompositeConverter && handlesThrowable(((CompositeConverter<ILoggingEvent>) c)
                .getChildConverter())) {
                return true;
            }
        }
        return false;
    }

    @Override
    protected String transform(ILoggingEvent event, String in) {
        PatternRedaction r = redaction;
        if (r == null) {
            // Used before start, as a layout built by hand may: the default options.
            redaction = r = PatternRedaction.of(Collections.<String>emptyList(), this::addError);
        }
        return r.redact(in);
    }
}
