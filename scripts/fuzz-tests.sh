#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a
# few seconds from its committed starting inputs and past crashes; any crash, hang,
# leak or non-finite output fails. New inputs the fuzzers find stay in
# build-fuzz/fuzz-corpus, crashing ones in build-fuzz/fuzz-findings.
# FUZZ_SECONDS sets the time per target (default 7).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
seconds="${FUZZ_SECONDS:-7}"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DFENDWICK_FUZZ=ON -DFENDWICK_TESTS=OFF -DFENDWICK_BENCHMARKS=OFF
cmake --build build-fuzz -j "$(nproc)" --target fuzzers
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=()
for starting in fuzz/corpus/*/; do
  target="$(basename "$starting")"
  work="build-fuzz/fuzz-corpus/$target"
  findings="build-fuzz/fuzz-findings/$target"
  mkdir -p "$work" "$findings"
  inputs=("$work" "$starting")
  [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
  echo "== fuzz_$target for ${seconds}s"
  if ! "build-fuzz/fuzzers/fuzz_$target" -max_total_time="$seconds" -timeout=20 \
      -artifact_prefix="$findings/" "${inputs[@]}" 2> "build-fuzz/fuzz-$target.log"; then
    tail -n 60 "build-fuzz/fuzz-$target.log"
    failed+=("$target")
  fi
  grep -E "^#[0-9]+[[:space:]]+DONE" "build-fuzz/fuzz-$target.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/fuzz-findings/)" >&2
  exit 1
fi
