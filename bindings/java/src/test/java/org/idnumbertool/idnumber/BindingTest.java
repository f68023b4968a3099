package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.io.File;
import java.io.IOException;
import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodType;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/**
 * The binding against the header it translates: every constant, enum value
 * and function signature of CApi, CApi64 and CApi32 as capi/idnumber.h has
 * it; the struct layouts for 64-bit and 32-bit processes as the C compilers
 * lay them out (the 32-bit ones by MinGW, since no 32-bit JVM runs here);
 * and the choice of the native library by os.name and os.arch.
 */
class BindingTest {
    private static String header;
    private static final Map<String, Long> CONSTANTS = new HashMap<>();
    private static final Map<String, List<String>> FUNCTIONS = new HashMap<>();

    @BeforeAll
    static void readHeader() throws IOException {
        String path = System.getProperty("idnumber.header", "");
        assumeTrue(!path.isEmpty(), "the system property idnumber.header names capi/idnumber.h");
        header = new String(Files.readAllBytes(Paths.get(path)), StandardCharsets.UTF_8)
            .replaceAll("(?s)/\\*.*?\\*/", " ");
        Matcher define = Pattern.compile("#define (IDN_\\w+) \\(?(-?\\d+)\\)?\\s*$", Pattern.MULTILINE).matcher(header);
        while (define.find()) {
            CONSTANTS.put(define.group(1), Long.parseLong(define.group(2)));
        }
        Matcher enumerator = Pattern.compile("\\b(IDN_\\w+) = (-?\\d+)").matcher(header);
        while (enumerator.find()) {
            CONSTANTS.put(enumerator.group(1), Long.parseLong(enumerator.group(2)));
        }
        Matcher function = Pattern.compile("IDN_API ([^;(]*?)\\b(idn_\\w+)\\(([^)]*)\\);").matcher(header);
        while (function.find()) {
            List<String> types = new ArrayList<>();
            types.add(kind(function.group(1)));
            for (String parameter : function.group(3).split(",")) {
                if (!parameter.trim().equals("void")) {
                    types.add(kind(parameter.trim().replaceAll("\\w+$", "")));
                }
            }
            FUNCTIONS.put(function.group(2), types);
        }
    }

    /** The kind of a C type: a pointer, a size_t, a 64-bit or a 32-bit integer. */
    private static String kind(String cType) {
        String type = cType.trim();
        if (type.contains("*")) {
            return "pointer";
        }
        if (type.equals("size_t")) {
            return "size_t";
        }
        if (type.equals("int64_t") || type.equals("uint64_t")) {
            return "int64";
        }
        assertTrue(type.matches("int|int32_t|unsigned"), "a C type this test knows: " + type);
        return "int32";
    }

    @Test
    void constantsAreTheHeaders() throws IllegalAccessException {
        for (Field field : CApi.class.getFields()) {
            long value = field.getInt(null);
            if (field.getName().equals("IDN_MASK_EXTRA")) {
                Matcher mask = Pattern.compile("#define IDN_MASK_SIZE\\(length\\) \\(\\(length\\) \\+ (\\d+)\\)")
                    .matcher(header);
                assertTrue(mask.find(), "IDN_MASK_SIZE(length) as length + a constant");
                assertEquals(Long.parseLong(mask.group(1)), value, "IDN_MASK_EXTRA");
                continue;
            }
            assertEquals(CONSTANTS.get(field.getName()), (Long) value, field.getName());
        }
        String[][] enums = {{"IDN_REASON_"}, {"IDN_SEX_"}, {"IDN_KIND_"}, {"IDN_HINT_"}, {"IDN_CODE_"}};
        Enum<?>[][] values = {Reason.values(), Sex.values(), Kind.values(), Hint.values(), CodeStatus.values()};
        for (int i = 0; i < values.length; i++) {
            for (Enum<?> constant : values[i]) {
                String name = enums[i][0] + constant.name();
                int code = constant instanceof Reason ? ((Reason) constant).code()
                    : constant instanceof Sex ? ((Sex) constant).code()
                    : constant instanceof Kind ? ((Kind) constant).code()
                    : constant instanceof Hint ? ((Hint) constant).code() : ((CodeStatus) constant).code();
                assertEquals(CONSTANTS.get(name), (Long) (long) code, name);
            }
        }
    }

