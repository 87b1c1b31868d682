// Texts built from points for the clipboard ("Copy Special") and the stored-point commands.
//
// Lines are separated by CR LF with none after the last line; fields by tabs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "display_format.h"
#include "property_table.h"

namespace calvex {

class CCalvexDoc;

using PropertyTexts = std::array<std::string, kPropertyCount>;

// Kind and format of the box that shows each property (its unit, digits and style).
struct PropertyFormats {
    std::array<PropertyKind, kPropertyCount> kinds{};
    std::array<DisplayFormat, kPropertyCount> formats{};
};

// The kinds of the properties and the document's format words: what the form's boxes show once
// the document is opened (the formatter of a request without a window).
PropertyFormats documentFormats(const CCalvexDoc& doc);

// Property labels of the label column: "P - " and the pressure unit's text, ..., "Q", "Pr".
PropertyTexts propertyLabels(const PropertyFormats& f);

// The current point: its label, then one line per property with the box's display text.
// With labels the first line starts with a tab and each property line with its label and a tab.
std::string currentPointText(const std::string& label, const PropertyTexts& texts, const PropertyTexts* labels);

// All stored points, one column per point in collection order: the labels, then one line per
// property of values formatted as the boxes format them. Empty when no point is stored.
std::string storedPointsText(const CCalvexDoc& doc, const PropertyFormats& f, const PropertyTexts* labels);

// Text of each value of stored point i as the form's boxes show it.
PropertyTexts storedPointTexts(const CCalvexDoc& doc, int i, const PropertyFormats& f);

// The stored point the form shows for the document's selected index: -1 when nothing is stored;
// an index equal to the count, or beyond it, shows the last point; a negative index the first.
int shownStoredIndex(int selected, int count) noexcept;

// The label a computed point takes: "Point " and the stored count plus 1 when `label` is empty
// or equal (case-sensitive) to a stored label; nothing when the label stays.
std::optional<std::string> computedPointLabel(const std::string& label, const CCalvexDoc& doc);

// Index of the first stored point whose label equals `label`, skipping `except`; -1 if none.
int findStoredLabel(const CCalvexDoc& doc, const std::string& label, int except = -1);

// A digits field of the number-format dialog: an integer (blanks around it allowed) from lo to
// hi. Returns the value, or sets `message` to the text that refuses the field.
std::optional<int> parseIntegerField(const std::string& text, int lo, int hi, std::string& message);

}  // namespace calvex
