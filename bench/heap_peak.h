// The most heap memory held at once since the last reset: every operator new
// and delete of the benchmark program passes through here.
#pragma once
#include <cstddef>

namespace bench {

void ResetHeapPeak();
size_t HeapPeakSinceReset();  // bytes above what was held at the reset

}  // namespace bench
