// The 23 exports of vaprop67 and its start-up. Every call works on a record of its own, a copy of the
// start-up record; the start-up record is written once when the library is loaded and only read
// afterwards, so calls from any number of threads may overlap.
#include "vaprop67.h"

#include "calls67.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// The record as the start-up leaves it (the reference offsets): written once at load, read-only after.
ifc67::IFC67Working g_started;

// Writes the reference offsets into the start-up record; runs once when the library is loaded.
void startLibrary() noexcept { ifc67::startWorking67(g_started); }

// The working record of one call.
ifc67::IFC67Working working() noexcept { return g_started; }

using ifc67::Answer;
using ifc67::Given;
using ifc67::Property;

}  // namespace

#if defined(_WIN32)
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) startLibrary();
    return TRUE;
}
#else
// The loader runs this when the shared object is loaded, as the process-attach entry does on Windows.
__attribute__((constructor)) static void vaprop67Attach() { startLibrary(); }
#endif

extern "C" {

double VAPROP67_CALL Stm67Ver(void) { return ifc67::kVersion; }
double VAPROP67_CALL Stm67TP(double t) { return ifc67::callTP(t); }
double VAPROP67_CALL Stm67PT(double p) { return ifc67::callPT(p); }

double VAPROP67_CALL Stm67PTV(double p, double t) {
    auto w = working();
    return ifc67::callPTProperty(w, p, t, Property::Volume);
}
double VAPROP67_CALL Stm67PTH(double p, double t) {
    auto w = working();
    return ifc67::callPTProperty(w, p, t, Property::Enthalpy);
}
double VAPROP67_CALL Stm67PTS(double p, double t) {
    auto w = working();
    return ifc67::callPTProperty(w, p, t, Property::Entropy);
}
double VAPROP67_CALL Stm67PTC(double p, double t) {
    auto w = working();
    return ifc67::callPTProperty(w, p, t, Property::HeatCapacity);
}

double VAPROP67_CALL Stm67PHT(double p, double h) {
    auto w = working();
    return ifc67::callBackward(w, p, h, Given::Enthalpy, Answer::Temperature);
}
double VAPROP67_CALL Stm67PHQ(double p, double h) {
    auto w = working();
    return ifc67::callBackward(w, p, h, Given::Enthalpy, Answer::Quality);
}
double VAPROP67_CALL Stm67PHV(double p, double h) {
    auto w = working();
    return ifc67::callBackward(w, p, h, Given::Enthalpy, Answer::Volume);
}
double VAPROP67_CALL Stm67PHS(double p, double h) {
    auto w = working();
    return ifc67::callBackward(w, p, h, Given::Enthalpy, Answer::Other);
}
double VAPROP67_CALL Stm67PST(double p, double s) {
    auto w = working();
    return ifc67::callBackward(w, p, s, Given::Entropy, Answer::Temperature);
}
double VAPROP67_CALL Stm67PSQ(double p, double s) {
    auto w = working();
    return ifc67::callBackward(w, p, s, Given::Entropy, Answer::Quality);
}
double VAPROP67_CALL Stm67PSV(double p, double s) {
    auto w = working();
    return ifc67::callBackward(w, p, s, Given::Entropy, Answer::Volume);
}
double VAPROP67_CALL Stm67PSH(double p, double s) {
    auto w = working();
    return ifc67::callBackward(w, p, s, Given::Entropy, Answer::Other);
}

double VAPROP67_CALL Stm67PQV(double p, double x) {
    auto w = working();
    return ifc67::callPQProperty(w, p, x, Property::Volume);
}
double VAPROP67_CALL Stm67PQH(double p, double x) {
    auto w = working();
    return ifc67::callPQProperty(w, p, x, Property::Enthalpy);
}
double VAPROP67_CALL Stm67PQS(double p, double x) {
    auto w = working();
    return ifc67::callPQProperty(w, p, x, Property::Entropy);
}
double VAPROP67_CALL Stm67PQC(double p, double x) {
    auto w = working();
    return ifc67::callPQProperty(w, p, x, Property::HeatCapacity);
}

double VAPROP67_CALL Stm67TQV(double t, double x) {
    auto w = working();
    return ifc67::callTQProperty(w, t, x, Property::Volume);
}
double VAPROP67_CALL Stm67TQH(double t, double x) {
    auto w = working();
    return ifc67::callTQProperty(w, t, x, Property::Enthalpy);
}
double VAPROP67_CALL Stm67TQS(double t, double x) {
    auto w = working();
    return ifc67::callTQProperty(w, t, x, Property::Entropy);
}
double VAPROP67_CALL Stm67TQC(double t, double x) {
    auto w = working();
    return ifc67::callTQProperty(w, t, x, Property::HeatCapacity);
}

}  // extern "C"
