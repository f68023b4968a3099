package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.NativeLibrary;
import com.sun.jna.Pointer;
import java.io.IOException;
import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodHandles;
import java.lang.invoke.MethodType;
import java.lang.reflect.Constructor;
import java.lang.reflect.Field;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * The native library, loaded once on first use: the one this jar carries for
 * the running platform (under JNA's resource prefix for it,
 * {@code Platform.RESOURCE_PREFIX}, copied once to a file of its own:
 * {@link LibraryFile}), or the file the system property
 * {@code idnumber.library} names. A failure to load is kept and thrown again,
 * as an error that says why and what to do, by every call that needs the
 * library.
 *
 * <p>The jar carries libraries for 64-bit processes only, Linux x86-64 and
 * Windows x64: the structs' offsets in {@link ApiConstants} are those of a
 * 64-bit process, and a 32-bit JVM could not be tested here.
 *
 * <p>A class loader that loaded the jar (a SQL session's ADD JAR, a web
 * application) and is dropped is freed, and the native library with it, when
 * JNA is on its parent's class path: see {@link #bind}.
 */
final class Binding {
    /** The system property naming a libidnumber to load instead of the jar's own. */
    static final String LIBRARY_PROPERTY = "idnumber.library";
    /** The libraries the jar carries, by JNA's resource prefix of their platform. */
    static final Map<String, String> CARRIED;

    static {
        Map<String, String> carried = new LinkedHashMap<String, String>();
        carried.put("linux-x86-64", "libidnumber.so");
        carried.put("win32-x86-64", "idnumber.dll");
        CARRIED = Collections.unmodifiableMap(carried);
    }

    /** Reachable exactly as long as this library's classes are; JNA's cleaner watches it. */
    private static final Object OWNER = new Object();
    /** The class being bound, which CApiCalls calls; set only while this class is initialised. */
    private static Class<?> boundClass;
    private static final CApi API;
    private static final LinkageError FAILURE;

