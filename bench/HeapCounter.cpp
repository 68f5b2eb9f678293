#include "bench/HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> current{0};
std::atomic<std::size_t> peak{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    const std::size_t now = current += malloc_usable_size(block);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block;
}

void Free(void* block) noexcept {
    if (!block) return;
    current -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

namespace heap {
std::size_t Current() { return current; }
std::size_t Peak() { return peak; }
void ResetPeak() { peak = current.load(); }
}  // namespace heap

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
