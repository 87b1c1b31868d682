// Every vaprop67 export with arbitrary doubles.
//
// Invariants of every result:
//   - a value at or below -1000 is one of the library's six codes (-1300, -1500, -1600, -1700,
//     -1800, -1900), and nothing else is;
//   - a value above -1000 is finite and in the range of its kind (quality 0..1, volume and heat
//     capacity positive, saturation pressure positive, a saturation temperature in 30..705.47 F, a
//     searched temperature in 30..1600 F give or take the searches' 0.02 F);
//   - the same call made again after another call gives the same bits: the one working record
//     carries nothing from one call into the next.
// Input: export number and two doubles, then the same for the call made in between.
#include <cmath>
#include <cstdint>

#include "fuzz_support.h"
#include "vaprop67.h"

namespace {

using Call67One = double(VAPROP67_CALL*)(double);
using Call67Two = double(VAPROP67_CALL*)(double, double);

struct Export67 {
    const char* name;
    Call67One one;
    Call67Two two;
    char result;
};

#define FUZZ67_ONE(n, letter) \
    { #n, n, nullptr, letter }
#define FUZZ67_TWO(n, letter) \
    { #n, nullptr, n, letter }

// Stm67Ver is called separately (no inputs).
constexpr Export67 kExports67[] = {
    FUZZ67_ONE(Stm67TP, 'P'),  FUZZ67_ONE(Stm67PT, 'T'),  FUZZ67_TWO(Stm67PTV, 'V'), FUZZ67_TWO(Stm67PTH, 'H'),
    FUZZ67_TWO(Stm67PTS, 'S'), FUZZ67_TWO(Stm67PTC, 'C'), FUZZ67_TWO(Stm67PHT, 'T'), FUZZ67_TWO(Stm67PHQ, 'Q'),
    FUZZ67_TWO(Stm67PHV, 'V'), FUZZ67_TWO(Stm67PHS, 'S'), FUZZ67_TWO(Stm67PST, 'T'), FUZZ67_TWO(Stm67PSQ, 'Q'),
    FUZZ67_TWO(Stm67PSV, 'V'), FUZZ67_TWO(Stm67PSH, 'H'), FUZZ67_TWO(Stm67PQV, 'V'), FUZZ67_TWO(Stm67PQH, 'H'),
    FUZZ67_TWO(Stm67PQS, 'S'), FUZZ67_TWO(Stm67PQC, 'C'), FUZZ67_TWO(Stm67TQV, 'V'), FUZZ67_TWO(Stm67TQH, 'H'),
    FUZZ67_TWO(Stm67TQS, 'S'), FUZZ67_TWO(Stm67TQC, 'C'),
};
constexpr int kExportCount67 = sizeof kExports67 / sizeof kExports67[0];
static_assert(kExportCount67 == 22, "23 exports less Stm67Ver");

#undef FUZZ67_ONE
#undef FUZZ67_TWO

struct Call {
    const Export67* e;
    double a;
    double b;
};

Call readCall(fuzz::Bytes& in) {
    Call c;
    c.e = &kExports67[in.u8() % kExportCount67];
    c.a = fuzz::pickDouble(in);
    c.b = fuzz::pickDouble(in);
    return c;
}

double run(const Call& c) { return c.e->one != nullptr ? c.e->one(c.a) : c.e->two(c.a, c.b); }

bool isCode67(double r) {
    return r == -1300.0 || r == -1500.0 || r == -1600.0 || r == -1700.0 || r == -1800.0 || r == -1900.0;
}

void checkResult(const Call& c, double r) {
#define SHOW "%s(%.17g, %.17g) = %.17g", c.e->name, c.a, c.b, r
    FUZZ_CHECK_MSG(!std::isnan(r), SHOW);
    if (r <= -1000.0) {
        FUZZ_CHECK_MSG(isCode67(r), SHOW);
        return;
    }
    FUZZ_CHECK_MSG(std::isfinite(r), SHOW);
    switch (c.e->result) {
        case 'Q': FUZZ_CHECK_MSG(r >= 0.0 && r <= 1.0, SHOW); break;
        case 'V':
        case 'C':
        case 'P': FUZZ_CHECK_MSG(r > 0.0, SHOW); break;
        case 'T':
            // Saturation temperatures lie in 30..705.47 F; a search may overshoot 30..1600 F by 0.02 F.
            FUZZ_CHECK_MSG(c.e->one != nullptr ? (r >= 30.0 && r <= 705.47) : (r >= 29.98 && r <= 1600.02), SHOW);
            break;
        default: break;
    }
#undef SHOW
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const Call first = readCall(in);
    const Call between = readCall(in);

    const double r1 = run(first);
    checkResult(first, r1);
    const double rb = run(between);
    checkResult(between, rb);
    const double r2 = run(first);
    FUZZ_CHECK_MSG(fuzz::bitsOf(r1) == fuzz::bitsOf(r2),
                   "%s(%.17g, %.17g): %.17g, after %s(%.17g, %.17g) %.17g",
                   first.e->name,
                   first.a,
                   first.b,
                   r1,
                   between.e->name,
                   between.a,
                   between.b,
                   r2);
    FUZZ_CHECK(Stm67Ver() == 1.1);
    return 0;
}
