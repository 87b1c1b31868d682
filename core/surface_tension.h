// Surface tension of water against its vapour, IAPWS R1-76 (revision of 2014).
#pragma once

namespace if97 {

// Surface tension (N/m) at T (K) from 273.16 K (the triple point, within 1e-9 K) to 647.096 K (the critical point,
// where it is 0); status::TemperatureLow below (or for a NaN), status::AboveCriticalTemperature above.
double surfaceTension(double T) noexcept;

}  // namespace if97
