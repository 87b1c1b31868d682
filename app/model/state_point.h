// One state point: the eleven property values in internal units and the point's label.
#pragma once

#include <array>
#include <string>

#include "property_table.h"

namespace calvex {

class ArchiveReader;
class ArchiveWriter;

class CStatePoint {
  public:
    static constexpr int kSchema = 1;
    // Size of a record on file with an empty label: eleven doubles and a zero length byte.
    static constexpr std::size_t kMinRecordBytes = 8 * kPropertyCount + 1;

    CStatePoint() = default;

    double value(int property) const noexcept;
    void setValue(int property, double v) noexcept;
    const std::array<double, kPropertyCount>& values() const noexcept { return values_; }

    const std::string& label() const noexcept { return label_; }
    void setLabel(std::string label) { label_ = std::move(label); }

    void Serialize(ArchiveWriter& ar) const;
    bool Serialize(ArchiveReader& ar);  // false when the archive failed

    bool operator==(const CStatePoint&) const = default;

  private:
    std::array<double, kPropertyCount> values_{};
    std::string label_;  // single-byte characters
};

}  // namespace calvex
