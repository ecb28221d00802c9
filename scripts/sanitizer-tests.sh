#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers in
# build-sanitize and runs every test there, display tests under a virtual
# X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENDWICK_SANITIZE=ON -DFENDWICK_BENCHMARKS=OFF
cmake --build build-sanitize -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
fi
exec ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
