#!/usr/bin/env bash
# ./install.sh into a scratch home folder, then ./uninstall.sh: every plug-in
# and the tool land where hosts and the shell look, and the uninstall removes
# exactly those, leaving what else the folders held.
set -euo pipefail
source_dir="$1"
build_dir="$2"
scratch="$3"
rm -rf "$scratch"
home="$scratch/home"
mkdir -p "$home/.vst" "$home/.local/bin"
touch "$home/.vst/someone-elses.so" "$home/.local/bin/some-tool"

fail() { echo "FAILED: $*" >&2; exit 1; }

HOME="$home" "$source_dir/install.sh" --no-build --build-dir "$build_dir" >/dev/null
for plugin in "$build_dir"/plugins/*.so; do
  [ -f "$home/.vst/Fendwick/$(basename "$plugin")" ] || fail "$(basename "$plugin") not in ~/.vst/Fendwick"
done
[ -x "$home/.local/bin/fendwick" ] || fail "fendwick not in ~/.local/bin"

HOME="$home" "$source_dir/uninstall.sh" >/dev/null
left=$(cd "$home" && find . -mindepth 1 | sort | tr '\n' ' ')
expected="./.local ./.local/bin ./.local/bin/some-tool ./.local/share ./.vst ./.vst/someone-elses.so "
[ "$left" = "$expected" ] || fail "after uninstall the home folder holds: $left"

if HOME="$home" "$source_dir/uninstall.sh" 2>/dev/null; then
  fail "a second uninstall claimed to find an installation"
fi
echo "install and uninstall scripts: ok"
