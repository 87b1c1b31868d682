#include "saved_defaults.h"

#include "calvex_doc.h"
#include "document_rules.h"

namespace calvex {

DefaultsSnapshot DefaultsSnapshot::builtIn() noexcept {
    DefaultsSnapshot s;
    for (int p = 0; p < kPropertyCount; ++p) {
        s.values[static_cast<std::size_t>(p)] = kProperties[static_cast<std::size_t>(p)].defaultDigits;
    }
    return s;
}

DisplayFormat DefaultsSnapshot::format(int property) const noexcept {
    if (property < 0 || property >= kPropertyCount) {
        return 0;
    }
    const std::uint32_t v = values[static_cast<std::size_t>(property)];
    return withUnit(static_cast<DisplayFormat>(v & 0xFFFFu), static_cast<int>((v >> 16) & 0xFFu));
}

DefaultsSnapshot DefaultsSnapshot::fromFormats(const std::array<DisplayFormat, kPropertyCount>& formats,
                                               bool ifc67) noexcept {
    DefaultsSnapshot s;
    for (int p = 0; p < kPropertyCount; ++p) {
        s.values[static_cast<std::size_t>(p)] = pack(formats[static_cast<std::size_t>(p)]);
    }
    s.formulation = ifc67 ? 1u : 0u;
    return s;
}

void DefaultsSnapshot::applyTo(CCalvexDoc& doc) const noexcept {
    for (int p = 0; p < kPropertyCount; ++p) {
        const DisplayFormat f = format(p);
        doc.SetDisplayFormat(p, isValidFormat(p, f) ? f : kProperties[static_cast<std::size_t>(p)].defaultDigits);
    }
    const std::uint32_t mask = doc.InputSelection();
    doc.SetInputSelection(ifc67() ? (mask | kInputIfc67) : (mask & ~static_cast<std::uint32_t>(kInputIfc67)));
}

}  // namespace calvex
