// The by-name calls of vaprop32: StmBatch (many states, many properties, spread over threads) and
// StmProp (one property of one state). The names are read once per call; every cell then takes the
// steps of the exports (state_call.h), so a cell holds the bits of the export of its pair and letter.
#include "error_codes.h"
#include "parallel_rows.h"
#include "state_call.h"
#include "vaprop32.h"

#include "status.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

using namespace vaprop;

// The codes the state layer gives for the pairs and names beyond the exports are the table's.
static_assert(if97::status::AmbiguousState == VAPROP_AMBIGUOUS_STATE);
static_assert(steam::kNotInIFC67 == VAPROP_NOT_IN_IFC67);

// Names in one list at most.
constexpr std::size_t kNamesMax = 64;

constexpr bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) noexcept {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

struct NameList {
    std::array<const PropertyName*, kNamesMax> rows{};
    std::size_t count = 0;
    steam::PropertyMask mask = 0;
};

// "T, H,s": comma-separated names, blanks around each allowed, case ignored; 0 or the code.
int readNames(std::string_view text, NameList& list) noexcept {
    while (true) {
        const std::size_t comma = text.find(',');
        const PropertyName* row = findPropertyName(trimmed(text.substr(0, comma)));
        if (row == nullptr || list.count == kNamesMax) return VAPROP_UNKNOWN_PROPERTY;
        list.rows[list.count++] = row;
        list.mask |= steam::maskOf(row->property);
        if (comma == std::string_view::npos) return 0;
        text.remove_prefix(comma + 1);
    }
}

const PairName* readPair(const char* text, bool& swapped) noexcept { return findPairName(trimmed(text), swapped); }

// A UnitSet word whose every cell would be -1099: above 32, or set index 7.
bool unitSetInvalid(std::int32_t word) noexcept { return unitSetRefused(word) || (word & 7) == 7; }

struct BatchJob {
    const PairName* pair;
    bool swapped;
    const NameList* names;
    std::int32_t word;
    const double* in1;
    const double* in2;
    double* out;
};

// The rows [begin, end) of a batch; returns the number of cells that hold a code.
std::int64_t batchRows(const void* context, std::int32_t begin, std::int32_t end) noexcept {
    const BatchJob& job = *static_cast<const BatchJob*>(context);
    const std::size_t n = job.names->count;
    std::int64_t codes = 0;
    for (std::int32_t i = begin; i < end; ++i) {
        const double u1 = job.swapped ? job.in2[i] : job.in1[i];
        const double u2 = job.swapped ? job.in1[i] : job.in2[i];
        double* row = job.out + static_cast<std::size_t>(i) * n;
        const ConvertedInputs in = convertInputs(*job.pair, u1, u2, job.word);
        if (in.code != 0) {
            for (std::size_t j = 0; j < n; ++j) row[j] = in.code;
            codes += static_cast<std::int64_t>(n);
            continue;
        }
        const steam::State st = solveConverted(*job.pair, in, job.names->mask);
        for (std::size_t j = 0; j < n; ++j) {
            row[j] = cellOf(st, *job.names->rows[j], in, u1, u2);
            codes += isCode(row[j]) ? 1 : 0;
        }
    }
    return codes;
}

}  // namespace

extern "C" {

int32_t VAPROP_CALL StmBatch(const char* pair, const char* props, int32_t UnitSet, int32_t count, const double* in1,
                             const double* in2, double* out, int32_t threads) {
    if (pair == nullptr || props == nullptr) return VAPROP_NULL_POINTER;
    bool swapped = false;
    const PairName* pairRow = readPair(pair, swapped);
    if (pairRow == nullptr) return VAPROP_UNKNOWN_PAIR;
    NameList names;
    if (readNames(props, names) != 0) return VAPROP_UNKNOWN_PROPERTY;
    if (count < 0 || threads < 0) return VAPROP_INVALID_COUNT;
    if (count > 0 && (in1 == nullptr || in2 == nullptr || out == nullptr)) return VAPROP_NULL_POINTER;
    if (unitSetInvalid(UnitSet)) return VAPROP_INVALID_UNIT_SET;
    const BatchJob job{pairRow, swapped, &names, UnitSet, in1, in2, out};
    const int workers = threads == 0 ? processorCount() : threads;
    const std::int64_t codes = runInChunks(batchRows, &job, count, workers);
    return static_cast<int32_t>(std::min<std::int64_t>(codes, std::numeric_limits<int32_t>::max()));
}

double VAPROP_CALL StmProp(const char* pair, double in1, double in2, const char* prop, int32_t UnitSet) {
    if (pair == nullptr || prop == nullptr) return VAPROP_NULL_POINTER;
    bool swapped = false;
    const PairName* pairRow = readPair(pair, swapped);
    if (pairRow == nullptr) return VAPROP_UNKNOWN_PAIR;
    const PropertyName* propRow = findPropertyName(trimmed(prop));
    if (propRow == nullptr) return VAPROP_UNKNOWN_PROPERTY;
    const double u1 = swapped ? in2 : in1;
    const double u2 = swapped ? in1 : in2;
    const ConvertedInputs in = convertInputs(*pairRow, u1, u2, UnitSet);
    if (in.code != 0) return in.code;
    return cellOf(solveConverted(*pairRow, in, steam::maskOf(propRow->property)), *propRow, in, u1, u2);
}

}  // extern "C"
