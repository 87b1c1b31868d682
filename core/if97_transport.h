// IF97Transport: dynamic viscosity and thermal conductivity of water and steam
// by the industrial equations of the IAPS 1985 formulations.
#pragma once

#include "status.h"

namespace if97 {

class IF97Transport {
  public:
    IF97Transport() noexcept = default;
    IF97Transport(const IF97Transport&) noexcept = default;
    IF97Transport& operator=(const IF97Transport&) noexcept = default;
    virtual ~IF97Transport();

    // Store and check p (0 .. 110.32 MPa), then T (273.15 .. 2273.15 K), store v
    // (m3/kg) unchecked, refuse p > 10 MPa with T > 1073.15 K
    // (status::TransportRange), then compute. A failed step leaves the
    // previous results in place.
    void computeConductivity(double p, double T, double v) noexcept;
    void computeViscosity(double p, double T, double v) noexcept;

    // The value, or the status (as a double) when it is non-zero.
    double conductivity() const noexcept;  // W/(m K)
    double viscosity() const noexcept;     // Pa s
    int status() const noexcept { return status_; }

  private:
    bool checkInputs(double p, double T, double v) noexcept;

    double p_ = 0.0;             // MPa
    double T_ = 0.0;             // K
    double v_ = 0.0;             // m3/kg
    double viscosity_ = 0.0;     // Pa s
    double conductivity_ = 0.0;  // W/(m K)
    int status_ = 0;
};

// The equations themselves, without range checks: T in K, v in m3/kg.
double viscosityIAPS85(double T, double v) noexcept;     // Pa s
double conductivityIAPS85(double T, double v) noexcept;  // W/(m K)

}  // namespace if97
