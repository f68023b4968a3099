package org.idnumbertool.idnumber;

import java.io.BufferedReader;
import java.io.IOException;
import java.lang.invoke.MethodHandles;
import java.lang.invoke.MethodType;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;

/**
 * JNA, which the library calls its native library through, found and
 * started before anything else of it is used: else an error that says what
 * is missing and what to do. Its classes are initialised and its cleaner's
 * thread started on a detached thread ({@link DetachedCall}), so that
 * nothing of JNA's, which outlives this library, holds this library's class
 * loader.
 */
final class JnaStart {
    private static final String JNA_JARS = "on Debian, apt-get install libjna-java libjna-jni gives"
        + " /usr/share/java/jna.jar; from Maven Central, net.java.dev.jna:jna:5.13.0";

    private JnaStart() {
    }

    /**
     * JNA 5 on the class path, its own native part loaded: else an error
     * saying what is missing and how to add it. Checked before any class
     * that names JNA's types is used, so that no bare NoClassDefFoundError
     * of com/sun/jna comes first.
     */
    static void require() {
        ClassLoader loader = JnaStart.class.getClassLoader();
        Class<?> nativeClass;
        try {
            nativeClass = Class.forName("com.sun.jna.Native", false, loader);
        } catch (ClassNotFoundException | LinkageError e) {
            NoClassDefFoundError error = new NoClassDefFoundError("idnumber needs JNA 5 (Java Native Access, package"
                + " com.sun.jna), which is not on the class path: put its jar beside idnumber's (" + JNA_JARS
                + "), as in java -cp " + jarName() + ":jna.jar, or ADD JAR both in Hive or Spark SQL");
            error.initCause(e);
            throw error;
        }
        try {
            nativeClass.getMethod("load", String.class, Class.class);
        } catch (NoSuchMethodException e) {
            Package jna = nativeClass.getPackage();
            String version = jna != null && jna.getImplementationVersion() != null ? jna.getImplementationVersion()
                : "older than 5";
            NoClassDefFoundError error = new NoClassDefFoundError("idnumber needs JNA 5; the class path has JNA "
                + version + " (" + codeSource(nativeClass) + "): put JNA 5 first (" + JNA_JARS + ")");
            error.initCause(e);
            throw error;
        }
        startJnaCleaner(loader);
        try {
            // JNA's classes are initialised on a detached thread: on Linux, JNA runs ldconfig, whose reaper thread
            // would keep this thread's context class loader a while.
            DetachedCall.call(MethodHandles.publicLookup().findStatic(nativeClass, "getDefaultStringEncoding",
                                                                      MethodType.methodType(String.class)));
        } catch (LinkageError e) {
            throw dispatchFailure(e, codeSource(nativeClass));
        } catch (Exception e) {
            throw Binding.cannotLoad("JNA would not start: " + e, e);
        }
    }

    /**
     * Has JNA start its cleaner's thread, which lives as long as the process,
     * on a detached thread, unless it runs already: a thread keeps the
     * context class loader and the access control context it was started
     * in, which would hold this library's class loader. A JNA before 5.12 has
     * no such thread.
     */
    private static void startJnaCleaner(ClassLoader loader) {
        try {
            Class<?> cleaner = Class.forName("com.sun.jna.internal.Cleaner", false, loader);
            DetachedCall.call(MethodHandles.publicLookup().findStatic(cleaner, "getCleaner",
                                                                      MethodType.methodType(cleaner)));
        } catch (Exception | LinkageError e) {
            // No cleaner, or none to start here: JNA starts its own when it needs it.
        }
    }

    /** This jar's file name as a release names it, from the version in its manifest. */
    private static String jarName() {
        Package own = JnaStart.class.getPackage();
        String version = own != null ? own.getImplementationVersion() : null;
        return version != null ? "idnumber-" + version + ".jar" : "idnumber.jar";
    }

    private static String codeSource(Class<?> type) {
        try {
            return String.valueOf(type.getProtectionDomain().getCodeSource().getLocation());
        } catch (RuntimeException e) {
            return "its jar";
        }
    }

    /**
     * Why JNA's own native library, libjnidispatch, did not load, and what to
     * do. A JVM loads a native library in one class loader only: when another
     * loader's JNA has it (it is mapped in this process), this loader's JNA
     * cannot load it again, and Debian's jna.jar, which carries no copy of
     * its own, then reports it "not found in resource path".
     */
    private static UnsatisfiedLinkError dispatchFailure(LinkageError cause, String jar) {
        String why = "idnumber: JNA (" + jar + ") could not load its own native library, libjnidispatch (" + cause
            + "). ";
        Boolean mapped = dispatchMapped();
        String anotherLoader = "Another class loader of this JVM has loaded it, and a JVM lets one class loader only"
            + " load a native library: put jna.jar on a class path the loaders share (the JVM's own, such as Hive's"
            + " lib or Spark's jars folder, or a web server's shared lib folder) and only idnumber's jar in each"
            + " loader; or use Maven Central's jna jar, which carries a copy for each loader to load";
        String notInstalled = "JNA's jar carries none for this platform and the system has none: on Debian,"
            + " apt-get install libjna-jni; or use Maven Central's jna jar, which carries it";
        String what = Boolean.TRUE.equals(mapped) ? anotherLoader : Boolean.FALSE.equals(mapped) ? notInstalled
            : anotherLoader + ". Or " + notInstalled;
        UnsatisfiedLinkError error = new UnsatisfiedLinkError(why + what + ".");
        error.initCause(cause);
        return error;
    }

    /** Whether this process maps a libjnidispatch (Linux's /proc/self/maps), or null where it cannot tell. */
    private static Boolean dispatchMapped() {
        Path maps = Paths.get("/proc/self/maps");
        if (!Files.isReadable(maps)) {
            return null;
        }
        try (BufferedReader lines = Files.newBufferedReader(maps, StandardCharsets.UTF_8)) {
            for (String line = lines.readLine(); line != null; line = lines.readLine()) {
                if (line.contains("jnidispatch")) {
                    return true;
                }
            }
            return false;
        } catch (IOException | RuntimeException e) {
            return null;
        }
    }
}
