// The shape of StmTable's input arguments. Each input is one number (the same for every row of the
// table), or a range the host hands over as an array of one column or one row: one table row per
// cell. The table has as many rows as the longer input. A row gets no state, and so the error value
// in every column, where an input has no number for it: a cell with text, a Boolean, an error or
// nothing in it, a row beyond the end of the shorter range, an array of several rows and several
// columns (its rows count, none of them is read), or an input that is not a number at all.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xlcall.h"

namespace vapxl {

template <typename Oper>
class TableInput {
  public:
    explicit TableInput(const Oper* arg) noexcept {
        if (arg == nullptr) return;
        const auto type = arg->xltype & ~(xlbitXLFree | xlbitDLLFree);
        if (type == xltypeNum) {
            number_ = arg->val.num;
            hasNumber_ = true;
        } else if (type == xltypeMulti) {
            const std::int64_t rows = arg->val.array.rows;
            const std::int64_t columns = arg->val.array.columns;
            if (rows <= 0 || columns <= 0 || arg->val.array.lparray == nullptr) return;
            if (rows == 1 || columns == 1) {
                cells_ = arg->val.array.lparray;
                rows_ = static_cast<std::size_t>(rows * columns);
            } else {
                rows_ = static_cast<std::size_t>(rows);  // wrong shape: its rows count, none is read
            }
        }
    }

    // The table rows this input asks for (1 for a single value).
    std::size_t rows() const noexcept { return rows_; }

    // The number of table row i, if the input has one there. A single value (a number, or a range of
    // one cell) serves every row.
    bool value(std::size_t i, double& x) const noexcept {
        if (rows_ == 1) i = 0;
        if (cells_ == nullptr) {
            if (!hasNumber_ || rows_ != 1) return false;
            x = number_;
            return true;
        }
        if (i >= rows_ || (cells_[i].xltype & ~(xlbitXLFree | xlbitDLLFree)) != xltypeNum) return false;
        x = cells_[i].val.num;
        return true;
    }

  private:
    const Oper* cells_ = nullptr;
    std::size_t rows_ = 1;
    double number_ = 0;
    bool hasNumber_ = false;
};

// The rows of the table for two inputs.
template <typename Oper>
std::size_t tableRows(const TableInput<Oper>& a, const TableInput<Oper>& b) noexcept {
    return a.rows() > b.rows() ? a.rows() : b.rows();
}

}  // namespace vapxl
