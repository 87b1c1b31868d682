// The stored counted texts of the add-in, laid out at compile time: narrow ones with placeholder
// length bytes (the version-4 API), wide ones with their lengths (the current API).
#include "registration_table.h"

#include "registration_table12.h"

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

RegistrationPool12& registrationPool12() noexcept {
    static constinit RegistrationPool12 pool{detail::kFlatRegistration12};
    return pool;
}

MenuPool12& menuPool12() noexcept {
    static constinit MenuPool12 pool{kMenuTable};
    return pool;
}

MiscPool12& miscPool12() noexcept {
    static constinit MiscPool12 pool{kMiscTable};
    return pool;
}

}  // namespace vapxl
