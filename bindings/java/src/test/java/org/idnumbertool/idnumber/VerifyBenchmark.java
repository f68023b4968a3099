package org.idnumbertool.idnumber;

import com.sun.jna.Memory;
import com.sun.jna.Pointer;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.time.Year;
import java.util.Arrays;
import java.util.List;

/**
 * The speed of the Java API beside a hand-written pure-Java loop that checks
 * what a Java developer would check (18 characters, the check character,
 * the date's bounds), in one JVM, on the same lines: scripts/bench-java.sh
 * runs it on 10^6 numbers. Both agree on every line before anything is
 * timed. Each run follows a full collection and a pause. Each figure is the median and the fastest of the runs, in
 * nanoseconds per text (the fastest says most on a machine others share).
 *
 * <pre>java -cp CLASSES:TEST_CLASSES:jna.jar org.idnumbertool.idnumber.VerifyBenchmark FILE [RUNS]</pre>
 */
public final class VerifyBenchmark {
    private static final int[] WEIGHTS = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    private static final char[] CHECKS = "10X98765432".toCharArray();

    private VerifyBenchmark() {
    }

    /** The floor: what a careful hand-written check does, with the library's bounds for the date. */
    static boolean floor(String s, int yearLimit) {
        if (s.length() != 18) {
            return false;
        }
        int sum = 0;
        for (int i = 0; i < 17; i++) {
            int digit = s.charAt(i) - '0';
            if (digit < 0 || digit > 9) {
                return false;
            }
            sum += digit * WEIGHTS[i];
        }
        if (s.charAt(17) != CHECKS[sum % 11]) {
            return false;
        }
        int year = (s.charAt(6) - '0') * 1000 + (s.charAt(7) - '0') * 100 + (s.charAt(8) - '0') * 10
            + (s.charAt(9) - '0');
        int month = (s.charAt(10) - '0') * 10 + (s.charAt(11) - '0');
        int day = (s.charAt(12) - '0') * 10 + (s.charAt(13) - '0');
        return year <= yearLimit && month <= 12 && day <= 31;
    }

    private interface Run {
        long run();
    }

