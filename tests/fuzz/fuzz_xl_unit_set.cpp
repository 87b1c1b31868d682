// The spreadsheet add-in's unit-set parser with arbitrary texts, numbers and OPER types, against
// the rules of the add-in's help (xl_reference.h).
//
// Invariants: the parser and the reference agree on acceptance and on the word; every accepted word
// lies in 0..127; the OPER form agrees with the text and number forms and refuses every other type
// (ownership bits on the type tag do not matter).
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "unit_set.h"
#include "xl_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const std::uint8_t mode = in.u8();
    if (mode & 1) {
        const double x = in.f64();
        const auto got = vapxl::unitSetFromNumber(x);
        const auto want = fuzz::referenceUnitSetNumber(x);
        FUZZ_CHECK_MSG(got == want, "number %.17g: %d / %d", x, got.value_or(-1), want.value_or(-1));
        XLOPER op{};
        op.xltype = static_cast<XLWORD>(xltypeNum | ((mode & 2) ? xlbitXLFree : 0));
        op.val.num = x;
        FUZZ_CHECK(vapxl::unitSetFromOper(op) == want);
        FUZZ_CHECK(vapxl::defaultUnitSetFrom(&op) == want.value_or(0));
        return 0;
    }
    const std::string_view text = in.text(255);
    const auto got = vapxl::unitSetFromText(text);
    const auto want = fuzz::referenceUnitSetText(text);
    FUZZ_CHECK_MSG(got == want,
                   "text '%.*s': %d / %d",
                   static_cast<int>(text.size()),
                   text.data(),
                   got.value_or(-1),
                   want.value_or(-1));
    FUZZ_CHECK(!got || (*got >= 0 && *got <= 127));

    // The same text as a counted string in a string OPER, and the text's first bytes as other types.
    std::string counted(1, static_cast<char>(text.size()));
    counted.append(text);
    XLOPER op{};
    op.xltype = static_cast<XLWORD>(xltypeStr | ((mode & 2) ? xlbitDLLFree : 0));
    op.val.str = counted.data();
    FUZZ_CHECK(vapxl::unitSetFromOper(op) == want);
    FUZZ_CHECK(vapxl::defaultUnitSetFrom(&op) == 0);

    static constexpr XLWORD kOther[] = {xltypeBool,
                                        xltypeRef,
                                        xltypeErr,
                                        xltypeFlow,
                                        xltypeMulti,
                                        xltypeMissing,
                                        xltypeNil,
                                        xltypeSRef,
                                        xltypeInt,
                                        xltypeBigData,
                                        0,
                                        0x0200,
                                        0x2000};
    XLOPER other{};
    other.xltype = kOther[(mode >> 2) % (sizeof kOther / sizeof kOther[0])];
    other.val.w = 1;
    FUZZ_CHECK(!vapxl::unitSetFromOper(other));
    FUZZ_CHECK(vapxl::defaultUnitSetFrom(&other) == 0);
    FUZZ_CHECK(vapxl::defaultUnitSetFrom(nullptr) == 0);
    return 0;
}
