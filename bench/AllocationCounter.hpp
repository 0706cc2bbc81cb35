#pragma once
// Counts heap allocations so a benchmark can show that its loop allocates nothing. Include from exactly one
// file of a benchmark program: it replaces the global operator new.
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace pellox::bench {
inline std::atomic<long long> allocations{0};
}  // namespace pellox::bench

// The replacement pair is matched (malloc with free); GCC cannot see that through inlining.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    pellox::bench::allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop
