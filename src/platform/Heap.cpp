#include "platform/Heap.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quoxa::Heap {

void KeepLargeBlocksApart()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void GiveBackFreed()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace quoxa::Heap
