#pragma once

namespace wk {

// Keeps page-sized buffers on the heap. A commit copies a page of megabytes a
// dozen times; by default the C library maps and unmaps each such copy afresh
// and faults its memory in every time, so an 8 MB page would cost far more
// than eight 1 MB pages. Called once at program start.
void KeepLargeBuffersOnTheHeap();

}  // namespace wk
