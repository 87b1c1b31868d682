// Exports that need no property state: the temperature-scale conversions and the version.
#include "temperature_scale.h"
#include "unit_set_word.h"
#include "unit_sets.h"
#include "vaprop32.h"

namespace {

using namespace vaprop;

// UnitSet check, input conversion of T, scale conversion on kelvin, output conversion of T.
template <double (*Convert)(double) noexcept>
double convertScale(double T, std::int32_t word) {
    if (unitSetRefused(word)) return kInvalidUnitSet;
    const int set = decodeUnitSet(word).set;
    double kelvin = 0.0;
    if (const int code = toInternalT(T, set, kelvin); code != 0) return code;
    return fromInternalT(Convert(kelvin), set);
}

}  // namespace

extern "C" {

double VAPROP_CALL StmTempTI(double T, int32_t UnitSet) { return convertScale<its90ToIpts68>(T, UnitSet); }
double VAPROP_CALL StmTempIT(double T, int32_t UnitSet) { return convertScale<ipts68ToIts90>(T, UnitSet); }
double VAPROP_CALL StmVer(void) { return 3.2; }

}  // extern "C"
