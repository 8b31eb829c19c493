#include "heap_peak.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> held{0}, peak{0}, base{0};

void* Take(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) return nullptr;
    size_t now = held += malloc_usable_size(p);
    size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return p;
}

void Give(void* p) {
    if (!p) return;
    held -= malloc_usable_size(p);
    std::free(p);
}

}  // namespace

namespace bench {

void ResetHeapPeak() {
    base = held.load();
    peak = base.load();
}

size_t HeapPeakSinceReset() { return peak - base; }

}  // namespace bench

void* operator new(size_t size) {
    if (void* p = Take(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void operator delete(void* p) noexcept { Give(p); }
void operator delete[](void* p) noexcept { Give(p); }
void operator delete(void* p, size_t) noexcept { Give(p); }
void operator delete[](void* p, size_t) noexcept { Give(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Give(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Give(p); }
