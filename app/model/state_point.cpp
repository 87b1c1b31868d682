#include "state_point.h"

#include "display_format.h"
#include "stm_archive.h"

namespace calvex {

double CStatePoint::value(int property) const noexcept {
    return (property >= 0 && property < kPropertyCount) ? values_[static_cast<std::size_t>(property)]
                                                        : NotAvailableMarker;
}

void CStatePoint::setValue(int property, double v) noexcept {
    if (property >= 0 && property < kPropertyCount) {
        values_[static_cast<std::size_t>(property)] = v;
    }
}

void CStatePoint::Serialize(ArchiveWriter& ar) const {
    for (double v : values_) {
        ar.writeF64(v);
    }
    ar.writeString(label_);
}

bool CStatePoint::Serialize(ArchiveReader& ar) {
    for (double& v : values_) {
        if (!ar.readF64(v)) {
            return false;
        }
    }
    return ar.readString(label_);
}

}  // namespace calvex
