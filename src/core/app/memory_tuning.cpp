#include "app/memory_tuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace wk {

void KeepLargeBuffersOnTheHeap() {
#if defined(__GLIBC__)
    constexpr int kLargestMapped = 64 << 20;  // buffers below this come from the heap
    mallopt(M_MMAP_THRESHOLD, kLargestMapped);
    mallopt(M_TRIM_THRESHOLD, 4 * kLargestMapped);  // freed heap memory is kept for the next page
#endif
}

}  // namespace wk
