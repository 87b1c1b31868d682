// Threads for the rows of a batch: std::thread where the runtime has it, the Win32 thread calls on a
// mingw runtime built without C++ threads. The workers take blocks of rows from one counter until
// none is left, so a worker slowed down by other load on its processor does not hold up the others.
#include "parallel_rows.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <limits>

#if defined(_WIN32) && !defined(_GLIBCXX_HAS_GTHREADS) && defined(__GLIBCXX__)
#define VAPROP_WIN32_THREADS 1
#include <windows.h>
#else
#define VAPROP_WIN32_THREADS 0
#include <system_error>
#include <thread>
#endif

namespace vaprop {
namespace {

// Rows below which a further thread costs more than it saves.
constexpr std::int32_t kRowsPerWorkerMin = 512;
// Threads of one batch at most.
constexpr int kWorkersMax = 64;

// Rows a worker takes at a time.
constexpr std::int32_t kBlockRows = 2048;

// The rows left to do, shared by the workers of one call.
struct Rows {
    ChunkWork work;
    const void* context;
    std::int32_t count;
    std::atomic<std::int32_t> next{0};
};

struct Chunk {
    Rows* rows;
    std::int64_t counted;
    bool started;
};

void runChunk(Chunk& c) noexcept {
    Rows& r = *c.rows;
    c.counted = 0;
    for (;;) {
        const std::int32_t begin = r.next.fetch_add(kBlockRows, std::memory_order_relaxed);
        if (begin >= r.count) return;
        const std::int32_t end = r.count - begin < kBlockRows ? r.count : begin + kBlockRows;
        c.counted += r.work(r.context, begin, end);
    }
}

#if VAPROP_WIN32_THREADS
DWORD WINAPI chunkThread(LPVOID arg) {
    runChunk(*static_cast<Chunk*>(arg));
    return 0;
}
#endif

}  // namespace

int processorCount() noexcept {
#if VAPROP_WIN32_THREADS
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const int n = static_cast<int>(info.dwNumberOfProcessors);
#else
    const int n = static_cast<int>(std::thread::hardware_concurrency());
#endif
    return std::clamp(n, 1, kWorkersMax);
}

std::int64_t runInChunks(ChunkWork work, const void* context, std::int32_t count, int workers) noexcept {
    if (count <= 0) return 0;
    const std::int32_t byRows = std::max<std::int32_t>(1, count / kRowsPerWorkerMin);
    const int n = static_cast<int>(std::clamp<std::int32_t>(std::min<std::int32_t>(workers, byRows), 1, kWorkersMax));
    // The counter stops below the largest 32-bit row number: count plus one block at most.
    Rows rows{work, context, count};
    if (count > std::numeric_limits<std::int32_t>::max() - kBlockRows * (kWorkersMax + 1)) {
        return work(context, 0, count);  // too close to the end of the row numbers to share out
    }
    std::array<Chunk, kWorkersMax> chunks{};
    for (int i = 0; i < n; ++i) chunks[static_cast<std::size_t>(i)] = {&rows, 0, false};
#if VAPROP_WIN32_THREADS
    std::array<HANDLE, kWorkersMax> handles{};
    for (int i = 1; i < n; ++i) {
        Chunk& c = chunks[static_cast<std::size_t>(i)];
        handles[static_cast<std::size_t>(i)] = CreateThread(nullptr, 0, chunkThread, &c, 0, nullptr);
        c.started = handles[static_cast<std::size_t>(i)] != nullptr;
    }
    runChunk(chunks[0]);
    for (int i = 1; i < n; ++i) {
        Chunk& c = chunks[static_cast<std::size_t>(i)];
        if (c.started) {
            WaitForSingleObject(handles[static_cast<std::size_t>(i)], INFINITE);
            CloseHandle(handles[static_cast<std::size_t>(i)]);
        } else {
            runChunk(c);
        }
    }
#else
    std::array<std::thread, kWorkersMax> threads;
    for (int i = 1; i < n; ++i) {
        Chunk& c = chunks[static_cast<std::size_t>(i)];
        try {
            threads[static_cast<std::size_t>(i)] = std::thread(runChunk, std::ref(c));
            c.started = true;
        } catch (const std::system_error&) {
            c.started = false;  // no thread to be had: the calling thread does this chunk below
        }
    }
    runChunk(chunks[0]);
    for (int i = 1; i < n; ++i) {
        Chunk& c = chunks[static_cast<std::size_t>(i)];
        if (c.started) {
            threads[static_cast<std::size_t>(i)].join();
        } else {
            runChunk(c);
        }
    }
#endif
    std::int64_t total = 0;
    for (int i = 0; i < n; ++i) total += chunks[static_cast<std::size_t>(i)].counted;
    return total;
}

}  // namespace vaprop
