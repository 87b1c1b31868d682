// Thermal conductivity of water and steam, IAPWS R15-11, with the critical enhancement in the
// simplified form the release recommends for industrial use with IAPWS-IF97.
#pragma once

namespace if97 {

// What the conductivity needs of a single-phase state besides T and rho: the heat capacities and
// the isothermal derivative of the density with pressure, all from IF97.
struct ConductivityInputs {
    double T;       // K
    double rho;     // kg/m3
    double cp;      // kJ/(kg K)
    double cv;      // kJ/(kg K)
    double drhodp;  // (d rho/d p)_T, (kg/m3)/MPa
};

// Thermal conductivity (W/(m K)); the equation itself, without range checks. mu is the industrial
// IAPWS 2008 viscosity (Pa s) at (T, rho).
double conductivity11(const ConductivityInputs& in, double mu) noexcept;

// The part without the critical enhancement, lambda0 lambda1 (W/(m K)), at (T, rho).
double conductivity11Background(double T, double rho) noexcept;

}  // namespace if97
