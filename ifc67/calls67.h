// The library's calls on a given working record: range checks in the documented order, then the
// forward or backward evaluation.  Each export applies them to a working record of its own.
#pragma once

#include "backward67.h"
#include "forward67.h"
#include "working67.h"

namespace ifc67 {

// What a (p,h) or (p,s) call returns.
enum class Answer { Temperature, Quality, Volume, Other };  // Other: s from (p,h), h from (p,s)

inline constexpr double kVersion = 1.1;

double callTP(double tF) noexcept;
double callPT(double p) noexcept;
double callPTProperty(IFC67Working& w, double p, double tF, Property prop) noexcept;
double callPQProperty(IFC67Working& w, double p, double x, Property prop) noexcept;
double callTQProperty(IFC67Working& w, double tF, double x, Property prop) noexcept;
double callBackward(IFC67Working& w, double p, double given, Given kind, Answer answer) noexcept;

}  // namespace ifc67
