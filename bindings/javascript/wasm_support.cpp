// What the WebAssembly module adds to the C API: checks that the struct
// layouts the JavaScript side reads and writes (index.js) are those of
// wasm32, and an allocator that traps.
//
// The C API allocates nothing, and the JavaScript side keeps its buffers in
// the memory above __heap_base. Should any code ever call the allocator,
// these definitions make it trap at once rather than hand out memory that
// JavaScript also uses. They are every symbol wasi-libc's dlmalloc.o
// defines, so that object is never linked (libc++'s operator new refers to
// posix_memalign, which would otherwise pull it in); a newer wasi-libc that
// adds one would fail the link on the duplicates instead.
#include <cstddef>

#include "capi/idnumber.h"

static_assert(sizeof(void*) == 4, "index.js reads pointers and size_t as 32 bits");
static_assert(sizeof(idn_verdict) == 40 && offsetof(idn_verdict, region_code) == 24 &&
                  offsetof(idn_verdict, expected_check) == 28 && offsetof(idn_verdict, length) == 32,
              "index.js reads verdicts as ten 32-bit words");
static_assert(sizeof(idn_region_fields) == 12, "index.js reads three pointers");
static_assert(sizeof(idn_region) == 20 && offsetof(idn_region, city) == 16, "index.js reads a region at 4-byte steps");
static_assert(sizeof(idn_history_record) == 28 && offsetof(idn_history_record, from) == 20 &&
                  offsetof(idn_history_record, until) == 24,
              "index.js reads a history record at 4-byte steps");
static_assert(sizeof(idn_successor) == 12 && sizeof(idn_present_code) == 8, "index.js reads successors and now");
static_assert(sizeof(idn_generate_options) == 72 && offsetof(idn_generate_options, sex) == 32 &&
                  offsetof(idn_generate_options, count) == 40 && offsetof(idn_generate_options, seed) == 48 &&
                  offsetof(idn_generate_options, has_seed) == 56 &&
                  offsetof(idn_generate_options, as_of_year) == 60 &&
                  offsetof(idn_generate_options, year_limit) == 64,
              "index.js writes the generation options at these offsets");
static_assert(sizeof(idn_generator) == 256 && alignof(idn_generator) == 8, "index.js keeps 256 bytes for a generator");

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
