// The unit set of a call that names none, from Calc's side: the configuration value DefaultUnits
// (shared with the spreadsheet add-in) and the document's name StmBaseUnits.
#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <cstdint>

#include "evaluate.h"

namespace vapropcalc {

// StmBaseUnits of the calling document: a name that refers to one cell holding a number (or a
// formula with a number as its result), or a name whose content is a number. The number is taken
// as the spreadsheet add-in takes it (truncated, 0 to 127); anything else, or no such name, gives 0.
class DocumentUnits final : public UnitDefaults {
  public:
    explicit DocumentUnits(const css::uno::Reference<css::beans::XPropertySet>& document) : document_(document) {}

    // DefaultUnits, read once per process like the spreadsheet add-in reads it once when it opens.
    bool unitsRequired() const override;
    std::int32_t baseUnits() const override;

  private:
    css::uno::Reference<css::beans::XPropertySet> document_;
};

}  // namespace vapropcalc