    /** A full collection and a pause before each timed run, so that none pays for the garbage of another. */
    private static void settle() {
        System.gc();
        try {
            Thread.sleep(100);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    /** The times of the runs, fastest first, in nanoseconds per text. */
    private static double[] time(int runs, int texts, Run run) {
        double[] times = new double[runs];
        long sink = 0;
        for (int i = 0; i < runs; i++) {
            settle();
            long start = System.nanoTime();
            sink += run.run();
            times[i] = (System.nanoTime() - start) / (double) texts;
        }
        if (sink == 42) {
            System.out.print("");
        }
        Arrays.sort(times);
        return times;
    }

    public static void main(String[] arguments) throws Exception {
        List<String> lines = Files.readAllLines(Paths.get(arguments[0]), StandardCharsets.UTF_8);
        int runs = arguments.length > 1 ? Integer.parseInt(arguments[1]) : 7;
        String[] texts = lines.toArray(new String[0]);
        TextBlocks blocks = TextBlocks.of(texts);
        int n = texts.length;
        int year = Year.now().getValue();
        Verdicts check = IdNumber.verifyMany(texts, year);
        int valid = 0;
        for (int i = 0; i < n; i++) {
            if (floor(texts[i], year) != check.isValid(i) || check.isValid(i) != IdNumber.isValid(texts[i], year)) {
                throw new AssertionError("the floor and the library differ on line " + (i + 1) + ": " + texts[i]);
            }
            valid += check.isValid(i) ? 1 : 0;
        }
        String[] validTexts = new String[valid];
        for (int i = 0, k = 0; i < n; i++) {
            if (check.isValid(i)) {
                validTexts[k++] = texts[i];
            }
        }
        Method reflected = Class.forName("org.idnumbertool.idnumber.SqlFunctions").getMethod("valid", String.class);
        System.out.printf("%d lines, %d valid (%.1f%%), %d runs each, median; JVM %s %s%n", n, valid,
                          100.0 * valid / n, runs, System.getProperty("java.vm.name"),
                          System.getProperty("java.version"));

        // The batch first, each way warmed up before it is timed; then the calls of one text a call.
        for (int warm = 0; warm < 3; warm++) {
            time(1, n, () -> countFloor(texts, year));
            time(1, n, () -> IdNumber.verifyMany(texts, year).size());
            time(1, n, () -> pack(blocks));
        }
        double[] floor = time(runs, n, () -> countFloor(texts, year));
        double[] batch = time(runs, n, () -> IdNumber.verifyMany(texts, year).size());
        double[] packing = time(runs, n, () -> pack(blocks));
        double[] columns = columnsOnly(runs, texts, year);
        for (int warm = 0; warm < 2; warm++) {
            time(1, n, () -> readAll(IdNumber.verifyMany(texts, year)));
            time(1, n, () -> single(texts, year));
        }
        double[] records = time(runs, n, () -> readAll(IdNumber.verifyMany(texts, year)));
        double[] single = time(runs, n, () -> single(texts, year));
        double[] singleValid = time(runs, valid, () -> single(validTexts, year));
        double[] isValid = time(runs, n, () -> {
            long count = 0;
            for (String text : texts) {
                count += IdNumber.isValid(text, year) ? 1 : 0;
            }
            return count;
        });
        double[] sql = time(runs, n, () -> {
            long count = 0;
            try {
                for (String text : texts) {
                    count += String.valueOf(reflected.invoke(null, text)).length();
                }
            } catch (ReflectiveOperationException e) {
                throw new IllegalStateException(e);
            }
            return count;
        });

        System.out.printf("%-72s %8s %8s %8s %8s%n", "What (ns a text)", "median", "x floor", "fastest", "x floor");
        row("hand-written pure-Java loop (length, check character, date bounds)", floor, floor);
        row("verifyMany(String[]): the whole call, columns of every text", batch, floor);
        row("  of which the crossing: the strings' UTF-8 and ends into native memory", packing, floor);
        row("  of which idn_verify_columns in C, writing the columns", columns, floor);
        row("verifyMany, then get(i) of every text: a Verdict with every field", records, floor);
        row("verify(String), one call a text, every field", single, floor);
        row("verify(String), valid numbers only", singleValid, floor);
        row("isValid(String), one call a text", isValid, floor);
        row("SqlFunctions.valid through Method.invoke, as reflect() calls it", sql, floor);
    }

    private static void row(String what, double[] times, double[] floor) {
        double median = times[times.length / 2];
        double fastest = times[0];
        System.out.printf("%-72s %8.1f %8.2f %8.1f %8.2f%n", what, median, median / floor[floor.length / 2], fastest,
                          fastest / floor[0]);
    }

    private static long countFloor(String[] texts, int year) {
        long count = 0;
        for (String text : texts) {
            count += floor(text, year) ? 1 : 0;
        }
        return count;
    }

    /** What verifyMany does before its call into C: the texts (kept in blocks) into native memory. */
    private static long pack(TextBlocks texts) {
        long sum = 0;
        for (int from = 0; from < texts.size(); from += Verdicts.CHUNK) {
            try (PackedTexts packed = PackedTexts.pack(texts, from, Math.min(texts.size(), from + Verdicts.CHUNK))) {
                sum += packed.bytes();
            }
        }
        return sum;
    }

    /**
     * The call into C alone, writing the columns into native memory (where
     * Verdicts keeps them), on texts packed beforehand and not timed.
     */
    private static double[] columnsOnly(int runs, String[] texts, int year) {
        int n = Math.min(texts.length, Verdicts.CHUNK);
        double[] times = new double[runs];
        TextBlocks blocks = TextBlocks.of(texts);
        for (int run = 0; run < runs; run++) {
            settle();
            try (PackedTexts packed = PackedTexts.pack(blocks, 0, n)) {
                Memory out = new Memory(11L * n);
                long base = Pointer.nativeValue(out);
                long start = System.nanoTime();
                Binding.api().idn_verify_columns(packed.bytes(), packed.ends(), n, year, base + 8L * n,
                                                 base + 9L * n, base + 10L * n, base, base + 4L * n);
                times[run] = (System.nanoTime() - start) / (double) n;
                out.close();
            }
        }
        Arrays.sort(times);
        return times;
    }

    private static long readAll(Verdicts verdicts) {
        long sum = 0;
        for (Verdict verdict : verdicts) {
            sum += verdict.getLength() + (verdict.getProvince().isPresent() ? 1 : 0);
        }
        return sum;
    }

    private static long single(String[] texts, int year) {
        long sum = 0;
        for (String text : texts) {
            sum += IdNumber.verify(text, year).getLength();
        }
        return sum;
    }
}
