// The worksheet functions over the property library's by-name calls, in the add-in of the host's
// current API (the 64-bit add-in), registered thread-safe like the others:
//   =StmProp(Pair, Input1, Input2, Property, Units)       one property of one state (StmProp)
//   =StmTable(Pair, Inputs1, Inputs2, Properties, Units)  a table, one row per state and one column
//                                                         per property (StmBatch); it spills in hosts
//                                                         with dynamic arrays
// Pair and property names are texts the library reads ("PT", "H,S,V"); the unit set is read as for
// every other function. A pair or names that are not texts, or an input of StmProp that is not a
// number, give #VALUE!; a unit set that is missing (when required) or unreadable, and every refusal
// or code of the library, give #NUM!. In a table a row whose inputs are not two numbers has #VALUE!
// in every column, a code in a cell #NUM! in that cell only (table_shape.h).
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "result_oper.h"
#include "table_shape.h"
#include "unit_set.h"
#include "vaprop32.h"
#include "worksheet_arguments.h"
#include "xlapi.h"

namespace vapxl {

namespace {

// Texts handed to the library: up to this many characters (a list of 64 names with blanks fits).
constexpr std::size_t kNameTextMax = 1023;

// A pair or a list of names as the library reads it: ASCII without NUL, terminated. False for a
// value that is not a text (#VALUE!); `refused` for a text the library could not know (#NUM!).
struct NameText {
    char chars[kNameTextMax + 1];
    bool refused = false;
};

bool nameText(const Oper* arg, NameText& out) noexcept {
    if (arg == nullptr || baseType(*arg) != xltypeStr || arg->val.str == nullptr) return false;
    const auto view = countedView(arg->val.str);
    if (view.size() > kNameTextMax) {
        out.refused = true;
        out.chars[0] = '\0';
        return true;
    }
    std::size_t n = 0;
    for (const auto c : view) {
        const auto code =
            static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<std::remove_cv_t<decltype(c)>>>(c));
        if (code == 0 || code > 0x7F) out.refused = true;
        out.chars[n++] = static_cast<char>(code & 0x7F);
    }
    out.chars[n] = '\0';
    return true;
}

// The number of names in a list: its commas plus one (the library checks the names themselves).
std::size_t namesIn(const char* list) noexcept {
    std::size_t names = 1;
    for (const char* c = list; *c != '\0'; ++c) names += *c == ',';
    return names;
}

// Rows up to this many use the calling thread only; bigger tables take one thread per processor.
constexpr std::int32_t kRowsOnOneThread = 4096;
// The most cells a table may have (every row of a sheet, 2^20, by 8 properties); a bigger table
// gives #NUM! rather than holding hundreds of megabytes.
constexpr std::size_t kMostCells = std::size_t{1} << 23;

LPOper table(const Oper* pair, const Oper* inputs1, const Oper* inputs2, const Oper* names,
             const Oper* units) noexcept {
    NameText pairText, nameList;
    if (!nameText(pair, pairText) || !nameText(names, nameList)) return errorResult(xlerrValue);
    const std::optional<std::int32_t> set = unitSetArgument(units);
    if (!set || pairText.refused || nameList.refused) return errorResult(xlerrNum);

    const TableInput<Oper> first(inputs1), second(inputs2);
    const std::size_t rows = tableRows(first, second);
    const std::size_t columns = namesIn(nameList.chars);
    if (rows == 0 || rows > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) ||
        columns > kMostCells / rows)
        return errorResult(xlerrNum);

    // The rows with two numbers go to the library, packed; `row` remembers where each came from.
    double* const in1 = static_cast<double*>(std::malloc(rows * sizeof(double)));
    double* const in2 = static_cast<double*>(std::malloc(rows * sizeof(double)));
    double* const out = static_cast<double*>(std::malloc(rows * columns * sizeof(double)));
    std::size_t* const row = static_cast<std::size_t*>(std::malloc(rows * sizeof(std::size_t)));
    Oper* const cells = static_cast<Oper*>(std::calloc(rows * columns, sizeof(Oper)));
    const auto release = [&] {
        std::free(in1);
        std::free(in2);
        std::free(out);
        std::free(row);
    };
    if (in1 == nullptr || in2 == nullptr || out == nullptr || row == nullptr || cells == nullptr) {
        release();
        std::free(cells);
        return exhaustedResult();
    }
    std::size_t states = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        double a, b;
        if (first.value(i, a) && second.value(i, b)) {
            in1[states] = a;
            in2[states] = b;
            row[states++] = i;
        }
    }
    const auto count = static_cast<std::int32_t>(states);
    const std::int32_t refused =
        StmBatch(pairText.chars, nameList.chars, *set, count, in1, in2, out, count <= kRowsOnOneThread ? 1 : 0);
    if (refused < 0) {
        release();
        std::free(cells);
        return errorResult(xlerrNum);
    }

    // Every cell #VALUE! first, then the rows the library computed.
    for (std::size_t k = 0; k < rows * columns; ++k) {
        cells[k].xltype = xltypeErr;
        cells[k].val.err = xlerrValue;
    }
    for (std::size_t s = 0; s < states; ++s) {
        for (std::size_t c = 0; c < columns; ++c) {
            Oper& cell = cells[row[s] * columns + c];
            const double x = out[s * columns + c];
            if (x > kFirstErrorCode) {
                cell.xltype = xltypeNum;
                cell.val.num = x;
            } else {
                cell.val.err = xlerrNum;
            }
        }
    }
    release();

    Oper* const result = newResult();
    if (result == nullptr) {
        std::free(cells);
        return exhaustedResult();
    }
    result->xltype |= xltypeMulti;
    result->val.array.lparray = cells;
    result->val.array.rows = static_cast<OperRows>(rows);
    result->val.array.columns = static_cast<OperColumns>(columns);
    return result;
}

LPOper property(const Oper* pair, const Oper* input1, const Oper* input2, const Oper* name,
                const Oper* units) noexcept {
    NameText pairText, nameText1;
    if (!nameText(pair, pairText) || !isNumber(input1) || !isNumber(input2) || !nameText(name, nameText1))
        return errorResult(xlerrValue);
    const std::optional<std::int32_t> set = unitSetArgument(units);
    if (!set || pairText.refused || nameText1.refused) return errorResult(xlerrNum);
    return numberResult(StmProp(pairText.chars, input1->val.num, input2->val.num, nameText1.chars, *set));
}

}  // namespace

}  // namespace vapxl

using vapxl::LPOper;

extern "C" {

XLL_EXPORT LPOper XLL_CALL xlStmProp(LPOper pair, LPOper input1, LPOper input2, LPOper name, LPOper units) {
    return vapxl::property(pair, input1, input2, name, units);
}

XLL_EXPORT LPOper XLL_CALL xlStmTable(LPOper pair, LPOper inputs1, LPOper inputs2, LPOper names, LPOper units) {
    return vapxl::table(pair, inputs1, inputs2, names, units);
}

}  // extern "C"
