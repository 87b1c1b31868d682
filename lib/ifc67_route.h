// The IFC-67 route of the property exports (UnitSet bit 8): each route takes the call's inputs in core
// units, computes with vaprop67 in English units (set 0) and returns the result in core units, or the
// library's error code unchanged. Without vaprop67 in the build every route is null and the exports
// compute by IF97.
#ifndef VAPROP_LIB_IFC67_ROUTE_H
#define VAPROP_LIB_IFC67_ROUTE_H

#ifndef VAPROP_HAVE_IFC67
#define VAPROP_HAVE_IFC67 0
#endif

namespace vaprop {

// The state handed to the transport equations: p in MPa, T in K, v in m3/kg.
struct TransportState {
    double p;
    double T;
    double v;
};

using Route67One = double (*)(double a) noexcept;
using Route67 = double (*)(double a, double b) noexcept;
// Fills the transport state and returns v, or a code (then the state is incomplete).
using TransportRoute67 = double (*)(double a, double b, TransportState& st) noexcept;

// X(name, kind): one line per route; kind One, Two or Transport.
#define VAPROP_ROUTES67(X)                                                                          \
    X(TP, One) X(PT, One)                                                                           \
    X(PTH, Two) X(PTS, Two) X(PTV, Two) X(PTC, Two)                                                 \
    X(PQH, Two) X(PQS, Two) X(PQV, Two) X(PQC, Two)                                                 \
    X(TQH, Two) X(TQS, Two) X(TQV, Two) X(TQC, Two)                                                 \
    X(PHT, Two) X(PHQ, Two) X(PHS, Two) X(PHV, Two) X(PHC, Two)                                     \
    X(PST, Two) X(PSQ, Two) X(PSH, Two) X(PSV, Two) X(PSC, Two)                                     \
    X(PTTransport, Transport) X(PQTransport, Transport) X(TQTransport, Transport)

#define VAPROP_ROUTE67_TYPE_One Route67One
#define VAPROP_ROUTE67_TYPE_Two Route67
#define VAPROP_ROUTE67_TYPE_Transport TransportRoute67
#define VAPROP_ROUTE67_SIG_One (double a) noexcept
#define VAPROP_ROUTE67_SIG_Two (double a, double b) noexcept
#define VAPROP_ROUTE67_SIG_Transport (double a, double b, TransportState& st) noexcept

#if VAPROP_HAVE_IFC67
#define VAPROP_ROUTE67_DECLARE(name, kind)                         \
    double route67##name VAPROP_ROUTE67_SIG_##kind;                \
    inline constexpr VAPROP_ROUTE67_TYPE_##kind kRoute67##name = route67##name;
#else
#define VAPROP_ROUTE67_DECLARE(name, kind) \
    inline constexpr VAPROP_ROUTE67_TYPE_##kind kRoute67##name = nullptr;
#endif

VAPROP_ROUTES67(VAPROP_ROUTE67_DECLARE)
#undef VAPROP_ROUTE67_DECLARE

}  // namespace vaprop

#endif
