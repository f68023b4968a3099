package org.idnumbertool.idnumber;

import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodHandles;
import java.lang.reflect.Method;

/**
 * Method handles of the natives class's functions ({@link CApi64}), each of
 * the type of {@link CApi}'s method of its name, which a test holds to the
 * header.
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
            if (!handle.type().equals(java.lang.invoke.MethodType.methodType(api.getReturnType(),
                                                                              api.getParameterTypes()))) {
                throw new IllegalStateException("idnumber: " + natives.getName() + "." + name + " is "
                    + handle.type() + ", not as CApi declares it");
            }
            return handle;
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
