package org.idnumbertool.idnumber;

import com.sun.jna.Native;
import com.sun.jna.Pointer;
import java.nio.ByteBuffer;

/**
 * Native memory for the length of one call, freed by {@link #close()}: what
 * JNA's Memory.close does in JNA 5.12 and later, here for any JNA 5, since
 * a SQL engine's class path may hold an older one.
 */
final class NativeBuffer implements AutoCloseable {
    private final long address;
    private final long size;
    private boolean freed;

    NativeBuffer(long size) {
        this.size = Math.max(1, size);
        this.address = Native.malloc(this.size);
        if (address == 0) {
            throw new OutOfMemoryError("idnumber: no " + this.size + " bytes of native memory");
        }
    }

    long address() {
        return address;
    }

    long size() {
        return size;
    }

    /** A view of the memory (at most 2 GiB of it), valid until it is closed. */
    ByteBuffer bytes() {
        return new Pointer(address).getByteBuffer(0, Math.min(size, Integer.MAX_VALUE));
    }

    void write(long offset, byte[] bytes, int from, int length) {
        new Pointer(address).write(offset, bytes, from, length);
    }

    void clear() {
        new Pointer(address).setMemory(0, size, (byte) 0);
    }

    @Override
    public void close() {
        if (!freed) {
            freed = true;
            Native.free(address);
        }
    }
}
