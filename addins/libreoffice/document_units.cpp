// StmBaseUnits read through the document's named ranges, DefaultUnits from the configuration.
#include "document_units.h"

#include <com/sun/star/sheet/FormulaResult.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeReferrer.hpp>
#include <com/sun/star/sheet/XNamedRange.hpp>
#include <com/sun/star/sheet/XNamedRanges.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <string>

#include "platform.h"
#include "unit_set.h"

namespace vapropcalc {

namespace {

namespace uno = css::uno;

// The number a single cell shows, if it shows one.
std::optional<double> cellNumber(const uno::Reference<css::table::XCellRange>& cells) {
    const uno::Reference<css::sheet::XCellRangeAddressable> addressable(cells, uno::UNO_QUERY);
    if (!addressable.is()) return std::nullopt;
    const css::table::CellRangeAddress range = addressable->getRangeAddress();
    if (range.StartColumn != range.EndColumn || range.StartRow != range.EndRow) return std::nullopt;
    const uno::Reference<css::table::XCell> cell = cells->getCellByPosition(0, 0);
    if (!cell.is()) return std::nullopt;
    switch (cell->getType()) {
        case css::table::CellContentType_VALUE: return cell->getValue();
        case css::table::CellContentType_FORMULA: {
            const uno::Reference<css::beans::XPropertySet> properties(cell, uno::UNO_QUERY);
            sal_Int32 resultType = 0;
            if (!properties.is() || !(properties->getPropertyValue("FormulaResultType2") >>= resultType))
                return std::nullopt;
            if (resultType != css::sheet::FormulaResult::VALUE || cell->getError() != 0) return std::nullopt;
            return cell->getValue();
        }
        default: return std::nullopt;
    }
}

std::optional<double> baseUnitsNumber(const uno::Reference<css::beans::XPropertySet>& document) {
    if (!document.is()) return std::nullopt;
    const uno::Reference<css::sheet::XNamedRanges> names(document->getPropertyValue("NamedRanges"), uno::UNO_QUERY);
    static const rtl::OUString kName("StmBaseUnits");
    if (!names.is() || !names->hasByName(kName)) return std::nullopt;
    const uno::Reference<css::sheet::XNamedRange> name(names->getByName(kName), uno::UNO_QUERY);
    if (!name.is()) return std::nullopt;
    const uno::Reference<css::sheet::XCellRangeReferrer> referrer(name, uno::UNO_QUERY);
    if (referrer.is()) {
        const uno::Reference<css::table::XCellRange> cells = referrer->getReferredCells();
        if (cells.is()) return cellNumber(cells);
    }
    const rtl::OString content = rtl::OUStringToOString(name->getContent(), RTL_TEXTENCODING_ASCII_US);
    return plainNumber(std::string_view(content.getStr(), static_cast<std::size_t>(content.getLength())));
}

}  // namespace

bool DocumentUnits::unitsRequired() const {
    static const bool required = vapxl::unitsRequiredFrom(vapxl::readConfigValue("DefaultUnits"));
    return required;
}

std::int32_t DocumentUnits::baseUnits() const {
    try {
        const std::optional<double> number = baseUnitsNumber(document_);
        return number ? vapxl::unitSetFromNumber(*number).value_or(0) : 0;
    } catch (...) {
        // A document that cannot answer has no usable StmBaseUnits.
        return 0;
    }
}

}  // namespace vapropcalc
