// The few WASI functions idnumber.wasm imports, for Node and browsers alike.
//
// The module is the C API over wasi-libc; it reads the clock (the current
// year on the local clock, when no year limit is given), draws a seed
// (generation without one) and, on paths the C API never takes in normal
// use, writes to standard error or closes and seeks files. Offers wasiImports(getMemory, crypto): the
// import object for WebAssembly.instantiate. Nothing here touches a file or
// the network.

const ERRNO_SUCCESS = 0;
const ERRNO_BADF = 8;
const ERRNO_INVAL = 28;

// getMemory() answers the instance's memory (known only after instantiation);
// webCrypto is globalThis.crypto or Node's webcrypto.
export function wasiImports(getMemory, webCrypto) {
    const view = () => new DataView(getMemory().buffer);
    const pending = [];  // bytes of standard error up to the next line end
    const decoder = new TextDecoder();
    return {
        wasi_snapshot_preview1: {
            clock_time_get(clockId, precision, timeOut) {
                // Realtime (0) and monotonic (1) both answer the wall clock of
                // the host's time zone, in nanoseconds. The library reads the
                // clock only for the current year, as the local clock has it,
                // and wasi-libc knows no time zone: its local time is UTC, so
                // the host's offset is added here.
                if (clockId !== 0 && clockId !== 1) return ERRNO_INVAL;
                const now = Date.now();
                const local = now - new Date(now).getTimezoneOffset() * 60000;
                view().setBigUint64(timeOut, BigInt(local) * 1000000n, true);
                return ERRNO_SUCCESS;
            },
            random_get(buffer, length) {
                // getRandomValues fills at most 65536 bytes a call.
                for (let at = 0; at < length; at += 65536) {
                    const piece = Math.min(65536, length - at);
                    webCrypto.getRandomValues(new Uint8Array(getMemory().buffer, buffer + at, piece));
                }
                return ERRNO_SUCCESS;
            },
            fd_write(fd, iovs, iovsLength, writtenOut) {
                if (fd !== 1 && fd !== 2) return ERRNO_BADF;
                const memory = view();
                let written = 0;
                for (let i = 0; i < iovsLength; ++i) {
                    const base = memory.getUint32(iovs + 8 * i, true);
                    const length = memory.getUint32(iovs + 8 * i + 4, true);
                    pending.push(new Uint8Array(memory.buffer, base, length).slice());
                    written += length;
                }
                const text = decoder.decode(concat(pending));
                const end = text.lastIndexOf('\n');
                if (end >= 0) {
                    pending.length = 0;
                    if (end + 1 < text.length) pending.push(new TextEncoder().encode(text.slice(end + 1)));
                    console.error(`idnumber.wasm: ${text.slice(0, end)}`);
                }
                memory.setUint32(writtenOut, written, true);
                return ERRNO_SUCCESS;
            },
            fd_close() {
                return ERRNO_BADF;
            },
            fd_seek() {
                return ERRNO_BADF;
            },
        },
    };
}

function concat(pieces) {
    if (pieces.length === 1) return pieces[0];
    const whole = new Uint8Array(pieces.reduce((sum, piece) => sum + piece.length, 0));
    let at = 0;
    for (const piece of pieces) {
        whole.set(piece, at);
        at += piece.length;
    }
    return whole;
}
