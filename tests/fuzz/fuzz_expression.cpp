// The IO box's expression evaluator with arbitrary text.
//
// Invariants:
//   - a refused text reports a position inside the text (or at its end), never at a blank, since
//     blanks are removed before parsing;
//   - the same text gives the same result twice;
//   - blanks do not matter: the text without its blanks gives the same value or refusal;
//   - an accepted text is also accepted in parentheses with the same value, and as "-(text)" with
//     the negated value (for texts short and shallow enough to be wrapped once more).
#include <cstdint>
#include <string>
#include <string_view>

#include "expression_evaluator.h"
#include "fuzz_support.h"

using calvex::EvalResult;
using calvex::ExpressionEvaluator;

namespace {

bool sameResult(const EvalResult& a, const EvalResult& b) {
    return a.ok == b.ok && (a.ok ? fuzz::bitsOf(a.value) == fuzz::bitsOf(b.value) : a.errorPos == b.errorPos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const EvalResult r = ExpressionEvaluator::evaluate(text);
    if (!r.ok) {
        FUZZ_CHECK_MSG(r.errorPos <= text.size(), "position %zu in a text of %zu", r.errorPos, text.size());
        FUZZ_CHECK_MSG(r.errorPos == text.size() || text[r.errorPos] != ' ', "position %zu at a blank", r.errorPos);
    }
    FUZZ_CHECK(sameResult(r, ExpressionEvaluator::evaluate(text)));

    std::string compact;
    std::size_t opens = 0;
    for (const char c : text) {
        if (c != ' ') {
            compact.push_back(c);
        }
        opens += c == '(' ? 1 : 0;
    }
    const EvalResult rc = ExpressionEvaluator::evaluate(compact);
    FUZZ_CHECK(rc.ok == r.ok);
    if (r.ok) {
        FUZZ_CHECK(fuzz::bitsOf(rc.value) == fuzz::bitsOf(r.value));
        if (compact.size() < 200 && opens + 2 < static_cast<std::size_t>(ExpressionEvaluator::kMaxDepth)) {
            const EvalResult wrapped = ExpressionEvaluator::evaluate("(" + compact + ")");
            FUZZ_CHECK_MSG(wrapped.ok && fuzz::bitsOf(wrapped.value) == fuzz::bitsOf(r.value), "(%s)", compact.c_str());
            const EvalResult negated = ExpressionEvaluator::evaluate("-(" + compact + ")");
            FUZZ_CHECK_MSG(
                negated.ok && fuzz::bitsOf(negated.value) == fuzz::bitsOf(-r.value), "-(%s)", compact.c_str());
        }
    }
    return 0;
}
