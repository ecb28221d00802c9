#!/usr/bin/env bash
# Installs the Debian packages the build, the tools and the tests need,
# when any is missing.
set -euo pipefail
packages=(
  cmake g++ g++-multilib make pkg-config
  libgtest-dev libbenchmark-dev
  libsndfile1-dev libpng-dev
  libx11-dev libxtst-dev xvfb xauth
  libfreetype-dev fonts-dejavu-core valgrind
  clang-14 libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
