// Calls every vaprop32 export on the case list of export_cases.h and writes one line per call:
//   <ordinal> <name> <a> <b> <UnitSet> <result>
// with the doubles as the 16 hex digits of their bits, then the result in decimal for the reader.
//
//   Linux:  case_runner <path of libvaprop32.so> <output file>   binds the exports by name
//   wine:   case_runner.exe <output file>                          loads vaprop32.dll and binds every
//           export by ordinal, checking first that each ordinal and its name give the same entry
//   Linux:  case_runner compare <expected> <actual>
//           compares two outputs line by line: the same calls and identical bits of every result.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "export_cases.h"
#include "module_names.h"

namespace {

using namespace w32test;

std::uint64_t bitsOf(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

void* entries[48] = {};  // by ordinal

void write(std::FILE* out, const ExportRow& row, double a, double b, std::int32_t unitSet) {
    const int arity = static_cast<int>(std::strlen(row.inputs));
    void* const entry = entries[row.ordinal];
    double r = 0;
    if (arity == 0) r = reinterpret_cast<Export0>(entry)();
    if (arity == 1) r = reinterpret_cast<Export1>(entry)(a, unitSet);
    if (arity == 2) r = reinterpret_cast<Export2>(entry)(a, b, unitSet);
    std::fprintf(out,
                 "%d %s %016" PRIx64 " %016" PRIx64 " %" PRId32 " %016" PRIx64 " %.17g\n",
                 row.ordinal,
                 row.name,
                 bitsOf(a),
                 bitsOf(b),
                 unitSet,
                 bitsOf(r),
                 r);
}

#if defined(_WIN32)
bool bind(const char*) {
    HMODULE module = LoadLibraryA(kVapropDll);
    if (module == nullptr) {
        std::printf("FAIL %s not loaded (error %lu)\n", kVapropDll, GetLastError());
        return false;
    }
    bool ok = true;
    for (const ExportRow& row : kExports) {
        void* byOrdinal = reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(row.ordinal)));
        void* byName = reinterpret_cast<void*>(GetProcAddress(module, row.name));
        if (byOrdinal == nullptr || byOrdinal != byName) {
            std::printf("FAIL ordinal %d is not %s\n", row.ordinal, row.name);
            ok = false;
        }
        entries[row.ordinal] = byOrdinal;
    }
    for (const ByNameRow& row : kByNameExports) {
        void* byOrdinal = reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(row.ordinal)));
        void* byName = reinterpret_cast<void*>(GetProcAddress(module, row.name));
        if (byOrdinal == nullptr || byOrdinal != byName) {
            std::printf("FAIL ordinal %d is not %s\n", row.ordinal, row.name);
            ok = false;
        }
        entries[row.ordinal] = byOrdinal;
    }
    if (GetProcAddress(module, MAKEINTRESOURCEA(48)) != nullptr) {
        std::printf("FAIL an export at ordinal 48\n");
        ok = false;
    }
    return ok;
}
#else
// The two builds run the same object code: exp, log and pow come from numerics/portable_math.h in
// both (not from glibc, whose results depend on the CPU, nor from mingw-w64), and the arithmetic is
// SSE2 double without contraction on both targets. So every result, code or value, must have
// identical bits; a difference is reported with both values.

struct Line {
    char call[160];
    std::uint64_t result;
};

bool readLine(std::FILE* in, Line& line) {
    char text[256];
    if (std::fgets(text, sizeof text, in) == nullptr) return false;
    // The call is everything up to the fifth blank; the result's bits follow it.
    int blanks = 0;
    std::size_t i = 0;
    for (; text[i] != '\0' && blanks < 5; ++i) blanks += text[i] == ' ';
    if (blanks < 5 || i >= sizeof line.call) return false;
    std::memcpy(line.call, text, i - 1);
    line.call[i - 1] = '\0';
    return std::sscanf(text + i, "%" SCNx64, &line.result) == 1;
}

double valueOf(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

int compare(const char* expectedName, const char* actualName) {
    std::FILE* expected = std::fopen(expectedName, "rb");
    std::FILE* actual = std::fopen(actualName, "rb");
    if (expected == nullptr || actual == nullptr) {
        std::printf("FAIL cannot read %s or %s\n", expectedName, actualName);
        return 1;
    }
    long calls = 0, codes = 0, values = 0, identicalValues = 0, identicalCodes = 0, wrong = 0;
    Line e{}, a{};
    for (;;) {
        const bool haveE = readLine(expected, e);
        const bool haveA = readLine(actual, a);
        if (!haveE && !haveA) break;
        if (haveE != haveA || std::strcmp(e.call, a.call) != 0) {
            std::printf("FAIL the case lists differ at: %s\n", haveE ? e.call : a.call);
            return 1;
        }
        ++calls;
        const double x = valueOf(e.result);
        const bool isCode = x <= -1000;
        (isCode ? codes : values) += 1;
        if (e.result == a.result) {
            (isCode ? identicalCodes : identicalValues) += 1;
            continue;
        }
        if (++wrong <= 40)
            std::printf("FAIL %s: expected %.17g (%016" PRIx64 "), got %.17g (%016" PRIx64 ")\n",
                        e.call,
                        x,
                        e.result,
                        valueOf(a.result),
                        a.result);
    }
    std::printf("%ld calls: %ld of %ld codes and %ld of %ld values with identical bits, %ld differ\n",
                calls,
                identicalCodes,
                codes,
                identicalValues,
                values,
                wrong);
    return wrong == 0 ? 0 : 1;
}

bool bind(const char* path) {
    void* module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::printf("FAIL %s\n", dlerror());
        return false;
    }
    for (const ExportRow& row : kExports) {
        entries[row.ordinal] = dlsym(module, row.name);
        if (entries[row.ordinal] == nullptr) {
            std::printf("FAIL %s not exported\n", row.name);
            return false;
        }
    }
    for (const ByNameRow& row : kByNameExports) {
        entries[row.ordinal] = dlsym(module, row.name);
        if (entries[row.ordinal] == nullptr) {
            std::printf("FAIL %s not exported\n", row.name);
            return false;
        }
    }
    return true;
}
#endif

