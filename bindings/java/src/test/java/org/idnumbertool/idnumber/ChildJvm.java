package org.idnumbertool.idnumber;

import java.io.File;
import java.io.IOException;
import java.net.URISyntaxException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.concurrent.TimeUnit;

/** A fresh JVM of the running JDK, for tests of what a whole process sees: memory, class loaders, files. */
final class ChildJvm {
    private ChildJvm() {
    }

    /** Where a class was loaded from: a jar, or a folder of classes. */
    static Path location(Class<?> type) {
        try {
            return Paths.get(type.getProtectionDomain().getCodeSource().getLocation().toURI());
        } catch (URISyntaxException e) {
            throw new IllegalStateException(e);
        }
    }

    /** JNA's jar, the library's classes (the jar or target/classes), and the tests' classes. */
    static Path jna() {
        return location(com.sun.jna.Native.class);
    }

    static Path tests() {
        return location(ChildJvm.class);
    }

    static String classPath(Path... entries) {
        List<String> paths = new ArrayList<>();
        for (Path entry : entries) {
            paths.add(entry.toString());
        }
        return String.join(File.pathSeparator, paths);
    }

    /** Starts java with the options and the class path, running the main class with the arguments. */
    static Process start(List<String> options, String classPath, Class<?> main, String... arguments)
        throws IOException {
        List<String> command = new ArrayList<>();
        command.add(Paths.get(System.getProperty("java.home"), "bin", "java").toString());
        // JNA loads native code: allowed, so that Java 24 and later do not warn of it (17 takes the option too).
        command.add("--enable-native-access=ALL-UNNAMED");
        command.addAll(options);
        command.add("-cp");
        command.add(classPath);
        command.add(main.getName());
        command.addAll(Arrays.asList(arguments));
        return new ProcessBuilder(command).redirectErrorStream(true).start();
    }

    /** Runs it to its end (at most five minutes) and gives what it wrote, or AssertionError when it fails. */
    static String run(List<String> options, String classPath, Class<?> main, String... arguments)
        throws IOException, InterruptedException {
        Process process = start(options, classPath, main, arguments);
        String output = new String(PackagedJarTest.readAll(process.getInputStream()), StandardCharsets.UTF_8).trim();
        if (!process.waitFor(5, TimeUnit.MINUTES)) {
            process.destroyForcibly();
            throw new AssertionError(main.getSimpleName() + " did not end: " + output);
        }
        if (process.exitValue() != 0) {
            throw new AssertionError(main.getSimpleName() + " failed (" + process.exitValue() + "): " + output);
        }
        System.out.println(main.getSimpleName() + ": " + output);
        return output;
    }
}
