package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Arrays;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * What batches do to a process's memory outside the heap: a fresh JVM with a
 * small heap touched whole from the start (-XX:+AlwaysPreTouch), so that any
 * growth of its resident memory is native memory, runs 10^4 batches of 1,000
 * texts and 20 of 200,005 (several calls into the library each), dropping
 * every result. Batches that kept their columns in native memory until the
 * collector ran grew it by some 160 MB here.
 */
class NativeMemoryTest {
    /** The resident memory a run may gain after its warm-up (JIT code and the like), in MB. */
    private static final long GROWTH_ALLOWED_MB = 16;

    @Test
    void batchesLeaveNoNativeMemoryBehind(@TempDir Path folder) throws Exception {
        assumeTrue(Files.isReadable(Paths.get("/proc/self/status")), "Linux's /proc");
        List<String> options = Arrays.asList("-Xms64m", "-Xmx64m", "-XX:+AlwaysPreTouch", "-Djna.tmpdir=" + folder);
        String output = ChildJvm.run(options,
            ChildJvm.classPath(ChildJvm.location(IdNumber.class), ChildJvm.tests(), ChildJvm.jna()), Batches.class);
        Matcher resident = Pattern.compile("resident (\\d+) MB after the warm-up, (\\d+) MB after the batches")
            .matcher(output);
        assertTrue(resident.find(), output);
        long before = Long.parseLong(resident.group(1));
        long after = Long.parseLong(resident.group(2));
        assertTrue(after - before <= GROWTH_ALLOWED_MB, output);
    }

    /** The child: warm up, then the batches, reading VmRSS before and after. */
    public static final class Batches {
        public static void main(String[] arguments) throws Exception {
            String[] small = texts(1000);
            String[] large = texts(200005);
            long valid = 0;
            for (int i = 0; i < 1000; i++) {
                valid += IdNumber.verifyMany(small).getValidCount();
            }
            valid += IdNumber.verifyMany(large).getValidCount();
            long before = residentMegabytes();
            for (int i = 0; i < 10000; i++) {
                valid += IdNumber.verifyMany(small).getValidCount();
            }
            for (int i = 0; i < 20; i++) {
                valid += IdNumber.verifyMany(Arrays.asList(large)).getValidCount();
            }
            long after = residentMegabytes();
            if (valid != 11000L * 900 + 21L * (large.length - large.length / 10)) {
                throw new AssertionError("valid count " + valid);
            }
            System.out.println("resident " + before + " MB after the warm-up, " + after + " MB after the batches");
        }

        /** Generated numbers, every tenth text refused. */
        private static String[] texts(int count) {
            GeneratedNumbers numbers = IdNumber.generate(GenerateOptions.builder().region("110105")
                .bornFrom("19500101").bornTo("20001231").count(count).seed(1).build());
            String[] texts = new String[count];
            for (int i = 0; i < count; i++) {
                texts[i] = i % 10 == 9 ? "1" + i : numbers.get(i);
            }
            return texts;
        }

        private static long residentMegabytes() throws Exception {
            for (String line : Files.readAllLines(Paths.get("/proc/self/status"))) {
                if (line.startsWith("VmRSS:")) {
                    return Long.parseLong(line.replaceAll("[^0-9]", "")) / 1024;
                }
            }
            throw new AssertionError("no VmRSS in /proc/self/status");
        }
    }
}
