#!/usr/bin/env bash
# Installs the cross compilers and the Windows runtime the Windows builds and
# their tests need (sox and netpbm to compare their sounds and pictures), and
# zip for the Windows release, when any is missing.
set -euo pipefail
exec "$(dirname "$0")/install-packages.sh" --no-recommends \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 \
  wine wine64 xvfb xauth sox netpbm zip unzip
