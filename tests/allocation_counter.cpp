// Counts allocations for the no-allocation tests: operator new everywhere
// and, under AddressSanitizer, malloc itself through the sanitizer's hooks.
#ifndef _WIN32

#include "tests/allocation_counter.h"

#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer run-time's allocator interface (GCC ships no header).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, std::size_t),
                                                          void (*onFree)(const volatile void*));
#define COUNTS_MALLOC 1
#endif

namespace {

bool counting = false;
long allocations = 0;

void* countedAllocation(std::size_t size) {
    if (counting) ++allocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

#ifdef COUNTS_MALLOC
// The allocator calls this for every malloc, calloc, realloc and new.
void onMalloc(const volatile void*, std::size_t) {
    if (counting) ++allocations;
}
void onFree(const volatile void*) {}
#endif

}  // namespace

void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (counting) ++allocations;
    return std::malloc(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (counting) ++allocations;
    return std::malloc(size != 0 ? size : 1);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

void startCountingAllocations() {
#ifdef COUNTS_MALLOC
    static const bool hooked = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
    if (!hooked) std::abort();  // counting would see only operator new
#endif
    allocations = 0;
    counting = true;
}

long stopCountingAllocations() {
    counting = false;
    return allocations;
}

#endif
