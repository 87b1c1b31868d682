// The generated IDL, methods and wizard texts: one entry per function, in table order, with the
// registration table's names.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "calc_functions.h"
#include "idl_writer.h"

namespace vapropcalc {
namespace {

std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(IdlWriter, OneMethodPerFunctionWithTheTablesArgumentNames) {
    std::ostringstream out;
    writeIdl(out);
    const std::string idl = out.str();
    EXPECT_NE(idl.find("module org { module vaprop { module calc {"), std::string::npos);
    EXPECT_NE(idl.find("interface XSteamFunctions : com::sun::star::uno::XInterface"), std::string::npos);
    const char* const lines[] = {
        "    double StmVer();\n",
        "    double StmTP([in] com::sun::star::beans::XPropertySet Document, [in] any Temperature, [in] any Units);\n",
        "    double StmPTH([in] com::sun::star::beans::XPropertySet Document, [in] any Pressure, [in] any Temperature, "
        "[in] any Units);\n",
        "    double StmTQG([in] com::sun::star::beans::XPropertySet Document, [in] any Temperature, [in] any Quality, "
        "[in] any Units);\n",
        "    double StmProp([in] com::sun::star::beans::XPropertySet Document, [in] any Pair, [in] any Input1, [in] "
        "any Input2, [in] any Property, [in] any Units);\n",
        "    string StmErrorText([in] com::sun::star::beans::XPropertySet Document, [in] any Function, [in] any "
        "Argument1, [in] any Argument2, [in] any Argument3, [in] any Argument4, [in] any Argument5);\n",
    };
    for (const char* line : lines) EXPECT_EQ(countOf(idl, line), 1u) << line;
    EXPECT_EQ(countOf(idl, ");\n"), kFunctionCount);
    EXPECT_TRUE(namesAreIdentifiers());
}

TEST(IdlWriter, MethodsForwardWithTheFunctionsIndex) {
    std::ostringstream out;
    writeMethods(out);
    const std::string methods = out.str();
    EXPECT_EQ(countOf(methods, " override "), kFunctionCount);
    const std::size_t pth = *findFunction("StmPTH");
    EXPECT_EQ(countOf(methods, "return property(" + std::to_string(pth) + ", document, arguments);"), 1u);
    EXPECT_EQ(countOf(methods,
                      "double SAL_CALL StmVer() override { return version(" + std::to_string(*findFunction("StmVer")) +
                          "); }"),
              1u);
    EXPECT_EQ(countOf(methods, "rtl::OUString SAL_CALL StmErrorText("), 1u);
}

TEST(IdlWriter, WizardTextsAsJson) {
    std::ostringstream out;
    writeTexts(out);
    const std::string json = out.str();
    EXPECT_EQ(countOf(json, "{\"name\": \"Stm"), kFunctionCount);
    EXPECT_NE(json.find("{\"name\": \"StmPTH\", \"description\": \"Returns Enthalpy given Pressure and Temperature\", "
                        "\"category\": \"Engineering\", \"arguments\": [{\"name\": \"Pressure\", \"description\": "
                        "\"consistent with unit set\"}"),
              std::string::npos);
}

}  // namespace
}  // namespace vapropcalc
