#!/usr/bin/env bash
# Installs the Debian packages the build, the tools and the tests need,
# when any is missing.
set -euo pipefail
exec "$(dirname "$0")/install-packages.sh" \
  cmake g++ g++-multilib make pkg-config \
  libgtest-dev libbenchmark-dev \
  libsndfile1-dev libpng-dev \
  libx11-dev libxtst-dev xvfb xauth \
  libfreetype-dev fonts-dejavu-core valgrind \
  clang-14 libclang-rt-14-dev
