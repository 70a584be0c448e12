#include "FreedMemory.h"

#include <malloc.h>

void shareOneAllocatorArena() {
    mallopt(M_ARENA_MAX, 1);
}

void returnFreedMemory() {
    malloc_trim(0);
}
