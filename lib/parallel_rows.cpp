// Threads for the rows of a batch: std::thread where the runtime has it, the Win32 thread calls on a
// mingw runtime built without C++ threads.
#include "parallel_rows.h"

#include <algorithm>
#include <array>
#include <functional>

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
constexpr std::int32_t kRowsPerWorkerMin = 256;
// Threads of one batch at most.
constexpr int kWorkersMax = 64;

struct Chunk {
    ChunkWork work;
    const void* context;
    std::int32_t begin;
    std::int32_t end;
    std::int64_t counted;
    bool started;
};

void runChunk(Chunk& c) noexcept { c.counted = c.work(c.context, c.begin, c.end); }

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
    std::array<Chunk, kWorkersMax> chunks{};
    for (int i = 0; i < n; ++i) {
        const auto begin = static_cast<std::int32_t>(static_cast<std::int64_t>(count) * i / n);
        const auto end = static_cast<std::int32_t>(static_cast<std::int64_t>(count) * (i + 1) / n);
        chunks[static_cast<std::size_t>(i)] = {work, context, begin, end, 0, false};
    }
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
