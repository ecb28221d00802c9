#!/usr/bin/env bash
# Builds every plug-in, tool and test on a fresh machine, then runs the demo.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
echo
echo "Plug-ins built in build/plugins:"
ls -1 build/plugins
echo
# The main job: a drum-and-chord signal through every plug-in of ours.
build/tools/fendwick/fendwick demo out/demo
