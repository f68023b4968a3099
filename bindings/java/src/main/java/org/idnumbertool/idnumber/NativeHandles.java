package org.idnumbertool.idnumber;

import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodHandles;
import java.lang.invoke.MethodType;
import java.lang.reflect.Method;

/**
 * Method handles of a natives class's functions ({@link CApi64},
 * {@link CApi32}), each of the type of {@link CApi}'s method of its name:
 * in a 32-bit process a handle narrows the 64-bit pointers and sizes to the
 * 32 bits the function takes, as a cast does, and widens a returned pointer
 * or size as unsigned.
 */
final class NativeHandles {
    private NativeHandles() {
    }

    static MethodHandle of(Class<?> natives, String name) {
        Method api = method(CApi.class, name);
        Method function = method(natives, name);
        try {
            function.setAccessible(true);
            MethodHandle handle = MethodHandles.lookup().unreflect(function);
            if (function.getReturnType() == int.class && api.getReturnType() == long.class) {
                handle = MethodHandles.filterReturnValue(handle, MethodHandles.lookup().findStatic(Integer.class,
                    "toUnsignedLong", MethodType.methodType(long.class, int.class)));
            }
            // long to int: the narrowing cast, as (int) writes it.
            MethodType type = MethodType.methodType(api.getReturnType(), api.getParameterTypes());
            return MethodHandles.explicitCastArguments(handle, type);
        } catch (ReflectiveOperationException e) {
            throw new IllegalStateException("idnumber: " + natives.getName() + "." + name, e);
        }
    }

    private static Method method(Class<?> type, String name) {
        for (Method method : type.getDeclaredMethods()) {
            if (method.getName().equals(name)) {
                return method;
            }
        }
        throw new IllegalStateException("idnumber: " + type.getName() + " has no " + name);
    }
}
