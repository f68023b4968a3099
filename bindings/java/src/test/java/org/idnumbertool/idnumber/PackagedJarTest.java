package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.Method;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Enumeration;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import java.util.concurrent.TimeUnit;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The jar as a user gets it (run after packaging): what it holds, the native
 * libraries being the very files the CMake presets built, and the jar alone
 * with JNA's in an empty folder, in a fresh JVM of each JDK at hand.
 */
@Tag("packaged-jar")
class PackagedJarTest {
    private static final String PACKAGE = "org/idnumbertool/idnumber/";
    private static final String LINUX = "linux-x86-64/libidnumber.so";
    private static final String WIN64 = "win32-x86-64/idnumber.dll";

    static Path jar() {
        Path jar = Paths.get(System.getProperty("idnumber.jar", ""));
        assumeTrue(Files.isRegularFile(jar), "the jar at the system property idnumber.jar");
        return jar;
    }

    private static Map<String, byte[]> entries() throws IOException {
        Map<String, byte[]> entries = new TreeMap<>();
        try (JarFile file = new JarFile(jar().toFile())) {
            Enumeration<JarEntry> all = file.entries();
            while (all.hasMoreElements()) {
                JarEntry entry = all.nextElement();
                if (!entry.isDirectory()) {
                    try (InputStream in = file.getInputStream(entry)) {
                        entries.put(entry.getName(), readAll(in));
                    }
                }
            }
        }
        return entries;
    }

    @Test
    void theJarHoldsTheClassesForJava8AndTheTwoLibraries() throws IOException {
        Map<String, byte[]> entries = entries();
        for (Map.Entry<String, byte[]> entry : entries.entrySet()) {
            String name = entry.getKey();
            if (name.endsWith(".class")) {
                assertTrue(name.startsWith(PACKAGE), name);
                ByteBuffer header = ByteBuffer.wrap(entry.getValue());
                assertEquals(0xCAFEBABE, header.getInt(0));
                assertEquals(52, header.getShort(6), name + " is Java 8 bytecode");
            } else {
                assertTrue(name.startsWith("META-INF/") || Arrays.asList(LINUX, WIN64).contains(name),
                           "nothing else in the jar: " + name);
            }
        }
        assertTrue(entries.containsKey(PACKAGE + "IdNumber.class"));
        assertTrue(entries.containsKey(PACKAGE + "SqlFunctions.class"));
        assertTrue(!entries.keySet().toString().contains("Test"), "no test classes");
        String manifest = new String(entries.get("META-INF/MANIFEST.MF"), StandardCharsets.UTF_8);
        assertTrue(manifest.contains("Automatic-Module-Name: org.idnumbertool.idnumber"), manifest);
    }

    @Test
    void theLibrariesAreTheFilesThePresetsBuilt() throws IOException {
        Map<String, byte[]> entries = entries();
        Path build = Paths.get(System.getProperty("idnumber.build", ""));
        assumeTrue(Files.isDirectory(build), "the build folder at the system property idnumber.build");
        assertArrayEquals(Files.readAllBytes(build.resolve("release/capi/libidnumber.so")), entries.get(LINUX));
        assertArrayEquals(Files.readAllBytes(build.resolve("win64/idnumber.dll")), entries.get(WIN64));
        assertTrue(!entries.containsKey("win32-x86/idnumber.dll"), "no 32-bit DLL: the jar serves 64-bit JVMs");

        ByteBuffer elf = ByteBuffer.wrap(entries.get(LINUX)).order(ByteOrder.LITTLE_ENDIAN);
        assertEquals(0x464C457F, elf.getInt(0), "an ELF file");
        assertEquals(2, elf.get(4), "64-bit");
        assertEquals(3, elf.getShort(16), "a shared object");
        assertEquals(62, elf.getShort(18), "x86-64");
        checkPe(entries.get(WIN64), 0x8664, 0x20B);
        for (byte[] library : Arrays.asList(entries.get(LINUX), entries.get(WIN64))) {
            for (Method function : CApi.class.getDeclaredMethods()) {
                assertTrue(contains(library, (function.getName() + "\0").getBytes(StandardCharsets.US_ASCII)),
                           "the library names " + function.getName());
            }
        }
    }

    /** A PE DLL for the machine, with the optional header of PE32 (0x10B) or PE32+ (0x20B). */
    private static void checkPe(byte[] file, int machine, int magic) {
        ByteBuffer pe = ByteBuffer.wrap(file).order(ByteOrder.LITTLE_ENDIAN);
        assertEquals(0x5A4D, pe.getShort(0) & 0xFFFF, "MZ");
        int at = pe.getInt(0x3C);
        assertEquals(0x00004550, pe.getInt(at), "PE signature");
        assertEquals(machine, pe.getShort(at + 4) & 0xFFFF, "machine");
        assertTrue((pe.getShort(at + 22) & 0x2000) != 0, "a DLL");
        assertEquals(magic, pe.getShort(at + 24) & 0xFFFF, "optional header");
    }

