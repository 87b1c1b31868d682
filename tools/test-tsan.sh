#!/usr/bin/env bash
# The threading tests under ThreadSanitizer, in their own build folder build-tsan/ (AddressSanitizer
# and ThreadSanitizer do not mix): every export of vaprop32 and vaprop67 from several threads at
# once, overlapping StmBatch calls, and StmBatch against the exports on several threads.
#   tools/test-tsan.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh build test
dir=build-tsan
tsan="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAPROP_BUILD_APP=OFF -DVAPROP_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$tsan" -DCMAKE_CXX_FLAGS="$tsan" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" -DVAPROP_THREADS_CASES=1500 >/dev/null
cmake --build "$dir" -j"$(nproc)" --target threads_test lib_by_name_test
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}
ctest --test-dir "$dir" --output-on-failure -R '^threads\.|^StmBatch\.|^StmProp\.'
