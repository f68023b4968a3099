package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.NativeLibrary;
import com.sun.jna.Pointer;
import java.io.File;
import java.util.Locale;

/**
 * The native library, loaded once on first use: the one this jar carries for
 * the running platform (by os.name and os.arch, under JNA's resource
 * prefixes), or the file the system property {@code idnumber.library} names.
 * A failure to load is kept and thrown again, as an UnsatisfiedLinkError
 * that says why, by every call that needs the library.
 */
final class Binding {
    /** The system property naming a libidnumber to load instead of the jar's own. */
    static final String LIBRARY_PROPERTY = "idnumber.library";

    private static final CApi API;
    private static final Layouts LAYOUTS;
    private static final Throwable FAILURE;

    static {
        CApi api = null;
        Layouts layouts = null;
        Throwable failure = null;
        try {
            api = load();
            layouts = new Layouts(Native.POINTER_SIZE);
        } catch (Throwable t) {
            api = null;
            failure = t;
        }
        API = api;
        LAYOUTS = layouts;
        FAILURE = failure;
    }

    private Binding() {
    }

    static CApi api() {
        if (API == null) {
            throw failure();
        }
        return API;
    }

    static Layouts layouts() {
        if (LAYOUTS == null) {
            throw failure();
        }
        return LAYOUTS;
    }

    private static UnsatisfiedLinkError failure() {
        UnsatisfiedLinkError error = new UnsatisfiedLinkError(
            "idnumber: the native library could not be loaded: " + FAILURE.getMessage());
        error.initCause(FAILURE);
        return error;
    }

    /**
     * The resource holding the native library for a platform, or null when
     * the jar carries none for it: Linux on x86-64, Windows on x86-64 and x86.
     */
    static String resourceFor(String osName, String osArch) {
        String os = osName == null ? "" : osName.toLowerCase(Locale.ROOT);
        String arch = osArch == null ? "" : osArch.toLowerCase(Locale.ROOT);
        boolean x64 = arch.equals("amd64") || arch.equals("x86_64") || arch.equals("x86-64");
        boolean x86 = arch.equals("x86") || arch.equals("i386") || arch.equals("i486") || arch.equals("i586")
            || arch.equals("i686");
        if (os.startsWith("linux") && x64) {
            return "linux-x86-64/libidnumber.so";
        }
        if (os.startsWith("windows") && x64) {
            return "win32-x86-64/idnumber.dll";
        }
        if (os.startsWith("windows") && x86) {
            return "win32-x86/idnumber.dll";
        }
        return null;
    }

    private static CApi load() throws Exception {
        String path = System.getProperty(LIBRARY_PROPERTY, "");
        if (path.isEmpty()) {
            String osName = System.getProperty("os.name");
            String osArch = System.getProperty("os.arch");
            String resource = resourceFor(osName, osArch);
            if (resource == null) {
                throw new UnsatisfiedLinkError("this jar carries libidnumber for Linux x86-64 and Windows x86 and"
                    + " x64, not for " + osName + " on " + osArch + "; build the project's C library for it and"
                    + " name the file with -D" + LIBRARY_PROPERTY + "=PATH");
            }
            if (Binding.class.getResource("/" + resource) == null) {
                throw new UnsatisfiedLinkError("the jar lacks its library " + resource + " (it was built without it)");
            }
            File file = Native.extractFromResourcePath("/" + resource, Binding.class.getClassLoader());
            path = file.getAbsolutePath();
        }
        NativeLibrary library = NativeLibrary.getInstance(path);
        CApi api;
        if (Native.POINTER_SIZE == 8) {
            Native.register(CApi64.class, library);
            api = new CApi64();
        } else {
            Native.register(CApi32.Natives.class, library);
            api = new CApi32();
        }
        int version = api.idn_version_number();
        if (version / 10000 != CApi.IDN_VERSION_MAJOR) {
            throw new UnsatisfiedLinkError(path + " is version " + text(api.idn_version_string())
                + " of the C API; this jar is written for version " + CApi.IDN_VERSION_MAJOR);
        }
        return api;
    }

    /** The UTF-8 text a C API function returned a pointer to (constant data), or null for NULL. */
    static String text(long address) {
        return address == 0 ? null : new Pointer(address).getString(0, "UTF-8");
    }

    /** The status's name, such as "IDN_ERROR_BAD_SEX". */
    static String statusName(int status) {
        String name = text(api().idn_status_name(status));
        return name != null ? name : "status " + status;
    }

    /** An error for a status the call cannot give but for a fault of this binding. */
    static IllegalStateException unexpected(String function, int status) {
        return new IllegalStateException("idnumber: " + function + " answered " + statusName(status));
    }
}
