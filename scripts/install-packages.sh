#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing,
# with apt-get (through sudo when not root); --no-recommends first leaves
# out what they only recommend.
set -euo pipefail
options=()
if [ "${1:-}" = "--no-recommends" ]; then
  options+=(--no-install-recommends)
  shift
fi
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${options[@]}" "${missing[@]}" >/dev/null
fi
