// Steam at 3.5 kPa, 300 K by IF97 (IF97 Table 15: h = 2549.91145 kJ/kg), a refused input, vaprop67's version.
#include <iomanip>
#include <iostream>
#include <vaprop32.h>
#include <vaprop67.h>

int main() {
    const double h = StmPTH(0.0035, 300.0, 3), cold = StmPTH(0.0035, 200.0, 3);  // SIF: MPa, K, kJ/kg
    std::cout << std::fixed << std::setprecision(5) << "h = " << h << " kJ/kg, code at 200 K: " << std::setprecision(0)
              << cold << ", vaprop67 version " << std::setprecision(1) << Stm67Ver() << '\n';
    return h > -1000.0 && cold == -1100.0 ? 0 : 1;
}