    private static boolean contains(byte[] haystack, byte[] needle) {
        outer:
        for (int i = 0; i + needle.length <= haystack.length; i++) {
            for (int j = 0; j < needle.length; j++) {
                if (haystack[i + j] != needle[j]) {
                    continue outer;
                }
            }
            return true;
        }
        return false;
    }

    /** The jar and JNA's, alone in an empty folder, in a fresh JVM of this JDK and each other one named. */
    @Test
    void theJarAloneInAnEmptyFolder(@TempDir Path folder) throws Exception {
        Path jar = jar();
        Path jna = Paths.get(com.sun.jna.Native.class.getProtectionDomain().getCodeSource().getLocation().toURI());
        Files.copy(jar, folder.resolve("idnumber.jar"));
        Files.copy(jna, folder.resolve("jna.jar"));
        try (InputStream source = PackagedJarTest.class.getResourceAsStream("/EmptyFolderCheck.java")) {
            Files.write(folder.resolve("EmptyFolderCheck.java"), readAll(source));
        }
        Files.createDirectory(folder.resolve("tmp"));
        List<String> javas = new ArrayList<>();
        javas.add(Paths.get(System.getProperty("java.home"), "bin", "java").toString());
        for (String other : System.getProperty("idnumber.javas", "").split(File.pathSeparator)) {
            if (!other.isEmpty()) {
                javas.add(other);
            }
        }
        List<String> expected = Arrays.asList("verify true 1949-12-31 true", "batch 1",
            "generate [11010519491001805X, 110105194910016900]", "sql true true", "version " + IdNumber.version());
        for (String java : javas) {
            ProcessBuilder builder = new ProcessBuilder(java, "-Djava.io.tmpdir=" + folder.resolve("tmp"),
                                                        "-Djna.tmpdir=" + folder.resolve("tmp"), "-cp",
                                                        "idnumber.jar" + File.pathSeparator + "jna.jar",
                                                        "EmptyFolderCheck.java");
            builder.directory(folder.toFile());
            builder.environment().keySet().retainAll(Arrays.asList("PATH", "HOME", "LANG"));
            builder.redirectError(folder.resolve("stderr").toFile());
            Process process = builder.start();
            String output = new String(readAll(process.getInputStream()), StandardCharsets.UTF_8);
            assertTrue(process.waitFor(2, TimeUnit.MINUTES), java);
            String errors = new String(Files.readAllBytes(folder.resolve("stderr")), StandardCharsets.UTF_8);
            assertEquals(0, process.exitValue(), java + ": " + output + errors);
            assertEquals(expected, Arrays.asList(output.trim().split("\\R")), java + ": " + errors);
            assertTrue(errors.contains("EmptyFolderCheck ran on Java "), errors);
            System.out.println(errors.substring(errors.indexOf("EmptyFolderCheck ran on Java ")).trim());
        }
    }

    /** -Didnumber.library names a library to load instead of the jar's own; one that is not there is said so. */
    @Test
    void theLibraryPropertyNamesAnother(@TempDir Path folder) throws Exception {
        Path jar = jar();
        Path jna = Paths.get(com.sun.jna.Native.class.getProtectionDomain().getCodeSource().getLocation().toURI());
        Path build = Paths.get(System.getProperty("idnumber.build", ""));
        assumeTrue(Files.isDirectory(build), "the build folder at the system property idnumber.build");
        Path library = build.resolve("release/capi/libidnumber.so").toRealPath();
        try (InputStream source = PackagedJarTest.class.getResourceAsStream("/EmptyFolderCheck.java")) {
            Files.write(folder.resolve("EmptyFolderCheck.java"), readAll(source));
        }
        String java = Paths.get(System.getProperty("java.home"), "bin", "java").toString();
        String classPath = jar + File.pathSeparator + jna;
        Process named = new ProcessBuilder(java, "-Didnumber.library=" + library, "-cp", classPath,
                                           "EmptyFolderCheck.java").directory(folder.toFile())
            .redirectError(folder.resolve("named.err").toFile()).start();
        String output = new String(readAll(named.getInputStream()), StandardCharsets.UTF_8);
        assertTrue(named.waitFor(2, TimeUnit.MINUTES));
        assertEquals(0, named.exitValue(), output);
        assertTrue(output.contains("version " + IdNumber.version()), output);

        Process missing = new ProcessBuilder(java, "-Didnumber.library=" + folder.resolve("none.so"), "-cp",
                                             classPath, "EmptyFolderCheck.java").directory(folder.toFile())
            .redirectErrorStream(true).start();
        String refused = new String(readAll(missing.getInputStream()), StandardCharsets.UTF_8);
        assertTrue(missing.waitFor(2, TimeUnit.MINUTES));
        assertTrue(missing.exitValue() != 0);
        assertTrue(refused.contains("UnsatisfiedLinkError: idnumber: the native library could not be loaded"),
                   refused);
    }

    static byte[] readAll(InputStream in) throws IOException {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        byte[] buffer = new byte[65536];
        int n;
        while ((n = in.read(buffer)) > 0) {
            out.write(buffer, 0, n);
        }
        return out.toByteArray();
    }
}
