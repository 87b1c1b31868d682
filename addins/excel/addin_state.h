// What the add-in keeps between calls: set by xlAutoOpen, read by the worksheet functions and the
// help command. The host calls the add-in on its main thread only.
#pragma once

#include <cstdint>

namespace vapxl {

struct AddinState {
    bool unitsRequired = false;     // DefaultUnits set: a missing unit-set argument is an error
    std::uintptr_t mainWindow = 0;  // owner of the help viewer; 0 when the host's window was not found
};

AddinState& addinState() noexcept;

}  // namespace vapxl