    static {
        CApi api = null;
        LinkageError failure = null;
        try {
            JnaStart.require();
            api = bind(load());
        } catch (LinkageError e) {
            failure = e;
        } catch (Exception e) {
            failure = cannotLoad(e.toString(), e);
        }
        if (failure != null) {
            api = null;
        }
        boundClass = null;
        API = api;
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

    /** Whether the library is loaded: when false, {@link #api()} throws why not. */
    static boolean loaded() {
        return API != null;
    }

    /** The kept failure again, with this call's stack: NoClassDefFoundError for a missing JNA, else as it was. */
    private static LinkageError failure() {
        LinkageError error = FAILURE instanceof NoClassDefFoundError ? new NoClassDefFoundError(FAILURE.getMessage())
            : new UnsatisfiedLinkError(FAILURE.getMessage());
        error.initCause(FAILURE);
        return error;
    }

    static UnsatisfiedLinkError cannotLoad(String why, Throwable cause) {
        UnsatisfiedLinkError error = new UnsatisfiedLinkError("idnumber: the native library could not be loaded: "
            + why);
        error.initCause(cause);
        return error;
    }

    /**
     * The resource holding the native library for the platform of JNA's
     * resource prefix ("linux-x86-64"), or null when the jar carries none
     * for it.
     */
    static String resourceFor(String resourcePrefix) {
        String file = CARRIED.get(resourcePrefix);
        return file == null ? null : resourcePrefix + "/" + file;
    }

    /** The library at the path, opened by JNA on a detached thread, as JNA's classes are initialised. */
    private static NativeLibrary open(String path) {
        try {
            return (NativeLibrary) DetachedCall.call(MethodHandles.insertArguments(MethodHandles.publicLookup()
                .findStatic(NativeLibrary.class, "getInstance", MethodType.methodType(NativeLibrary.class,
                                                                                       String.class)), 0, path));
        } catch (RuntimeException | LinkageError e) {
            throw e;
        } catch (Exception e) {
            throw cannotLoad(path + ": " + e, e);
        }
    }

    /** The library named by the property, or the jar's own for this platform. */
    private static NativeLibrary load() throws IOException {
        String path = System.getProperty(LIBRARY_PROPERTY, "");
        if (!path.isEmpty()) {
            try {
                return open(path);
            } catch (UnsatisfiedLinkError e) {
                throw cannotLoad(path + ", which -D" + LIBRARY_PROPERTY + " names, would not load: " + e.getMessage(),
                                 e);
            }
        }
        String prefix = com.sun.jna.Platform.RESOURCE_PREFIX;
        String resource = resourceFor(prefix);
        if (resource == null) {
            String why = Native.POINTER_SIZE != 8 ? "a 32-bit JVM (" + prefix + "): this jar carries libidnumber"
                + " for 64-bit JVMs only, Linux x86-64 and Windows x64; run a 64-bit JVM"
                : "this jar carries libidnumber for Linux x86-64 and Windows x64 (" + CARRIED.keySet() + "), not"
                + " for " + prefix + " (" + System.getProperty("os.name") + " on " + System.getProperty("os.arch")
                + "); build the project's C library for it and name the file with -D" + LIBRARY_PROPERTY + "=PATH";
            throw cannotLoad(why, null);
        }
        LibraryFile file = LibraryFile.of("/" + resource);
        try {
            return open(file.path);
        } catch (UnsatisfiedLinkError e) {
            throw cannotLoad(file.path + ", the jar's library copied into JNA's temporary folder, would not load (a"
                + " folder on a file system mounted noexec cannot hold libraries: name another with -Djna.tmpdir=DIR,"
                + " or the library with -D" + LIBRARY_PROPERTY + "=PATH): " + e.getMessage(), e);
        } finally {
            file.loaded();
        }
    }

    /**
     * The C API bound to the library's functions, of the major version this
     * jar is written for: JNA binds the natives class ({@link CApi64}), loaded
     * beside JNA where it can be, and unbinds it when this library's classes
     * are gone.
     */
    private static CApi bind(NativeLibrary library) {
        if (Native.POINTER_SIZE != 8) {
            throw cannotLoad("a 32-bit JVM: this jar calls libidnumber as a 64-bit process does (Linux x86-64,"
                + " Windows x64); run a 64-bit JVM", null);
        }
        Class<?> natives = nativesClass("org.idnumbertool.idnumber.CApi64");
        Native.register(natives, library);
        forgetOptions(natives);
        CApi api;
        boundClass = natives;
        try {
            api = new CApiCalls();
            int version = api.idn_version_number();
            if (version / 10000 != ApiConstants.IDN_VERSION_MAJOR) {
                throw cannotLoad(library.getFile() + " is version " + text(api.idn_version_string())
                    + " of the C API; this jar is written for version " + ApiConstants.IDN_VERSION_MAJOR, null);
            }
        } catch (RuntimeException | LinkageError e) {
            Native.unregister(natives);
            throw e;
        }
        unbindWhenUnused(natives);
        return api;
    }

    static Class<?> boundClass() {
        return boundClass;
    }

    /**
     * The natives class, from this jar, loaded by a class loader of its own
     * whose parent is JNA's, when JNA is not this library's class loader's
     * (JNA on the parent class path, the jar in a SQL session's or a web
     * application's loader): what JNA holds of it then holds that small
     * loader, not this library's. Else, or when the jar cannot be read so, the
     * library's own class.
     */
    private static Class<?> nativesClass(String name) {
        ClassLoader own = Binding.class.getClassLoader();
        ClassLoader jna = Native.class.getClassLoader();
        if (jna != own) {
            try {
                URL jar = Binding.class.getProtectionDomain().getCodeSource().getLocation();
                // Made on a detached thread: a URLClassLoader keeps the access control context it is made in.
                MethodHandle make = MethodHandles.insertArguments(MethodHandles.publicLookup().findConstructor(
                    URLClassLoader.class, MethodType.methodType(void.class, URL[].class, ClassLoader.class)), 0,
                    new URL[] {jar}, jna);
                URLClassLoader beside = (URLClassLoader) DetachedCall.call(make);
                try {
                    Class<?> natives = Class.forName(name, false, beside);
                    natives.getDeclaredMethods();  // resolved now, before the jar is closed
                    return natives;
                } finally {
                    beside.close();
                }
            } catch (Exception | LinkageError e) {
                // The library's own class then: it stays bound, and its class loader with it, for the process's life.
            }
        }
        try {
            return Class.forName(name, false, own);
        } catch (ClassNotFoundException e) {
            throw new IllegalStateException("idnumber: the jar lacks " + name, e);
        }
    }

    /**
     * Has JNA's cleaner unbind the natives class once this library's classes
     * are unreachable (OWNER with them): then nothing holds the natives class
     * and its loader, and JNA frees the native library. Only for a class of a
     * loader of its own, and with a JNA that has a cleaner (5.12 and later).
     */
    private static void unbindWhenUnused(Class<?> natives) {
        if (natives.getClassLoader() == Binding.class.getClassLoader()) {
            return;
        }
        try {
            Constructor<?> constructor = natives.getDeclaredConstructor();
            constructor.setAccessible(true);
            com.sun.jna.internal.Cleaner.getCleaner().register(OWNER, (Runnable) constructor.newInstance());
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            // An older JNA: the natives class stays bound, and the library loaded, for the process's life.
        }
    }

    /**
     * Takes the bound class out of JNA's map of options by class, whose
     * entry names the class itself and so never clears, holding the class
     * (and its loader) for good. A JNA without the map keeps what it keeps.
     */
    private static void forgetOptions(Class<?> natives) {
        try {
            Field field = Native.class.getDeclaredField("typeOptions");
            field.setAccessible(true);
            ((Map<?, ?>) field.get(null)).remove(natives);
        } catch (ReflectiveOperationException | RuntimeException e) {
            // Another JNA: the class then stays, as it would have.
        }
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