    @Test
    void signaturesAreTheHeaders() throws NoSuchMethodException {
        Map<String, String> java64 = new HashMap<>();
        java64.put("pointer", "long");
        java64.put("size_t", "long");
        java64.put("int64", "long");
        java64.put("int32", "int");
        Map<String, String> java32 = new HashMap<>(java64);
        java32.put("pointer", "int");
        java32.put("size_t", "int");
        for (Method method : CApi.class.getDeclaredMethods()) {
            List<String> c = FUNCTIONS.get(method.getName());
            assertNotNull(c, method.getName() + " is a function of the header");
            assertEquals(expected(c, java64), signature(method), method.getName());
            Method wide = CApi64.class.getDeclaredMethod(method.getName(), method.getParameterTypes());
            assertTrue(Modifier.isNative(wide.getModifiers()) && Modifier.isStatic(wide.getModifiers()),
                       "CApi64." + method.getName() + " is static native");
            Method narrow = null;
            for (Method candidate : CApi32.class.getDeclaredMethods()) {
                if (candidate.getName().equals(method.getName())) {
                    narrow = candidate;
                }
            }
            assertNotNull(narrow, "CApi32." + method.getName());
            assertTrue(Modifier.isNative(narrow.getModifiers()) && Modifier.isStatic(narrow.getModifiers()));
            assertEquals(expected(c, java32), signature(narrow), "CApi32." + method.getName());
        }
        for (Class<?> natives : Arrays.asList(CApi64.class, CApi32.class)) {
            assertEquals(CApi.class.getDeclaredMethods().length + 1, natives.getDeclaredMethods().length,
                         natives + ": the functions and run()");
            assertEquals(Arrays.asList(Runnable.class), Arrays.asList(natives.getInterfaces()));
        }
    }

    /**
     * The handles of a 32-bit process narrow each 64-bit value to the 32 bits
     * the function takes, as a cast does, and widen a returned pointer or
     * size as unsigned: checked on a stand-in of CApi32 (a 32-bit JVM cannot
     * run here), whose methods keep their arguments.
     */
    @Test
    void handlesNarrowAndWidenAs32BitCallsDo() throws Throwable {
        MethodHandle verify = NativeHandles.of(Narrow32.class, "idn_verify");
        assertEquals(MethodType.methodType(int.class, long.class, long.class, int.class, long.class), verify.type());
        assertEquals(7, (int) verify.invokeExact(0x1_8000_0005L, 18L, 2024, 0xFFFF_FFFFL));
        assertEquals(Arrays.asList(0x8000_0005, 18, 2024, -1), Narrow32.arguments);
        MethodHandle name = NativeHandles.of(Narrow32.class, "idn_status_name");
        assertEquals(0xFFFF_FFF0L, (long) name.invokeExact(-4), "an address above 2 GiB stays positive");
        MethodHandle count = NativeHandles.of(Narrow32.class, "idn_generator_count");
        assertEquals(-2L, (long) count.invokeExact(0L), "an int64_t is as it is");
    }

    /** Three functions as CApi32 declares them, not native: each keeps its arguments. */
    static final class Narrow32 {
        static List<Integer> arguments;

        static int idn_verify(int text, int length, int yearLimit, int verdict) {
            arguments = Arrays.asList(text, length, yearLimit, verdict);
            return 7;
        }

        static int idn_status_name(int status) {
            return status - 12;
        }

        static long idn_generator_count(int generator) {
            return -2;
        }
    }

    private static List<String> expected(List<String> cKinds, Map<String, String> java) {
        List<String> types = new ArrayList<>();
        for (String kind : cKinds) {
            types.add(java.get(kind));
        }
        return types;
    }

    private static List<String> signature(Method method) {
        List<String> types = new ArrayList<>();
        types.add(method.getReturnType().getName());
        for (Class<?> parameter : method.getParameterTypes()) {
            types.add(parameter.getName());
        }
        return types;
    }

