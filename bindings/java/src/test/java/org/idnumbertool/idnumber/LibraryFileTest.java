package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.io.BufferedReader;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.attribute.FileTime;
import java.nio.file.attribute.PosixFilePermissions;
import java.util.Arrays;
import java.util.List;
import java.util.concurrent.TimeUnit;
import java.util.jar.JarFile;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The copy of the native library in JNA's temporary folder, as fresh JVMs of
 * the packaged jar leave it: JVMs killed with SIGKILL (as YARN kills an
 * executor) leave the one copy every run uses, and nothing else; a file at
 * its name that is not the jar's library, or that others may write, is
 * replaced; partial copies a killed JVM left are removed.
 */
@Tag("packaged-jar")
class LibraryFileTest {
    private static final String LINUX = "linux-x86-64/libidnumber.so";

    @Test
    void killedJvmsLeaveOnlyTheOneCopyEveryRunUses(@TempDir Path folder) throws Exception {
        assumeTrue(LINUX.equals(Binding.resourceFor(com.sun.jna.Platform.RESOURCE_PREFIX)));
        FileTime written = null;
        for (int run = 0; run < 3; run++) {
            Process process = ChildJvm.start(Arrays.asList("-Djna.tmpdir=" + folder), classPath(), Probe.class,
                                             "wait");
            BufferedReader output = new BufferedReader(new InputStreamReader(process.getInputStream(),
                                                                             StandardCharsets.UTF_8));
            assertEquals("ready", output.readLine());
            process.destroyForcibly();  // SIGKILL
            assertTrue(process.waitFor(1, TimeUnit.MINUTES));
            assertEquals(128 + 9, process.exitValue(), "killed by SIGKILL");
            Path copy = onlyCopy(folder);
            if (written != null) {
                assertEquals(written, Files.getLastModifiedTime(copy), "used as it is");
            }
            written = Files.getLastModifiedTime(copy);
        }
    }

    @Test
    void aWrongOrUnsafeFileIsReplacedAndStalePartialCopiesRemoved(@TempDir Path folder) throws Exception {
        assumeTrue(LINUX.equals(Binding.resourceFor(com.sun.jna.Platform.RESOURCE_PREFIX)));
        List<String> options = Arrays.asList("-Djna.tmpdir=" + folder);
        ChildJvm.run(options, classPath(), Probe.class);
        Path copy = onlyCopy(folder);

        Files.write(copy, "not the library".getBytes(StandardCharsets.US_ASCII));
        Path stale = folder.resolve(copy.getFileName() + ".123.tmp");
        Path fresh = folder.resolve(copy.getFileName() + ".456.tmp");
        Files.write(stale, new byte[100]);
        Files.setLastModifiedTime(stale, FileTime.fromMillis(System.currentTimeMillis() - TimeUnit.HOURS.toMillis(1)));
        Files.write(fresh, new byte[100]);
        ChildJvm.run(options, classPath(), Probe.class);
        assertArrayEquals(library(), Files.readAllBytes(copy), "the file of other bytes is replaced");
        assertFalse(Files.exists(stale), "a partial copy no JVM has written to for an hour is removed");
        assertTrue(Files.exists(fresh), "one a JVM may be writing now stays");
        Files.delete(fresh);

        Files.setPosixFilePermissions(copy, PosixFilePermissions.fromString("rw-rw-rw-"));
        FileTime before = Files.getLastModifiedTime(copy);
        Thread.sleep(20);
        ChildJvm.run(options, classPath(), Probe.class);
        assertEquals("rw-------", PosixFilePermissions.toString(Files.getPosixFilePermissions(onlyCopy(folder))),
                     "a file others may write is not loaded but replaced");
        assertTrue(Files.getLastModifiedTime(copy).compareTo(before) > 0);
    }

    /** Where the name cannot be taken (here a folder holds it), a JVM loads a copy of its own and removes it. */
    @Test
    void whereTheNameCannotBeTakenAJvmUsesACopyOfItsOwn(@TempDir Path folder) throws Exception {
        assumeTrue(LINUX.equals(Binding.resourceFor(com.sun.jna.Platform.RESOURCE_PREFIX)));
        List<String> options = Arrays.asList("-Djna.tmpdir=" + folder);
        ChildJvm.run(options, classPath(), Probe.class);
        Path copy = onlyCopy(folder);
        Files.delete(copy);
        Files.createDirectory(copy);
        Files.write(copy.resolve("something"), new byte[1]);
        ChildJvm.run(options, classPath(), Probe.class);
        try (Stream<Path> all = Files.list(folder)) {
            assertEquals(Arrays.asList(copy), all.collect(Collectors.toList()), "the own copy is gone once loaded");
        }
    }

    private static String classPath() {
        return ChildJvm.classPath(PackagedJarTest.jar(), ChildJvm.tests(), ChildJvm.jna());
    }

    /** The folder's one file: the library's copy, named by the hash of its bytes. */
    private static Path onlyCopy(Path folder) throws Exception {
        List<Path> files;
        try (Stream<Path> all = Files.list(folder)) {
            files = all.collect(Collectors.toList());
        }
        assertEquals(1, files.size(), "one file: " + files);
        Path copy = files.get(0);
        assertTrue(copy.getFileName().toString().matches("idnumber-[0-9a-f]{16}\\.so"), copy.toString());
        assertArrayEquals(library(), Files.readAllBytes(copy));
        return copy;
    }

    private static byte[] library() throws Exception {
        try (JarFile jar = new JarFile(PackagedJarTest.jar().toFile());
             InputStream in = jar.getInputStream(jar.getEntry(LINUX))) {
            return PackagedJarTest.readAll(in);
        }
    }

    /** The child: verifies a number, says "ready", and with "wait" waits to be killed. */
    public static final class Probe {
        public static void main(String[] arguments) throws Exception {
            if (!IdNumber.isValid("11010519491231002X")) {
                throw new AssertionError("the library answers");
            }
            System.out.println("ready");
            System.out.flush();
            if (arguments.length > 0 && arguments[0].equals("wait")) {
                Thread.sleep(TimeUnit.MINUTES.toMillis(2));
            }
        }
    }
}
