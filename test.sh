#!/usr/bin/env bash
# Builds everything and runs every test, display tests under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$(nproc)"
fi
exec ctest --test-dir build --output-on-failure -j "$(nproc)"
