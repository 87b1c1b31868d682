// The texts generated from the function table at build time: the interface description (IDL) of
// the worksheet functions, the component's matching C++ methods, and the function wizard's texts
// for the test that reads them back from Calc.
#pragma once

#include <ostream>

namespace vapropcalc {

// Every function as a method of XSteamFunctions: `double StmPTH([in] XPropertySet Document,
// [in] any Pressure, [in] any Temperature, [in] any Units)`. Arguments of type any may be omitted
// in a formula; the document comes first and Calc hides it.
void writeIdl(std::ostream& out);

// The component's override of every method, forwarding to version(), property() or errorText()
// with the function's index in the table.
void writeMethods(std::ostream& out);

// JSON list of {name, description, category, arguments: [{name, description}]}.
void writeTexts(std::ostream& out);

// False when a function or argument name cannot be an IDL identifier.
bool namesAreIdentifiers();

}  // namespace vapropcalc
