// StmBatch and StmProp with arbitrary pair and name strings, counts, thread numbers, UnitSet words,
// null pointers and inputs.
//
// Invariants:
//   - a refused call returns one of its refusal codes and touches no cell of out;
//   - an accepted call writes exactly count rows of as many cells as names, nothing past them, and
//     returns the number of cells at or below -1000;
//   - a cell whose pair and name have an export holds that export's bits; any other cell is a code
//     of the error table or a finite value;
//   - StmProp of a row's inputs and a name has the bits of that row's cell.
// Input: mode byte, pair, names, UnitSet, count, threads, then two doubles per row.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "error_codes.h"
#include "exports32.h"
#include "fuzz_support.h"
#include "vaprop32.h"

namespace {

constexpr const char* kPairs[] = {"PT", "PQ", "TQ", "PH", "PS", "TP", "QP", "qt", "hP", "sp", "PX", "HS", "P", ""};
constexpr const char* kNames[] = {"P", "T", "Q",  "H", "S",  "V",  "C",  "W", "G", "K",
                                  "M", "R", "PR", "h", "pr", " T", "S ", "X", "",  "HS"};
constexpr int kRowsMax = 48;
constexpr int kGuard = 8;
constexpr double kUntouched = -7.25;  // a value no call returns

bool isRefusal(std::int32_t rc) {
    return rc == VAPROP_UNKNOWN_PAIR || rc == VAPROP_UNKNOWN_PROPERTY || rc == VAPROP_INVALID_COUNT ||
           rc == VAPROP_NULL_POINTER || rc == VAPROP_INVALID_UNIT_SET;
}

std::string upper(std::string s) {
    for (char& c : s) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return s;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The export of a pair (in the order of the export names) and a result letter, or none.
const fuzz::Export32* exportOf(const std::string& pair, const std::string& name) {
    if (name.size() != 1) return nullptr;
    const std::string wanted = "Stm" + pair + name;
    for (const fuzz::Export32& e : fuzz::kExports32) {
        if (e.two != nullptr && wanted == e.name) return &e;
    }
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.u8();
    // The pair: a known text (also misspelt ones), or raw bytes.
    std::string pair = (mode & 1) ? std::string(in.text(in.u8() % 5)) : kPairs[in.u8() % std::size(kPairs)];
    pair = pair.substr(0, pair.find('\0'));
    // The names: a list of known texts (empty ones and unknown ones among them), or raw bytes.
    std::string props;
    std::vector<std::string> names;
    if (mode & 2) {
        props = std::string(in.text(in.u8() % 16));
        props = props.substr(0, props.find('\0'));
    } else {
        const int n = in.u8() % 70;
        for (int i = 0; i < n; ++i) {
            names.emplace_back(kNames[in.u8() % std::size(kNames)]);
            props += (i ? "," : "") + names.back();
        }
    }
    const std::int32_t word = fuzz::pickUnitSet(in);
    const std::uint8_t countByte = in.u8();
    const std::int32_t count = countByte >= 250 ? -static_cast<std::int32_t>(countByte) : countByte % (kRowsMax + 1);
    const std::uint8_t threadByte = in.u8();
    const std::int32_t threads = threadByte >= 250 ? -1 : threadByte % 5;
    std::vector<double> in1(kRowsMax), in2(kRowsMax);
    for (int i = 0; i < kRowsMax && in.remaining() > 0; ++i) {
        in1[static_cast<std::size_t>(i)] = fuzz::pickDouble(in);
        in2[static_cast<std::size_t>(i)] = fuzz::pickDouble(in);
    }
    const bool nullIn = (mode & 4) != 0 && (mode & 8) != 0;
    const bool nullOut = (mode & 16) != 0 && (mode & 32) != 0;
    const std::size_t cellsMax = static_cast<std::size_t>(kRowsMax) * 64;
    std::vector<double> out(cellsMax + kGuard, kUntouched);

    const std::int32_t rc = StmBatch((mode & 64) && (mode & 128) ? nullptr : pair.c_str(),
                                     props.c_str(),
                                     word,
                                     count,
                                     nullIn ? nullptr : in1.data(),
                                     in2.data(),
                                     nullOut ? nullptr : out.data(),
                                     threads);
    if (rc < 0) {
        FUZZ_CHECK(isRefusal(rc));
        for (const double c : out) FUZZ_CHECK(c == kUntouched);
        return 0;
    }
    FUZZ_CHECK(count >= 0);
    // Cells written: count rows of as many cells as names; the number of names from the text itself.
    std::size_t n = 1;
    for (const char c : props) n += c == ',';
    const std::size_t written = static_cast<std::size_t>(count) * n;
    FUZZ_CHECK(written <= cellsMax);
    std::int32_t codes = 0;
    for (std::size_t k = 0; k < out.size(); ++k) {
        if (k >= written) {
            FUZZ_CHECK(out[k] == kUntouched);
            continue;
        }
        FUZZ_CHECK_MSG(!std::isnan(out[k]) && (out[k] > VAPROP_CODE_LIMIT || vapropIsErrorCode(out[k])),
                       "cell %zu of %s/%s = %.17g",
                       k,
                       pair.c_str(),
                       props.c_str(),
                       out[k]);
        codes += out[k] > VAPROP_CODE_LIMIT ? 0 : 1;
    }
    FUZZ_CHECK(rc == codes);
    if (names.empty() || count == 0) return 0;

    // Cells of pairs and names with an export, and StmProp, against their export.
    std::string straight = upper(trim(pair));
    const bool swapped =
        straight == "TP" || straight == "QP" || straight == "QT" || straight == "HP" || straight == "SP";
    if (swapped) std::swap(straight[0], straight[1]);
    for (int i = 0; i < count; ++i) {
        const double a = in1[static_cast<std::size_t>(i)];
        const double b = in2[static_cast<std::size_t>(i)];
        const double u1 = swapped ? b : a;
        const double u2 = swapped ? a : b;
        for (std::size_t j = 0; j < n; ++j) {
            const double cell = out[static_cast<std::size_t>(i) * n + j];
            if (const fuzz::Export32* e = exportOf(straight, upper(trim(names[j])))) {
                const double expected = e->two(u1, u2, word);
                FUZZ_CHECK_MSG(fuzz::bitsOf(cell) == fuzz::bitsOf(expected),
                               "%s(%.17g, %.17g, %d): cell %.17g, export %.17g",
                               e->name,
                               u1,
                               u2,
                               static_cast<int>(word),
                               cell,
                               expected);
            }
            if (i == 0) {
                const double one = StmProp(pair.c_str(), a, b, names[j].c_str(), word);
                FUZZ_CHECK(fuzz::bitsOf(one) == fuzz::bitsOf(cell));
            }
        }
    }
    return 0;
}
