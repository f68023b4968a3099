package org.idnumbertool.idnumber;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import com.sun.jna.Platform;
import java.io.File;
import java.io.IOException;
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
 * The binding against the header it translates: every constant of the
 * generated ApiConstants as capi/idnumber.h has it, every function signature
 * of CApi and CApi64, the structs' offsets and sizes as the C compilers of
 * the jar's platforms lay them out (gcc for Linux x86-64, MinGW for Windows
 * x64), the choice of the native library by JNA's resource prefix, and each
 * enum's word, held in Java so that printing one needs no native call, as the
 * library's.
 */
class BindingTest {
    private static String header;
    private static final Map<String, Long> CONSTANTS = new HashMap<>();
    private static final Map<String, String> STRINGS = new HashMap<>();
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
        Matcher text = Pattern.compile("#define (IDN_\\w+) \"([^\"]*)\"").matcher(header);
        while (text.find()) {
            STRINGS.put(text.group(1), text.group(2));
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

    /** Every constant of ApiConstants is the header's: generated from it, and stale when the header changed. */
    @Test
    void constantsAreTheHeaders() throws IllegalAccessException {
        int checked = 0;
        for (Field field : ApiConstants.class.getDeclaredFields()) {
            if (!Modifier.isStatic(field.getModifiers())) {
                continue;
            }
            field.setAccessible(true);
            Object value = field.get(null);
            if (value instanceof String) {
                assertEquals(STRINGS.get(field.getName()), value, field.getName());
            } else {
                assertEquals(CONSTANTS.get(field.getName()), (Long) ((Number) value).longValue(), field.getName());
            }
            checked++;
        }
        assertEquals(CONSTANTS.size() + STRINGS.size(), checked, "every constant of the header, and no other");
    }

    @Test
    void signaturesAreTheHeaders() throws NoSuchMethodException {
        Map<String, String> java = new HashMap<>();
        java.put("pointer", "long");
        java.put("size_t", "long");
        java.put("int64", "long");
        java.put("int32", "int");
        for (Method method : CApi.class.getDeclaredMethods()) {
            List<String> c = FUNCTIONS.get(method.getName());
            assertNotNull(c, method.getName() + " is a function of the header");
            assertEquals(expected(c, java), signature(method), method.getName());
            Method natives = CApi64.class.getDeclaredMethod(method.getName(), method.getParameterTypes());
            assertTrue(Modifier.isNative(natives.getModifiers()) && Modifier.isStatic(natives.getModifiers()),
                       "CApi64." + method.getName() + " is static native");
            assertEquals(method.getReturnType(), natives.getReturnType(), "CApi64." + method.getName());
        }
        assertEquals(CApi.class.getDeclaredMethods().length + 1, CApi64.class.getDeclaredMethods().length,
                     "CApi64: the functions and run()");
        assertEquals(Arrays.asList(Runnable.class), Arrays.asList(CApi64.class.getInterfaces()));
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

    /**
     * Each offset and size of ApiConstants' structs, checked as static
     * assertions by the C compilers of the jar's two platforms: LP64 (Linux)
     * and LLP64 (Windows) agree for these structs, which this holds.
     */
    @Test
    void layoutsAreTheCompilers(@TempDir Path folder) throws Exception {
        String[] compilers = {"gcc", "x86_64-w64-mingw32-gcc"};
        int checked = 0;
        for (String compiler : compilers) {
            if (!onPath(compiler)) {
                continue;
            }
            Path source = folder.resolve("layouts-" + compiler + ".c");
            Files.write(source, assertions().getBytes(StandardCharsets.UTF_8));
            String include = Paths.get(System.getProperty("idnumber.header")).getParent().toString();
            Process process = new ProcessBuilder(compiler, "-std=c11", "-fsyntax-only", "-I", include,
                                                 source.toString()).redirectErrorStream(true).start();
            String output = new String(readAll(process), StandardCharsets.UTF_8);
            assertTrue(process.waitFor(60, TimeUnit.SECONDS));
            assertEquals(0, process.exitValue(), compiler + ": " + output);
            checked++;
        }
        assumeTrue(checked > 0, "a C compiler on the PATH");
    }

    /** The struct of each nested class: ApiConstants.HistoryRecord is idn_history_record_t. */
    private static String assertions() throws IllegalAccessException {
        StringBuilder c = new StringBuilder("#include <stddef.h>\n#include \"idnumber.h\"\n");
        int structs = 0;
        for (Class<?> struct : ApiConstants.class.getDeclaredClasses()) {
            String cName = "idn" + struct.getSimpleName().replaceAll("([A-Z])", "_$1").toLowerCase() + "_t";
            for (Field field : struct.getDeclaredFields()) {
                field.setAccessible(true);
                String name = field.getName();
                if (name.equals("SIZE")) {
                    c.append(String.format("_Static_assert(sizeof(%s) == %d, \"%s size\");%n", cName,
                                           field.getInt(null), cName));
                } else {
                    String member = name.equals("SIZE_MEMBER") ? "size" : name.toLowerCase();
                    c.append(String.format("_Static_assert(offsetof(%s, %s) == %d, \"%s.%s\");%n", cName, member,
                                           field.getInt(null), cName, member));
                }
            }
            structs++;
        }
        assertTrue(structs >= 9, "the structs of the header: " + structs);
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

    /** JNA's resource prefix of a platform, as Platform.RESOURCE_PREFIX is made (a method JNA keeps to itself). */
    private static String prefix(int osType, String arch, String osName) throws ReflectiveOperationException {
        Method method = Platform.class.getDeclaredMethod("getNativeLibraryResourcePrefix", int.class, String.class,
                                                         String.class);
        method.setAccessible(true);
        return (String) method.invoke(null, osType, arch, osName);
    }

    /** JNA's prefixes of the platforms: the jar carries the 64-bit Linux and Windows libraries, nothing else. */
    @Test
    void theLibraryIsChosenByJnasResourcePrefix() throws ReflectiveOperationException {
        String linux = "linux-x86-64/libidnumber.so";
        String win64 = "win32-x86-64/idnumber.dll";
        assertEquals(linux, Binding.resourceFor(prefix(Platform.LINUX, "amd64", "Linux")));
        assertEquals(linux, Binding.resourceFor(prefix(Platform.LINUX, "x86_64", "Linux")));
        assertEquals(win64, Binding.resourceFor(prefix(Platform.WINDOWS, "amd64", "Windows 10")));
        assertNull(Binding.resourceFor(prefix(Platform.WINDOWS, "x86", "Windows 7")), "no 32-bit DLL");
        assertNull(Binding.resourceFor(prefix(Platform.LINUX, "i386", "Linux")));
        assertNull(Binding.resourceFor(prefix(Platform.LINUX, "aarch64", "Linux")));
        assertNull(Binding.resourceFor(prefix(Platform.WINDOWS, "aarch64", "Windows 11")));
        assertNull(Binding.resourceFor(prefix(Platform.MAC, "x86_64", "Mac OS X")));
        assertNull(Binding.resourceFor(null));
        // This process: the jar's own library for it, which the tests load.
        assertNotNull(Binding.resourceFor(Platform.RESOURCE_PREFIX));
        assertTrue(IdNumber.version().startsWith(ApiConstants.IDN_VERSION_MAJOR + "."), IdNumber.version());
    }

    /** Each word an enum gives without the library is the library's for its value. */
    @Test
    void theEnumsWordsAreTheLibrarys() {
        CApi api = Binding.api();
        for (Sex sex : Sex.values()) {
            assertEquals(Binding.text(api.idn_sex_name(sex.code())), sex.toString(), sex.name());
        }
        for (Reason reason : Reason.values()) {
            assertEquals(Binding.text(api.idn_reason_name(reason.code())), reason.toString(), reason.name());
        }
        for (Kind kind : Kind.values()) {
            assertEquals(Binding.text(api.idn_kind_name(kind.code())), kind.toString(), kind.name());
        }
        for (Hint hint : Hint.values()) {
            assertEquals(Binding.text(api.idn_hint_name(hint.code())), hint.toString(), hint.name());
        }
        for (CodeStatus status : CodeStatus.values()) {
            assertEquals(Binding.text(api.idn_code_status_name(status.code())), status.toString(), status.name());
        }
        for (Confidence confidence : Confidence.values()) {
            assertEquals(Binding.text(api.idn_confidence_name(confidence.code())), confidence.toString());
        }
        for (Form form : Form.values()) {
            assertEquals(Binding.text(api.idn_form_name(form.flag())), form.toString(), form.name());
        }
        for (Flaw flaw : Flaw.values()) {
            assertEquals(Binding.text(api.idn_flaw_name(flaw.code())), flaw.toString(), flaw.name());
        }
        for (Redaction redaction : Redaction.values()) {
            assertEquals(Binding.text(api.idn_redaction_name(redaction.code())), redaction.toString());
        }
        // Every value the library names has its constant: none is missing from an enum.
        assertEquals(null, Binding.text(api.idn_reason_name(Reason.values().length + 1)));
        assertEquals(null, Binding.text(api.idn_hint_name(Hint.values().length + 1)));
        assertEquals(null, Binding.text(api.idn_kind_name(Kind.values().length + 1)));
        assertEquals(null, Binding.text(api.idn_code_status_name(CodeStatus.values().length)));
        assertEquals(null, Binding.text(api.idn_confidence_name(Confidence.values().length + 1)));
        assertEquals(null, Binding.text(api.idn_form_name(1 << Form.values().length)));
        assertEquals(null, Binding.text(api.idn_flaw_name(Flaw.values().length + 1)));
        assertEquals(null, Binding.text(api.idn_redaction_name(Redaction.values().length)));
        // The words of the options a scan takes, as the corpus and the C API's messages write them.
        assertEquals("[hex, base32]", Arrays.toString(TokenAlphabet.values()));
        assertEquals("[region, birth_year, sex]", Arrays.toString(Keep.values()));
        assertEquals("[utf8, gbk, auto]", Arrays.toString(ScanEncoding.values()));
    }
}
