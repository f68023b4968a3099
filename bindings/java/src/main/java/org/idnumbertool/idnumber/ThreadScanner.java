package org.idnumbertool.idnumber;

import java.time.LocalDate;
import java.time.ZoneId;

/**
 * A thread's scanner, kept prepared between calls: a text scanned with the
 * options it already holds only restarts it (idn_scanner_restart), so that
 * many short texts (the rows of a column, the lines of a log) do not each
 * pay for a scanner's setup. Options given without an as-of date take
 * today's, in the JVM's default time zone: the scanner is prepared again
 * once the day has changed. One per thread, in its {@link Scratch}.
 */
final class ThreadScanner {
    private final ScannerMemory memory = new ScannerMemory();
    /** The FindOptions or RedactOptions the scanner is prepared with, or null. */
    private Object prepared;
    /** Whether they were prepared for bytes (their encoding) or for text (UTF-8). */
    private boolean preparedForBytes;
    /** When today's date, taken for an as-of date not given, stops holding; Long.MAX_VALUE when one was given. */
    private long preparedUntil;
    /** While a scan runs: a scan begun meanwhile on this thread (from a callback, say) gets a scanner of its own. */
    private boolean busy;

    /** This thread's scanner, with a stream begun with the options (a RedactOptions, or a FindOptions). */
    static ThreadScanner begin(Object options, boolean bytes) {
        ThreadScanner scanner = Scratch.get().scanner();
        if (scanner.busy) {
            scanner = new ThreadScanner();
        }
        scanner.start(options, bytes);
        scanner.busy = true;
        return scanner;
    }

    ScannerMemory memory() {
        return memory;
    }

    /** Ends the scan begun: the scanner is free for the next. */
    void end() {
        busy = false;
    }

    private void start(Object options, boolean bytes) {
        if (prepared != null && preparedForBytes == bytes && System.currentTimeMillis() < preparedUntil
            && (prepared == options || prepared.equals(options))) {
            memory.restart();
            return;
        }
        prepared = null;
        preparedUntil = prepare(memory, options, bytes);
        prepared = options;
        preparedForBytes = bytes;
    }

    /**
     * Prepares a scanner just initialised, or throws the library's refusal;
     * returns when the date taken for an as-of date not given stops holding.
     */
    static long prepare(ScannerMemory memory, Object options, boolean bytes) {
        memory.init();
        ZoneId zone = ZoneId.systemDefault();
        LocalDate today = LocalDate.now(zone);
        boolean asOfGiven;
        if (options instanceof RedactOptions) {
            RedactOptions redact = (RedactOptions) options;
            redact.applyTo(memory, today, bytes);
            asOfGiven = redact.scan.asOf != null;
        } else {
            FindOptions find = (FindOptions) options;
            find.applyTo(memory, today, bytes);
            asOfGiven = find.asOf != null;
        }
        if (memory.prepare() != ApiConstants.IDN_OK) {
            IdNumberException refusal = memory.refusal();
            memory.wipe();
            throw refusal;
        }
        return asOfGiven ? Long.MAX_VALUE : today.plusDays(1).atStartOfDay(zone).toInstant().toEpochMilli();
    }
}