// The by-name calls over the sweep of every pair, each batch on two threads: one line per cell,
//   <ordinal> StmBatch:<pair>:<name> <a> <b> <UnitSet> <result>
// and StmProp for the first row of each pair and name.
long writeByName(std::FILE* out) {
    const auto batch = reinterpret_cast<BatchCall>(entries[46]);
    const auto prop = reinterpret_cast<PropCall>(entries[47]);
    static constexpr const char* kNames[] = {"P", "T", "Q", "H", "S", "V", "C", "W", "G", "K", "M", "PR", "R"};
    constexpr int kNameCount = sizeof kNames / sizeof kNames[0];
    static constexpr const char* kNameList = "P,T,Q,H,S,V,C,W,G,K,M,PR,R";
    static double in1[kSweepSteps * kSweepSteps], in2[kSweepSteps * kSweepSteps];
    static double cells[kSweepSteps * kSweepSteps * kNameCount];
    long calls = 0;
    for (const char* pair : {"PT", "PQ", "TQ", "PH", "PS"}) {
        int rows = 0;
        for (int i = 0; i < sweepCount(pair[0]); ++i) {
            for (int j = 0; j < sweepCount(pair[1]); ++j, ++rows) {
                in1[rows] = sweepValue(pair[0], i);
                in2[rows] = sweepValue(pair[1], j);
            }
        }
        for (std::int32_t unitSet : kSweepUnitSets) {
            const std::int32_t codes = batch(pair, kNameList, unitSet, rows, in1, in2, cells, 2);
            std::fprintf(out,
                         "46 StmBatch:%s:codes %016" PRIx64 " %016" PRIx64 " %" PRId32 " %016" PRIx64 " %d\n",
                         pair,
                         bitsOf(0),
                         bitsOf(0),
                         unitSet,
                         static_cast<std::uint64_t>(codes),
                         codes);
            for (int r = 0; r < rows; ++r) {
                for (int k = 0; k < kNameCount; ++k) {
                    const double c = cells[r * kNameCount + k];
                    std::fprintf(out,
                                 "46 StmBatch:%s:%s %016" PRIx64 " %016" PRIx64 " %" PRId32 " %016" PRIx64 " %.17g\n",
                                 pair,
                                 kNames[k],
                                 bitsOf(in1[r]),
                                 bitsOf(in2[r]),
                                 unitSet,
                                 bitsOf(c),
                                 c);
                    ++calls;
                }
            }
            for (const char* name : kNames) {
                const double c = prop(pair, in1[0], in2[0], name, unitSet);
                std::fprintf(out,
                             "47 StmProp:%s:%s %016" PRIx64 " %016" PRIx64 " %" PRId32 " %016" PRIx64 " %.17g\n",
                             pair,
                             name,
                             bitsOf(in1[0]),
                             bitsOf(in2[0]),
                             unitSet,
                             bitsOf(c),
                             c);
                ++calls;
            }
        }
    }
    return calls;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    if (argc != 2) return 1;
    const char* library = nullptr;
    const char* outName = argv[1];
#else
    if (argc == 4 && std::strcmp(argv[1], "compare") == 0) return compare(argv[2], argv[3]);
    if (argc != 3) return 1;
    const char* library = argv[1];
    const char* outName = argv[2];
#endif
    if (!bind(library)) return 1;
    std::FILE* out = std::fopen(outName, "wb");
    if (out == nullptr) return 1;
    long calls = 0;
    for (const ExportRow& row : kExports) {
        const int arity = static_cast<int>(std::strlen(row.inputs));
        const Grid first = arity > 0 ? gridOfLetter(row.inputs[0]) : Grid{&kNaN, 1};
        const Grid second = arity > 1 ? gridOfLetter(row.inputs[1]) : Grid{&kNaN, 1};
        for (std::int32_t unitSet : kUnitSets) {
            for (int i = 0; i < first.count; ++i) {
                for (int j = 0; j < second.count; ++j) {
                    write(out, row, arity > 0 ? first.values[i] : 0, arity > 1 ? second.values[j] : 0, unitSet);
                    ++calls;
                }
            }
        }
    }
    for (const ExportRow& row : kExports) {
        const int arity = static_cast<int>(std::strlen(row.inputs));
        if (arity == 0) continue;
        const int n1 = sweepCount(row.inputs[0]);
        const int n2 = arity > 1 ? sweepCount(row.inputs[1]) : 1;
        for (std::int32_t unitSet : kSweepUnitSets) {
            for (int i = 0; i < n1; ++i) {
                for (int j = 0; j < n2; ++j) {
                    write(
                        out, row, sweepValue(row.inputs[0], i), arity > 1 ? sweepValue(row.inputs[1], j) : 0, unitSet);
                    ++calls;
                }
            }
        }
    }
    for (const EdgeCase& edge : kEdgeCases) {
        const ExportRow* row = exportNamed(edge.name);
        if (row == nullptr) return 1;
        write(out, *row, edge.a, std::strlen(row->inputs) > 1 ? edge.b : 0, edge.unitSet);
        ++calls;
    }
    calls += writeByName(out);
    std::fclose(out);
    std::printf("%ld calls\n", calls);
    return 0;
}
