// The one-point report: every chosen property with its unit text, as a table, CSV or JSON.
#ifndef VAPCALC_POINT_OUTPUT_H
#define VAPCALC_POINT_OUTPUT_H

#include "command_line.h"
#include "properties.h"

#include <string>
#include <vector>

namespace vapcalc {

struct PointRow {
    Property property;
    std::string_view name;  // the table's name; the speed of sound of a wet state is the critical flow velocity
    double value;           // value in the set's units, or a code
    std::string_view unit;
};

struct PointReport {
    Pair pair;
    double first;
    double second;
    std::int32_t unitSet;
    std::vector<PointRow> rows;
};

// Evaluates the chosen properties of the state of `options` (whose state code is 0).
PointReport evaluatePoint(const Options& options);

// "IF97, unit set SI", "IFC-67, unit set Eng, fast": formulation, set name and fast flag.
std::string describeUnitSet(std::int32_t unitSet);

std::string formatTable(const PointReport& report, int digits);
std::string formatCsv(const PointReport& report, int digits);
std::string formatJson(const PointReport& report, int digits);
std::string formatPoint(const PointReport& report, Format format, int digits);

}  // namespace vapcalc

#endif
