#pragma once
// The C library's allocator, tuned in this one place for a game that stays open for hours:
// without it, the memory a long session takes creeps up with every window opened and every
// large read, though nothing leaks.
namespace quoxa::Heap {

// At start-up: large blocks (pictures, a window's backing store) come from the system and go
// back to it when freed; the allocator's own moving threshold would keep them in its heap
// once the first of them is freed.
void KeepLargeBlocksApart();

// After a large read is let go (the finished games, read for the statistics): the holes it
// leaves in the heap go back to the system.
void GiveBackFreed();

} // namespace quoxa::Heap
