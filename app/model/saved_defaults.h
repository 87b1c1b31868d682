// The default display settings kept between runs (settings group "Defaults").
//
// One 32-bit value per property: the low 16 bits a display format word, the high 16 bits the
// unit index, which takes precedence over the word's own unit bits; and "F67", nonzero when the
// IFC-67 formulation is the default.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "display_format.h"
#include "property_table.h"

namespace calvex {

class CCalvexDoc;

struct DefaultsSnapshot {
    std::array<std::uint32_t, kPropertyCount> values{};  // property order
    std::uint32_t formulation = 0;                       // "F67" as stored; nonzero: IFC-67

    bool ifc67() const noexcept { return formulation != 0; }

    // The values a missing setting takes: the built-in digits, fixed style, internal units.
    static DefaultsSnapshot builtIn() noexcept;

    // Value of a property from its current format word (the unit index goes into the high half).
    static constexpr std::uint32_t pack(DisplayFormat format) noexcept {
        return format | (static_cast<std::uint32_t>(formatUnit(format)) << 16);
    }

    // The format word a property takes from its value.
    DisplayFormat format(int property) const noexcept;

    // "Use Settings as Default": take the current words and formulation.
    static DefaultsSnapshot fromFormats(const std::array<DisplayFormat, kPropertyCount>& formats, bool ifc67) noexcept;

    // Gives the document the snapshot's format words and formulation bit. A value whose format
    // word the form could not set (digits above 8, a style other than fixed or scientific, a
    // unit outside the property's list) gives the built-in word of that property instead, so a
    // document never takes a word its own file would be refused for. The snapshot itself keeps
    // the values as read, and they are written back as they were.
    void applyTo(CCalvexDoc& doc) const noexcept;

    bool operator==(const DefaultsSnapshot&) const = default;
};

// Order in which the values are written, with the property each names (-1: the formulation).
struct DefaultsEntry {
    std::string_view name;
    int property;
};
inline constexpr std::array<DefaultsEntry, 12> kDefaultsOrder{{
    {"P", kPressure},
    {"T", kTemperature},
    {"Q", kQuality},
    {"V", kVolume},
    {"H", kEnthalpy},
    {"S", kEntropy},
    {"C", kSpecificHeat},
    {"K", kConductivity},
    {"M", kViscosity},
    {"Pr", kPrandtl},
    {"CV", kCriticalVelocity},
    {"F67", -1},
}};

}  // namespace calvex
