#!/usr/bin/env bash
# ./release.sh --linux-only on this build: the archive holds every plug-in,
# the tool, the README, the install note and every picture the README shows.
set -euo pipefail
source_dir="$1"
build_dir="$2"
scratch="$3"
rm -rf "$scratch"
fail() { echo "FAILED: $*" >&2; exit 1; }

"$source_dir/release.sh" --linux-only --no-build --build-dir "$build_dir" --out "$scratch" >/dev/null
archives=("$scratch"/fendwick-dynamics-*-linux-x86_64.tar.gz)
[ -f "${archives[0]}" ] || fail "no Linux archive in $scratch"
top=$(basename "${archives[0]}" .tar.gz)
listing=$(tar tzf "${archives[0]}")
expect=("$top/README.md" "$top/INSTALL.txt" "$top/bin/fendwick")
for plugin in "$build_dir"/plugins/*.so; do
  expect+=("$top/plugins/$(basename "$plugin")")
done
for picture in $(sed -n 's/.*(\(docs\/[^)]*\.png\)).*/\1/p' "$source_dir/README.md"); do
  expect+=("$top/$picture")
done
for entry in "${expect[@]}"; do
  grep -qx -- "$entry" <<<"$listing" || fail "$entry missing from the archive"
done
tar xzf "${archives[0]}" -C "$scratch" "$top/INSTALL.txt"
! grep -q '@VERSION@' "$scratch/$top/INSTALL.txt" || fail "the install note kept its version placeholder"
echo "release archive: ok (${#expect[@]} entries checked)"
