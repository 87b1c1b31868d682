// Rows of a batch spread over threads: contiguous chunks, one per worker, the calling thread taking
// the first. Nothing is allocated per row; a thread that cannot be started leaves its chunk to the
// calling thread.
#ifndef VAPROP_LIB_PARALLEL_ROWS_H
#define VAPROP_LIB_PARALLEL_ROWS_H

#include <cstdint>

namespace vaprop {

// Works on rows [begin, end) and returns what it counted there.
using ChunkWork = std::int64_t (*)(const void* context, std::int32_t begin, std::int32_t end) noexcept;

// The number of processors (at least 1).
int processorCount() noexcept;

// Runs work over [0, count) in at most `workers` chunks (fewer when the rows are few) and returns
// the sum of the chunks' counts.
std::int64_t runInChunks(ChunkWork work, const void* context, std::int32_t count, int workers) noexcept;

}  // namespace vaprop

#endif
