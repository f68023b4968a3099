// What the WebAssembly module adds to the C API: the struct layouts that
// api_constants.js gives index.js, held to wasm32's compiler, and an
// allocator that traps.
//
// The C API allocates nothing, and the JavaScript side keeps its buffers in
// the memory above __heap_base. Should any code ever call the allocator,
// these definitions make it trap at once rather than hand out memory that
// JavaScript also uses. They are every symbol wasi-libc's dlmalloc.o
// defines, so that object is never linked (libc++'s operator new refers to
// posix_memalign, which would otherwise pull it in); a newer wasi-libc that
// adds one would fail the link on the duplicates instead.
#include <cstddef>
#include <cstdint>

#include "capi/idnumber.h"
// Every offset and size of api_constants.js's LAYOUT, asserted for this
// target (scripts/generate_api_constants.py writes both).
#include "tests/capi/api_layouts.h"

// index.js reads pointers and size_t as 32-bit words and 64-bit members as
// BigInts at the offsets LAYOUT gives.
static_assert(sizeof(void*) == 4 && sizeof(size_t) == 4, "index.js reads pointers and size_t as 32 bits");
static_assert(alignof(idn_generator_t) == 8 && alignof(idn_scanner_t) == 8,
              "index.js keeps contexts at 8-byte boundaries");

extern "C" {
void* malloc(std::size_t) { __builtin_trap(); }
void* calloc(std::size_t, std::size_t) { __builtin_trap(); }
void* realloc(void*, std::size_t) { __builtin_trap(); }
void free(void*) { __builtin_trap(); }
void* aligned_alloc(std::size_t, std::size_t) { __builtin_trap(); }
int posix_memalign(void**, std::size_t, std::size_t) { __builtin_trap(); }
std::size_t malloc_usable_size(void*) { __builtin_trap(); }
void* __libc_malloc(std::size_t) { __builtin_trap(); }
void* __libc_calloc(std::size_t, std::size_t) { __builtin_trap(); }
void __libc_free(void*) { __builtin_trap(); }
}
