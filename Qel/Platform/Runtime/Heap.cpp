#include "Qel/Platform/Runtime/Heap.hpp"

#include <malloc.h>

namespace qel {

void settleHeap() {
#ifdef __GLIBC__
  mallopt(M_ARENA_MAX, 2);
  // Set, the thresholds stay where they are: glibc would otherwise raise them to the size of the
  // largest mapped block freed so far, and keep the next image's memory in the heap.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 512 * 1024);
#endif
}

void returnFreedHeap() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

}  // namespace qel
