package org.idnumbertool.idnumber;

import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodHandleProxies;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.ForkJoinPool;

/**
 * Calls a method handle on a thread that holds nothing of this library's: a
 * new ForkJoinPool's worker, which Java 9 and later start with an access
 * control context and a context class loader of the system's own, running a
 * proxy of the JDK's, so that no frame of this library is on its stack.
 * What the call makes (a class loader, JNA's cleaner thread) then captures no
 * access control context naming this library's classes, which would hold
 * their class loader for as long as it lives. (Java 8 starts the worker with
 * the caller's context: there the call is merely made on another thread.)
 */
final class DetachedCall {
    private DetachedCall() {
    }

    /** The handle's result; it takes no arguments. */
    static Object call(MethodHandle handle) throws Exception {
        Callable<?> call = MethodHandleProxies.asInterfaceInstance(Callable.class, handle.asType(
            handle.type().changeReturnType(Object.class)));
        ForkJoinPool pool = new ForkJoinPool(1);
        try {
            return pool.submit(call).get();
        } catch (ExecutionException e) {
            Throwable cause = e.getCause();
            // ForkJoinTask gives a copy made on this thread, without the message, whose cause is what was thrown.
            if (cause != null && cause.getCause() != null && cause.getCause().getClass() == cause.getClass()) {
                cause = cause.getCause();
            }
            if (cause instanceof Exception) {
                throw (Exception) cause;
            }
            if (cause instanceof Error) {
                throw (Error) cause;
            }
            throw e;
        } finally {
            pool.shutdown();
        }
    }
}
