// The names under which the add-in is known to LibreOffice. The service name is part of every saved
// formula (of:=ORG.VAPROP.CALC.STEAMFUNCTIONS.STMPTH(...)): changing it breaks saved documents.
#pragma once

namespace vapropcalc {

// IDL module path and interface of the worksheet functions.
inline constexpr const char* kIdlModules[] = {"org", "vaprop", "calc"};
inline constexpr const char* kInterfaceName = "XSteamFunctions";
// Implementation and service name of the component.
inline constexpr const char* kServiceName = "org.vaprop.calc.SteamFunctions";

}  // namespace vapropcalc
