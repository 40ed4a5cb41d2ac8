#include "support/AllocationCounter.h"

#include <atomic>
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// Part of the sanitizer runtime, though GCC's headers do not declare it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*,
                                                                             size_t),
                                                         void (*free_hook)(const volatile void*));
#endif

namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

[[maybe_unused]] void OnAllocation(const volatile void*, size_t) {
    if (counting)
        ++allocations;
}
[[maybe_unused]] void OnFree(const volatile void*) {}

bool InstallHooks() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_install_malloc_and_free_hooks(OnAllocation, OnFree) != 0;
#else
    return false;
#endif
}
}  // namespace

bool AllocationCounter::Available() {
    // The runtime holds only a few hook slots: install once per process.
    static const bool installed = InstallHooks();
    return installed;
}

AllocationCounter::AllocationCounter() {
    allocations = 0;
    counting = Available();
}

AllocationCounter::~AllocationCounter() {
    counting = false;
}

int AllocationCounter::Count() const {
    return allocations;
}
