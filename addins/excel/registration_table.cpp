// The stored counted texts of the add-in, laid out at compile time with placeholder length bytes.
#include "registration_table.h"

namespace vapxl {

RegistrationPool& registrationPool() noexcept {
  static constinit RegistrationPool pool{detail::kFlatRegistration};
  return pool;
}

MenuPool& menuPool() noexcept {
  static constinit MenuPool pool{kMenuTable};
  return pool;
}

MiscPool& miscPool() noexcept {
  static constinit MiscPool pool{kMiscTable};
  return pool;
}

}  // namespace vapxl
