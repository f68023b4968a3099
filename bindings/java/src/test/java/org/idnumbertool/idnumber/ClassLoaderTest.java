package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.lang.ref.WeakReference;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The jar as a SQL session's ADD JAR or a web application's redeploy has it:
 * JNA on the JVM's class path, the jar loaded by 200 class loaders in turn,
 * each made the thread's context class loader, used once (one number, a
 * batch, a generation, a SQL function), closed and dropped, in a fresh JVM of
 * a 64 MB heap. Afterwards no loader may be alive (weak references, after
 * collections) and no copy of the native library mapped (/proc/self/maps).
 * Each loader kept alive held some 4 MB of heap and its own mapped copy.
 */
@Tag("packaged-jar")
class ClassLoaderTest {
    private static final int LOADERS = 200;

    @Test
    void droppedClassLoadersLeaveNothingBehind(@TempDir Path folder) throws Exception {
        assumeTrue(Files.isReadable(Paths.get("/proc/self/maps")), "Linux's /proc");
        Path jar = PackagedJarTest.jar();
        String output = ChildJvm.run(Arrays.asList("-Xmx64m", "-Djna.tmpdir=" + folder),
            ChildJvm.classPath(ChildJvm.tests(), ChildJvm.jna()), Redeploys.class, jar.toString(),
            String.valueOf(LOADERS), folder.toString());
        assertTrue(output.endsWith(LOADERS + " loaders: 0 alive, 0 mappings of the library"), output);
    }

    /** The child JVM: arguments the jar, the count of loaders, and JNA's temporary folder. */
    public static final class Redeploys {
        public static void main(String[] arguments) throws Exception {
            URL jar = Paths.get(arguments[0]).toUri().toURL();
            int count = Integer.parseInt(arguments[1]);
            String folder = Paths.get(arguments[2]).toRealPath().toString();
            List<WeakReference<ClassLoader>> loaders = new ArrayList<>();
            long mostMapped = 0;
            for (int i = 0; i < count; i++) {
                loaders.add(new WeakReference<ClassLoader>(useOnce(jar)));
                mostMapped = Math.max(mostMapped, mappings(folder));
            }
            long alive = count;
            long mapped = -1;
            for (int wait = 0; wait < 300 && (alive > 0 || mapped != 0); wait++) {
                System.gc();
                Thread.sleep(100);
                alive = loaders.stream().filter(loader -> loader.get() != null).count();
                mapped = mappings(folder);
            }
            System.out.println("at most " + mostMapped + " file(s) of the library mapped at once; " + count
                + " loaders: " + alive + " alive, " + mapped + " mappings of the library");
        }

        /** A loader of the jar, used as a SQL engine uses it, then closed. */
        private static ClassLoader useOnce(URL jar) throws Exception {
            URLClassLoader loader = new URLClassLoader(new URL[] {jar}, Redeploys.class.getClassLoader());
            Thread thread = Thread.currentThread();
            ClassLoader before = thread.getContextClassLoader();
            thread.setContextClassLoader(loader);
            try {
                Class<?> idNumber = loader.loadClass("org.idnumbertool.idnumber.IdNumber");
                Class<?> sql = loader.loadClass("org.idnumbertool.idnumber.SqlFunctions");
                check(idNumber.getMethod("isValid", String.class).invoke(null, "11010519491231002X"), true);
                Object batch = idNumber.getMethod("verifyMany", String[].class)
                    .invoke(null, (Object) new String[] {"11010519491231002X", "1"});
                check(batch.getClass().getMethod("getValidCount").invoke(batch), 1);
                check(sql.getMethod("province", String.class).invoke(null, "11010519491231002X"), "\u5317\u4eac\u5e02");
                Class<?> options = loader.loadClass("org.idnumbertool.idnumber.GenerateOptions");
                Object builder = options.getMethod("builder").invoke(null);
                builder.getClass().getMethod("region", String.class).invoke(builder, "110105");
                builder.getClass().getMethod("birth", String.class).invoke(builder, "19491001");
                Object built = builder.getClass().getMethod("build").invoke(builder);
                Object numbers = idNumber.getMethod("generate", options).invoke(null, built);
                check(numbers.getClass().getMethod("count").invoke(numbers), 1L);
            } finally {
                thread.setContextClassLoader(before);
                loader.close();
            }
            return loader;
        }

        private static void check(Object value, Object expected) {
            if (!expected.equals(value)) {
                throw new AssertionError(value + ", not " + expected);
            }
        }

        /** How many files of the folder the process maps. */
        private static long mappings(String folder) throws Exception {
            return Files.readAllLines(Paths.get("/proc/self/maps")).stream().filter(line -> line.contains(folder))
                .map(line -> line.substring(line.indexOf(folder))).distinct().count();
        }
    }
}
