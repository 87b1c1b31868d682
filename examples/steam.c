/* Enthalpy of compressed water at 3 MPa, 300 K by IF97 (IF97 Table 5: 115.331273 kJ/kg). */
#include <stdio.h>
#include <vaprop32.h>

int main(void) {
    double h = StmPTH(3.0, 300.0, 3); /* UnitSet 3 (SIF): MPa, K, kJ/kg */
    if (h <= -1000.0) {
        fprintf(stderr, "vaprop32 error code %.0f\n", h);
        return 1;
    }
    printf("h = %.6f kJ/kg\n", h);
    return 0;
}
