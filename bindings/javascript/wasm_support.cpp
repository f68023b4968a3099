// What the WebAssembly module adds to the C API: checks that the struct
// layouts the JavaScript side reads and writes (index.js) are those of
// wasm32, the header's sizes and limits as one exported table, and an
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

// index.js reads pointers and size_t as 32-bit words, int64_t and uint64_t
// as BigInt64 at 8-byte offsets, and the fields at these offsets.
static_assert(sizeof(void*) == 4 && sizeof(size_t) == 4, "index.js reads pointers and size_t as 32 bits");

static_assert(sizeof(idn_verdict_t) == 40 && offsetof(idn_verdict_t, reason) == 0 &&
                  offsetof(idn_verdict_t, kind) == 4 && offsetof(idn_verdict_t, sex) == 8 &&
                  offsetof(idn_verdict_t, region_code) == 24 && offsetof(idn_verdict_t, expected_check) == 28 &&
                  offsetof(idn_verdict_t, length) == 32,
              "index.js reads and writes verdicts at these offsets");

static_assert(sizeof(idn_region_fields_t) == 12 && offsetof(idn_region_fields_t, city) == 4 &&
                  offsetof(idn_region_fields_t, county) == 8,
              "index.js reads the region fields as three pointers");

static_assert(sizeof(idn_region_t) == 20 && offsetof(idn_region_t, name) == 4 && offsetof(idn_region_t, level) == 8 &&
                  offsetof(idn_region_t, province) == 12 && offsetof(idn_region_t, city) == 16,
              "index.js reads a region at 4-byte steps");

static_assert(sizeof(idn_history_record_t) == 28 && offsetof(idn_history_record_t, name) == 4 &&
                  offsetof(idn_history_record_t, province) == 8 && offsetof(idn_history_record_t, prefecture) == 12 &&
                  offsetof(idn_history_record_t, level) == 16 && offsetof(idn_history_record_t, from) == 20 &&
                  offsetof(idn_history_record_t, until) == 24,
              "index.js reads a history record at 4-byte steps");

static_assert(sizeof(idn_successor_t) == 12 && offsetof(idn_successor_t, name) == 4 &&
                  offsetof(idn_successor_t, state) == 8,
              "index.js reads successors as three words");
static_assert(sizeof(idn_present_code_t) == 8 && offsetof(idn_present_code_t, name) == 4,
              "index.js reads codes in use now as two words");

static_assert(sizeof(idn_generate_options_t) == 64 && offsetof(idn_generate_options_t, region_length) == 4 &&
                  offsetof(idn_generate_options_t, birth) == 8 && offsetof(idn_generate_options_t, born_from) == 16 &&
                  offsetof(idn_generate_options_t, born_to) == 24 && offsetof(idn_generate_options_t, sex) == 32 &&
                  offsetof(idn_generate_options_t, has_seed) == 36 && offsetof(idn_generate_options_t, count) == 40 &&
                  offsetof(idn_generate_options_t, seed) == 48 && offsetof(idn_generate_options_t, as_of_year) == 56 &&
                  offsetof(idn_generate_options_t, year_limit) == 60 && alignof(idn_generate_options_t) == 8,
              "index.js writes the generation options at these offsets");

static_assert(sizeof(idn_option_names_t) == 36 && offsetof(idn_option_names_t, birth) == 4 &&
                  offsetof(idn_option_names_t, born_from) == 8 && offsetof(idn_option_names_t, born_to) == 12 &&
                  offsetof(idn_option_names_t, sex) == 16 && offsetof(idn_option_names_t, count) == 20 &&
                  offsetof(idn_option_names_t, seed) == 24 && offsetof(idn_option_names_t, as_of_year) == 28 &&
                  offsetof(idn_option_names_t, year_limit) == 32,
              "index.js writes the option names as nine pointers in this order");

static_assert(alignof(idn_generator_t) == 8, "index.js keeps generators at 8-byte boundaries");

// The header's sizes and limits, which JavaScript cannot read from it: the
// table's address is the exported global wasm_sizes. index.js reads the
// entries by these positions.
extern "C" const uint32_t wasm_sizes[] = {
    IDN_NUMBER_SIZE,               // 0
    IDN_INPUT_HELD_BYTES,          // 1
    IDN_REASON_MESSAGE_SIZE,       // 2
    IDN_MESSAGE_SIZE,              // 3
    IDN_VERIFY_JSON_SIZE,          // 4
    IDN_HISTORY_JSON_SIZE,         // 5
    IDN_SUCCESSORS_JSON_SIZE,      // 6
    IDN_NOW_CODES_JSON_SIZE,       // 7
    IDN_MAX_SUCCESSORS,            // 8
    IDN_MAX_NOW_CODES,             // 9
    IDN_PICKER_LIST_MAX,           // 10
    sizeof(idn_generator_t),       // 11
    sizeof(idn_generate_options_t),// 12
    sizeof(idn_option_names_t),    // 13
    sizeof(idn_verdict_t),         // 14
    IDN_YEAR_LIMIT_MAX,            // 15
    IDN_MASK_SIZE(0),              // 16: IDN_MASK_SIZE(n) is n + this
    // 17-20: IDN_COUNT_MAX and IDN_SEED_MAX, each as its low and high 32 bits.
    static_cast<uint32_t>(IDN_COUNT_MAX), static_cast<uint32_t>(static_cast<uint64_t>(IDN_COUNT_MAX) >> 32),
    static_cast<uint32_t>(IDN_SEED_MAX), static_cast<uint32_t>(static_cast<uint64_t>(IDN_SEED_MAX) >> 32),
};
static_assert(IDN_MASK_SIZE(100) == 100 + IDN_MASK_SIZE(0), "IDN_MASK_SIZE(n) is n plus a constant");
static_assert(IDN_COUNT_MAX > 0 && static_cast<uint64_t>(IDN_COUNT_MAX) <= INT64_MAX,
              "idn_generate_options_t's count (int64_t) holds every count");

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
