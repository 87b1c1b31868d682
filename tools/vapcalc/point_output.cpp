// Writing one state point in the three formats of --format.
#include "point_output.h"

#include "cell_text.h"
#include "unit_set_name.h"

namespace vapcalc {
namespace {

constexpr std::string_view kCriticalFlowVelocity = "critical flow velocity";
constexpr std::size_t kNameWidth = 34;
constexpr std::size_t kValueWidth = 24;

void appendPadded(std::string& out, std::string_view text, std::size_t width) {
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void appendInput(std::string& out, Property p, double value, std::int32_t unitSet, int digits) {
    const PropertyInfo& info = propertyInfo(p);
    out.append(info.letter);
    out.append(" = ");
    appendResult(out, value, digits);
    const std::string_view unit = unitText(info.quantity, unitSet);
    if (!unit.empty()) {
        out.push_back(' ');
        out.append(unit);
    }
}

std::string_view formulation(std::int32_t unitSet) { return (unitSet & 8) != 0 ? "IFC-67" : "IF97"; }

// JSON string contents; our texts are plain, but quotes, backslashes and controls are escaped anyway.
void appendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out.append("\\u00");
            out.push_back(hex[(c >> 4) & 0xf]);
            out.push_back(hex[c & 0xf]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

}  // namespace

PointReport evaluatePoint(const Options& options) {
    PointReport report{options.pair, options.first, options.second, options.unitSet, {}};
    StateEvaluator state(options.pair, options.first, options.second, options.unitSet);
    const bool wet = state.isWet();
    for (Property p : options.props) {
        const PropertyInfo& info = propertyInfo(p);
        const std::string_view name = (p == Property::W && wet) ? kCriticalFlowVelocity : info.name;
        report.rows.push_back({p, name, state.get(p), unitText(info.quantity, options.unitSet)});
    }
    return report;
}

std::string describeUnitSet(std::int32_t unitSet) {
    std::string text(formulation(unitSet));
    text.append(", unit set ");
    text.append(unitSetName(unitSet));
    if ((unitSet & 16) != 0) text.append(", fast");
    return text;
}

std::string formatTable(const PointReport& report, int digits) {
    const PairInfo& pair = pairInfo(report.pair);
    std::string out;
    out.append("State ");
    appendInput(out, pair.first, report.first, report.unitSet, digits);
    out.append(", ");
    appendInput(out, pair.second, report.second, report.unitSet, digits);
    out.append(" (");
    out.append(describeUnitSet(report.unitSet));
    out.append(")\n");
    for (const PointRow& row : report.rows) {
        appendPadded(out, row.name, kNameWidth);
        std::string value;
        appendResult(value, row.value, digits);
        if (row.unit.empty() || isCode(row.value)) {
            out.append(value);
        } else {
            appendPadded(out, value, kValueWidth);
            out.append(row.unit);
        }
        out.push_back('\n');
    }
    return out;
}

std::string formatCsv(const PointReport& report, int digits) {
    std::string out = "property,value,unit\n";
    for (const PointRow& row : report.rows) {
        out.append(row.name);
        out.push_back(',');
        appendResult(out, row.value, digits);
        out.push_back(',');
        out.append(row.unit);
        out.push_back('\n');
    }
    return out;
}

std::string formatJson(const PointReport& report, int digits) {
    const PairInfo& pair = pairInfo(report.pair);
    std::string out = "{\n  \"formulation\": ";
    appendJsonString(out, formulation(report.unitSet));
    out.append(",\n  \"unit_set\": ");
    appendJsonString(out, unitSetName(report.unitSet));
    out.append(",\n  \"fast\": ");
    out.append((report.unitSet & 16) != 0 ? "true" : "false");
    out.append(",\n  \"unit_set_number\": ");
    out.append(std::to_string(report.unitSet));
    out.append(",\n  \"inputs\": {");
    appendJsonString(out, propertyInfo(pair.first).letter);
    out.append(": ");
    appendResult(out, report.first, digits);
    out.append(", ");
    appendJsonString(out, propertyInfo(pair.second).letter);
    out.append(": ");
    appendResult(out, report.second, digits);
    out.append("},\n  \"properties\": {");
    bool firstRow = true;
    for (const PointRow& row : report.rows) {
        out.append(firstRow ? "\n    " : ",\n    ");
        firstRow = false;
        appendJsonString(out, propertyInfo(row.property).key);
        out.append(": {\"name\": ");
        appendJsonString(out, row.name);
        out.append(", \"value\": ");
        if (isCode(row.value)) {
            out.append("null, \"note\": ");
            appendJsonString(out, codeText(row.value));
        } else {
            appendResult(out, row.value, digits);
        }
        out.append(", \"unit\": ");
        appendJsonString(out, row.unit);
        out.push_back('}');
    }
    out.append("\n  }\n}\n");
    return out;
}

std::string formatPoint(const PointReport& report, Format format, int digits) {
    switch (format) {
        case Format::Csv: return formatCsv(report, digits);
        case Format::Json: return formatJson(report, digits);
        case Format::Table: break;
    }
    return formatTable(report, digits);
}

}  // namespace vapcalc