    /** Each offset and size of Layouts for 64 and 32 bits, checked by C compilers as static assertions. */
    @Test
    void layoutsAreTheCompilers(@TempDir Path folder) throws Exception {
        String[][] compilers = {{"gcc", "8"}, {"x86_64-w64-mingw32-gcc", "8"}, {"i686-w64-mingw32-gcc", "4"}};
        int checked = 0;
        for (String[] compiler : compilers) {
            if (!onPath(compiler[0])) {
                continue;
            }
            Path source = folder.resolve("layouts-" + compiler[0] + ".c");
            String c = assertions(new Layouts(Integer.parseInt(compiler[1])));
            Files.write(source, c.getBytes(StandardCharsets.UTF_8));
            String include = Paths.get(System.getProperty("idnumber.header")).getParent().toString();
            Process process = new ProcessBuilder(compiler[0], "-std=c11", "-fsyntax-only", "-I", include,
                                                 source.toString()).redirectErrorStream(true).start();
            String output = new String(readAll(process), StandardCharsets.UTF_8);
            assertTrue(process.waitFor(60, TimeUnit.SECONDS));
            assertEquals(0, process.exitValue(), compiler[0] + ": " + output);
            checked++;
        }
        assumeTrue(checked > 0, "a C compiler on the PATH");
    }

    private static String assertions(Layouts layouts) throws IllegalAccessException {
        StringBuilder c = new StringBuilder("#include <stddef.h>\n#include \"idnumber.h\"\n");
        for (Field member : Layouts.class.getDeclaredFields()) {
            if (!Layouts.Struct.class.isAssignableFrom(member.getType())) {
                continue;
            }
            Layouts.Struct struct = (Layouts.Struct) member.get(layouts);
            c.append(String.format("_Static_assert(sizeof(%s) == %d, \"%s size\");%n", struct.cName, struct.size,
                                   struct.cName));
            for (Field field : struct.getClass().getDeclaredFields()) {
                if (field.getType() == int.class && !Modifier.isStatic(field.getModifiers())) {
                    field.setAccessible(true);
                    c.append(String.format("_Static_assert(offsetof(%s, %s) == %d, \"%s.%s\");%n", struct.cName,
                                           field.getName(), field.getInt(struct), struct.cName, field.getName()));
                }
            }
        }
        return c.toString();
    }

    private static boolean onPath(String program) {
        for (String folder : System.getenv().getOrDefault("PATH", "").split(File.pathSeparator)) {
            if (Files.isExecutable(Paths.get(folder, program))) {
                return true;
            }
        }
        return false;
    }

    private static byte[] readAll(Process process) throws IOException {
        java.io.ByteArrayOutputStream out = new java.io.ByteArrayOutputStream();
        byte[] buffer = new byte[8192];
        int n;
        while ((n = process.getInputStream().read(buffer)) > 0) {
            out.write(buffer, 0, n);
        }
        return out.toByteArray();
    }

    @Test
    void theLibraryIsChosenByOsNameAndArch() {
        String linux = "linux-x86-64/libidnumber.so";
        String win64 = "win32-x86-64/idnumber.dll";
        String win32 = "win32-x86/idnumber.dll";
        assertEquals(linux, Binding.resourceFor("Linux", "amd64"));
        assertEquals(linux, Binding.resourceFor("Linux", "x86_64"));
        assertEquals(win64, Binding.resourceFor("Windows 10", "amd64"));
        assertEquals(win64, Binding.resourceFor("Windows Server 2022", "AMD64"));
        assertEquals(win32, Binding.resourceFor("Windows 7", "x86"));
        assertEquals(win32, Binding.resourceFor("Windows XP", "i686"));
        assertEquals(win32, Binding.resourceFor("Windows 11", "i386"));
        assertNull(Binding.resourceFor("Linux", "i386"), "no 32-bit Linux library");
        assertNull(Binding.resourceFor("Linux", "aarch64"));
        assertNull(Binding.resourceFor("Windows 11", "aarch64"));
        assertNull(Binding.resourceFor("Mac OS X", "x86_64"));
        assertNull(Binding.resourceFor("FreeBSD", "amd64"));
        assertNull(Binding.resourceFor(null, null));
        // This process: the jar's own library for it, which the tests load.
        assertNotNull(Binding.resourceFor(System.getProperty("os.name"), System.getProperty("os.arch")));
        assertTrue(IdNumber.version().startsWith(CApi.IDN_VERSION_MAJOR + "."), IdNumber.version());
    }
}
