#pragma once
// The C library's heap, tuned for a program that runs for days at a steady size.
namespace qel {

// Before any thread starts: few arenas, so memory freed by one thread serves the others rather
// than lying idle in an arena of its own; and large blocks (images) always mapped on their
// own, so they go back to the system when freed instead of raising the bar for the heap.
void settleHeap();

// Hands back the free pages of the heap, as after a burst of work.
void returnFreedHeap();

}  // namespace qel
