#!/usr/bin/env bash
# Builds the toolkit's and the editors' tests with the thread sanitizer in
# build-tsan, on the headless window backend, and runs them; any race fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENDWICK_SANITIZE_THREAD=ON \
  -DFENDWICK_BENCHMARKS=OFF -DFENDWICK_X11=OFF
cmake --build build-tsan -j "$(nproc)" --target gui_tests editor_tests
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
build-tsan/tests/gui/gui_tests
# The thousand openings run on one thread, with nothing to race, and take
# most of a minute under the sanitizer.
build-tsan/tests/editor/editor_tests --gtest_filter=-*OpensAndClosesAThousandTimes
