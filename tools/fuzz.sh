#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time, starting from its seed corpus in the repository.
#   tools/fuzz.sh [seconds-per-target] [target ...]     (default 60 s, every target)
# New inputs the fuzzer finds go to build-fuzz/fuzz-corpus/<target>/ and findings (crashes, broken
# invariants, hangs, memory blow-ups) to build-fuzz/fuzz-findings/; nothing is written into the
# repository: a finding is added to tests/fuzz/corpus/<target>/ by hand, with its fix.
# Exits non-zero when any target reports a finding or fails to build.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [ $# -gt 0 ]; then shift; fi
case "$seconds" in
  ''|*[!0-9]*) echo "usage: tools/fuzz.sh [seconds-per-target] [target ...]" >&2; exit 2 ;;
esac

all_targets=(fuzz_vaprop32 fuzz_by_name fuzz_vaprop67 fuzz_expression fuzz_stm_loader fuzz_xl_unit_set fuzz_xl_wrapper
             fuzz_vapcalc_batch)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all_targets[@]}"); fi

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVAPROP_FUZZ=ON -DVAPROP_BUILD_APP=ON -DVAPROP_BUILD_BENCH=OFF -DVAPROP_SANITIZE=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# Longer inputs where the entry point reads lines or whole files.
max_len_of() {
  case "$1" in
    fuzz_vapcalc_batch) echo 12000 ;;
    fuzz_stm_loader) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for t in "${targets[@]}"; do
  work="$build/fuzz-corpus/$t"
  findings="$build/fuzz-findings/$t"
  mkdir -p "$work" "$findings"
  log="$build/fuzz-findings/$t.log"
  echo "== $t: ${seconds} s"
  start=$(date +%s)
  if "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len="$(max_len_of "$t")" -print_final_stats=1 -artifact_prefix="$findings/" \
       "$work" "tests/fuzz/corpus/$t" >"$log" 2>&1; then
    status=ok
  else
    status=FINDING
    failed+=("$t")
  fi
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || echo "?")
  cov=$(grep -Eo 'cov: [0-9]+' "$log" | tail -1 || true)
  echo "   $status after $(( $(date +%s) - start )) s, $runs runs, ${cov:-cov: ?}; log $log"
  if [ "$status" != ok ]; then
    grep -E 'invariant broken|ERROR: |runtime error|SUMMARY|Test unit written' "$log" | head -8 | sed 's/^/   /'
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $build/fuzz-findings/)" >&2
  exit 1
fi
echo "no findings"
