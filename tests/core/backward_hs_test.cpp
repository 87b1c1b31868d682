// The (h,s) backward and boundary equations of IAPWS SR2-01 and SR4-04 against the releases'
// verification tables (the SR3-03 T(p,h), v(p,h) that start a region 3 state are tested with the
// region 3 backward equations). The printed values
// are the equations' own output, so each must round to the printed ten significant digits.
#include <gtest/gtest.h>

#include "backward_hs.h"
#include "test_support.h"

namespace if97 {
namespace {

constexpr int kTenDigits = 10;

// One verification value: the equation (by name), its one or two inputs, the printed result.
struct Row {
    const char* equation;
    double (*f)(double, double);
    double a;
    double b;
    double printed;
};

double h2abOf(double s, double) { return hs::h2ab(s); }
double hLiq1Of(double s, double) { return hs::hLiq1(s); }
double hLiq3aOf(double s, double) { return hs::hLiq3a(s); }
double hVap2abOf(double s, double) { return hs::hVap2ab(s); }
double hVap2c3bOf(double s, double) { return hs::hVap2c3b(s); }
double hB13Of(double s, double) { return hs::hB13(s); }

const Row kRows[] = {
    // SR2-01 Table 3: p1(h,s), MPa.
    {"p1", hs::p1, 0.001, 0.0, 9.800980612e-4},
    {"p1", hs::p1, 90.0, 0.0, 9.192954727e1},
    {"p1", hs::p1, 1500.0, 3.4, 5.868294423e1},
    // SR2-01, text of Eq. 2: h2ab(s), kJ/kg.
    {"h2ab", h2abOf, 7.0, 0.0, 3.376437884e3},
    // SR2-01 Table 9: p2a, p2b, p2c(h,s), MPa; each row also through the subregion choice of p2.
    {"p2a", hs::p2a, 2800.0, 6.5, 1.371012767},
    {"p2a", hs::p2a, 2800.0, 9.5, 1.879743844e-3},
    {"p2a", hs::p2a, 4100.0, 9.5, 1.024788997e-1},
    {"p2b", hs::p2b, 2800.0, 6.0, 4.793911442},
    {"p2b", hs::p2b, 3600.0, 6.0, 8.395519209e1},
    {"p2b", hs::p2b, 3600.0, 7.0, 7.527161441},
    {"p2c", hs::p2c, 2800.0, 5.1, 9.439202060e1},
    {"p2c", hs::p2c, 2800.0, 5.8, 8.414574124},
    {"p2c", hs::p2c, 3400.0, 5.8, 8.376903879e1},
    {"p2", hs::p2, 2800.0, 6.5, 1.371012767},
    {"p2", hs::p2, 2800.0, 9.5, 1.879743844e-3},
    {"p2", hs::p2, 4100.0, 9.5, 1.024788997e-1},
    {"p2", hs::p2, 2800.0, 6.0, 4.793911442},
    {"p2", hs::p2, 3600.0, 6.0, 8.395519209e1},
    {"p2", hs::p2, 3600.0, 7.0, 7.527161441},
    {"p2", hs::p2, 2800.0, 5.1, 9.439202060e1},
    {"p2", hs::p2, 2800.0, 5.8, 8.414574124},
    {"p2", hs::p2, 3400.0, 5.8, 8.376903879e1},
    // SR4-04 Table 5: p3a, p3b(h,s), MPa; and through the subregion choice of p3 (3a when s <= sc).
    {"p3a", hs::p3a, 1700.0, 3.8, 2.555703246e1},
    {"p3a", hs::p3a, 2000.0, 4.2, 4.540873468e1},
    {"p3a", hs::p3a, 2100.0, 4.3, 6.078123340e1},
    {"p3b", hs::p3b, 2600.0, 5.1, 3.434999263e1},
    {"p3b", hs::p3b, 2400.0, 4.7, 6.363924887e1},
    {"p3b", hs::p3b, 2700.0, 5.0, 8.839043281e1},
    {"p3", hs::p3, 2100.0, 4.3, 6.078123340e1},
    {"p3", hs::p3, 2400.0, 4.7, 6.363924887e1},
    // SR4-04 Table 11: h'1(s), h'3a(s), kJ/kg.
    {"h'1", hLiq1Of, 1.0, 0.0, 3.085509647e2},
    {"h'1", hLiq1Of, 2.0, 0.0, 7.006304472e2},
    {"h'1", hLiq1Of, 3.0, 0.0, 1.198359754e3},
    {"h'3a", hLiq3aOf, 3.8, 0.0, 1.685025565e3},
    {"h'3a", hLiq3aOf, 4.0, 0.0, 1.816891476e3},
    {"h'3a", hLiq3aOf, 4.2, 0.0, 1.949352563e3},
    // SR4-04 Table 18: h''2ab(s), h''2c3b(s), kJ/kg.
    {"h''2ab", hVap2abOf, 7.0, 0.0, 2.723729985e3},
    {"h''2ab", hVap2abOf, 8.0, 0.0, 2.599047210e3},
    {"h''2ab", hVap2abOf, 9.0, 0.0, 2.511861477e3},
    {"h''2c3b", hVap2c3bOf, 5.5, 0.0, 2.687693850e3},
    {"h''2c3b", hVap2c3bOf, 5.0, 0.0, 2.451623609e3},
    {"h''2c3b", hVap2c3bOf, 4.5, 0.0, 2.144360448e3},
    // SR4-04 Table 24: hB13(s), kJ/kg.
    {"hB13", hB13Of, 3.7, 0.0, 1.632525047e3},
    {"hB13", hB13Of, 3.6, 0.0, 1.593027214e3},
    {"hB13", hB13Of, 3.5, 0.0, 1.566104611e3},
    // SR4-04 Table 26: TB23(h,s), K.
    {"TB23", hs::TB23, 2600.0, 5.1, 7.135259364e2},
    {"TB23", hs::TB23, 2700.0, 5.15, 7.685345532e2},
    {"TB23", hs::TB23, 2800.0, 5.2, 8.176202120e2},
    // SR4-04 Table 29: Tsat(h,s), K.
    {"Tsat", hs::Tsat, 1800.0, 5.3, 3.468475498e2},
    {"Tsat", hs::Tsat, 2400.0, 6.0, 4.251373305e2},
    {"Tsat", hs::Tsat, 2500.0, 5.5, 5.225579013e2},
};

TEST(BackwardHS, VerificationTables) {
    for (const Row& r : kRows) {
        EXPECT_TRUE(test::matchesPrinted(r.f(r.a, r.b), r.printed, kTenDigits))
            << r.equation << "(" << r.a << ", " << r.b << ")";
    }
}

}  // namespace
}  // namespace if97
