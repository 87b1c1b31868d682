// Every vaprop32 export with arbitrary doubles (NaN, infinities, denormals, huge values, limits and
// their neighbours) and arbitrary UnitSet words.
//
// Invariants of every result:
//   - a value at or below -1000 is a code of the error table, and nothing else is;
//   - a value above -1000 is finite and lies in the range of its kind (a quality in 0..1, a region
//     1, 2, 3, 5 or 0, volumes, heat capacities, speeds, transport properties and the isentropic
//     coefficient positive, an absolute pressure positive, a gauge pressure above -1 atm, a
//     temperature from 273.15 K (less the 25 mK that the fast mode's backward equations may err;
//     30 F with the 1967 equations) to 2273.15 K (plus the ITS-90/IPTS-68 difference of StmTempTI));
//   - a word whose low 16 bits exceed 32, or whose set index is 7, gives -1099;
//   - the same call made again after another call gives the same bits (no state leaks from one
//     call into the next);
//   - a value in set 0..6 equals the value of the same call in SIF (MPa, K, kJ/kg) with the inputs
//     converted by the published unit factors, converted back the same way.
// Input: export number, UnitSet, two doubles, then the same for the call made in between.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "error_codes.h"
#include "exports32.h"
#include "fuzz_support.h"

namespace {

struct Call {
    const fuzz::Export32* e;
    std::int32_t unitSet;
    double a;
    double b;
};

Call readCall(fuzz::Bytes& in) {
    Call c;
    c.e = &fuzz::kExports32[in.u8() % fuzz::kExportCount32];
    c.unitSet = fuzz::pickUnitSet(in);
    c.a = fuzz::pickDouble(in);
    c.b = fuzz::pickDouble(in);
    return c;
}

double run(const Call& c) { return c.e->one != nullptr ? c.e->one(c.a, c.unitSet) : c.e->two(c.a, c.b, c.unitSet); }

// Largest error of the IF97 backward temperatures T(p,h), T(p,s) (25 mK in region 1), and a bound of
// the ITS-90 to IPTS-68 difference at 2273.15 K.
constexpr double kBackwardError = 0.025;
constexpr double kScaleDifference = 1.0;
// 30 F less the 0.02 F a search may overshoot, in kelvin: the lowest temperature of the IFC-67 route.
constexpr double kIfc67LowestK = (30.0 - 0.02 + 459.67) / 1.8;

// Temperature in kelvin from a result in the set's unit.
double kelvin(double t, int set) {
    switch (set) {
        case 0:
        case 2: return (t + 459.67) / 1.8;
        case 3: return t;
        default: return t + 273.15;
    }
}

// The unit factors and offsets of the seven sets (u = c * factor - offset), by property letter.
struct Unit {
    char letter;
    double factor[7];
    double offset[7];
};
constexpr double kBtu = 0.42992261392949266;
constexpr double kCal = 0.23884589662749595;
constexpr Unit kUnits[] = {
    {'P', {145.0377378, 10, 145.0377378, 1, 1000, 10, 10.197162}, {0, 0, 14.6959488, 0, 0, 0, 0}},
    {'T', {1.8, 1, 1.8, 1, 1, 1, 1}, {459.67, 273.15, 459.67, 0, 273.15, 273.15, 273.15}},
    {'Q', {1, 1, 1, 1, 1, 1, 1}, {}},
    {'H', {kBtu, 1, kBtu, 1, 1, kCal, kCal}, {}},
    {'S', {kCal, 1, kCal, 1, 1, kCal, kCal}, {}},
    {'C', {kCal, 1, kCal, 1, 1, kCal, kCal}, {}},
    {'V', {16.0184634, 1, 16.0184634, 1, 1, 1, 1}, {}},
    {'W', {3.280839895013123, 1, 3.280839895013123, 1, 1, 1, 1}, {}},
    {'K', {0.577789316, 1, 0.577789316, 1, 1, 1, 0.859815228}, {}},
    {'M', {2419.08831, 1000, 2419.08831, 1, 1000, 1000, 1}, {}},
    {'G', {1, 1, 1, 1, 1, 1, 1}, {}},
    {'R', {1, 1, 1, 1, 1, 1, 1}, {}},
};

const Unit& unitOf(char letter) {
    for (const Unit& u : kUnits) {
        if (u.letter == letter) {
            return u;
        }
    }
    return kUnits[2];
}

double toCore(char letter, double u, int set) { return (u + unitOf(letter).offset[set]) / unitOf(letter).factor[set]; }
double fromCore(char letter, double c, int set) { return c * unitOf(letter).factor[set] - unitOf(letter).offset[set]; }

// The same call in SIF with converted inputs, converted back, against the result in the caller's set.
void checkUnitSet(const Call& c, double r) {
    const int set = c.unitSet & 7;
    const std::int32_t sif = (c.unitSet & ~7) | 3;
    if (set == 3 || set == 7 || static_cast<std::int16_t>(sif & 0xFFFF) > 32 || !(r > VAPROP_CODE_LIMIT)) {
        return;
    }
    const bool one = c.e->one != nullptr;
    const bool scale = std::strncmp(c.e->name, "StmTemp", 7) == 0;
    const char first = scale ? 'T' : c.e->name[3];
    const char second = one ? 'Q' : c.e->name[4];
    const Call core{c.e, sif, toCore(first, c.a, set), one ? c.b : toCore(second, c.b, set)};
    const double rc = run(core);
    if (!(rc > VAPROP_CODE_LIMIT)) {
        return;  // an input that rounds across a limit in one of the two sets
    }
    const double want = fromCore(c.e->result, rc, set);
    // Searches stop anywhere inside their tolerance, so inputs that differ in the last bits may end
    // on different iterates: relative 1e-6 for the IF97 (p,h) and (p,s) calls, 1e-4 through IFC-67.
    const bool search = !one && (c.e->name[4] == 'H' || c.e->name[4] == 'S') && c.e->name[3] == 'P';
    const double rel = !search ? 1e-9 : (c.unitSet & 8) ? 1e-4 : 1e-6;
    const double size = std::fabs(want) + unitOf(c.e->result).offset[set] + 1e-3;
    FUZZ_CHECK_MSG(std::fabs(r - want) <= rel * size,
                   "%s(%.17g, %.17g, %d) = %.17g, in SIF %s(%.17g, %.17g, %d) = %.17g -> %.17g",
                   c.e->name,
                   c.a,
                   c.b,
                   static_cast<int>(c.unitSet),
                   r,
                   c.e->name,
                   core.a,
                   core.b,
                   static_cast<int>(sif),
                   rc,
                   want);
}

void checkResult(const Call& c, double r) {
    const int set = c.unitSet & 7;
#define SHOW "%s(%.17g, %.17g, %d) = %.17g", c.e->name, c.a, c.b, static_cast<int>(c.unitSet), r
    FUZZ_CHECK_MSG(!std::isnan(r), SHOW);
    if (r <= VAPROP_CODE_LIMIT) {
        FUZZ_CHECK_MSG(vapropIsErrorCode(r) == 1, SHOW);
        return;
    }
    FUZZ_CHECK_MSG(std::isfinite(r), SHOW);
    const bool rejectedWord = static_cast<std::int16_t>(c.unitSet & 0xFFFF) > 32 || set == 7;
    FUZZ_CHECK_MSG(!rejectedWord, SHOW);
    switch (c.e->result) {
        case 'Q': FUZZ_CHECK_MSG(r >= 0.0 && r <= 1.0, SHOW); break;
        case 'R': FUZZ_CHECK_MSG(r == 0.0 || r == 1.0 || r == 2.0 || r == 3.0 || r == 5.0, SHOW); break;
        case 'V':
        case 'C':
        case 'W':
        case 'G':
        case 'K':
        case 'M': FUZZ_CHECK_MSG(r > 0.0, SHOW); break;
        case 'P': FUZZ_CHECK_MSG(set == 2 ? r > -14.6959488 : r > 0.0, SHOW); break;
        case 'T': {
            const double k = kelvin(r, set);
            // The 1967 equations answer down to their own 30 F (less what a converged search may overshoot).
            const double lowest = (c.unitSet & 8) ? kIfc67LowestK : 273.15 - kBackwardError;
            FUZZ_CHECK_MSG(k >= lowest && k <= 2273.15 + kScaleDifference, SHOW);
            break;
        }
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
    checkUnitSet(first, r1);
    const double rb = run(between);
    checkResult(between, rb);
    const double r2 = run(first);
    FUZZ_CHECK_MSG(fuzz::bitsOf(r1) == fuzz::bitsOf(r2),
                   "%s(%.17g, %.17g, %d): %.17g, after %s(%.17g, %.17g, %d) %.17g",
                   first.e->name,
                   first.a,
                   first.b,
                   static_cast<int>(first.unitSet),
                   r1,
                   between.e->name,
                   between.a,
                   between.b,
                   static_cast<int>(between.unitSet),
                   r2);
    FUZZ_CHECK(StmVer() == 3.2);
    return 0;
}
