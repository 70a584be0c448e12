#pragma once

// What the allocator keeps of freed memory. glibc holds freed blocks in the
// heap and in an arena of their own for each thread that ever allocated
// (up to eight per core), and hands memory back only from the top of each.

// All threads allocate from the one heap, so that what a short-lived thread
// (a video decoder, an image helper) freed serves the others and can be
// handed back. Call before any thread starts.
void shareOneAllocatorArena();

// Hands the freed memory back to the system: after the welcome video's
// decoders and frames are gone, tens of megabytes otherwise stay resident for
// the rest of the run.
void returnFreedMemory();
