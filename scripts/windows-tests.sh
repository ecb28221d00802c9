#!/usr/bin/env bash
# Cross-builds every plug-in and the command-line host for 64- and 32-bit
# Windows, checks what each DLL imports and exports, renders the demo signal
# through every factory program of every 64-bit DLL under wine, requiring the
# very same samples as the Linux build, and opens every 64-bit editor in a
# window under wine, requiring the headless build's pixels.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-dependencies.sh
scripts/install-windows-dependencies.sh
jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The Linux build paints the artwork for the cross builds and renders the reference.
# (test.sh's build folder when there is one, configured as it left it).
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build -j "$jobs" --target fendwick fendwick_artwork ascarell ascarell_mono ascarell3 ascarell3_mono \
  tolverin tolverin_mono tolverin3_mono >/dev/null
for arch in x86_64 i686; do
  cmake -S . -B "build-win-$arch" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-$arch.cmake \
    -DFENDWICK_ARTWORK_PROGRAM="$root/build/resources/fendwick_artwork" >/dev/null
  cmake --build "build-win-$arch" -j "$jobs" >/dev/null
done

passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, counts and reports the result
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
  fi
}

# A plug-in DLL loads wherever Windows runs: system DLLs only, and the two entries alone.
imports_system_dlls_only() {
  local extra
  extra=$("$1-w64-mingw32-objdump" -p "$2" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$' || true)
  [ -z "$extra" ] || { echo "$2 imports $extra"; return 1; }
}
exports_entries_only() {
  local names
  names=$("$1-w64-mingw32-objdump" -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
  [ "$names" = "VSTPluginMain main " ] || { echo "$2 exports: $names"; return 1; }
}
for arch in x86_64 i686; do
  for dll in "build-win-$arch"/plugins/*.dll; do
    check "$dll imports" imports_system_dlls_only "$arch" "$dll"
    check "$dll exports" exports_entries_only "$arch" "$dll"
  done
done

# wine keeps its own settings folder for this run and shows its windows on a
# virtual X server of its own; both end with the run.
work=$(mktemp -d)
xvfb_pid=""
finish() {
  wineserver -k >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
until [ -s "$work/display" ]; do
  kill -0 "$xvfb_pid" || { echo "Xvfb did not start"; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(cat "$work/display")" WINEPREFIX="$work/wine" WINEDEBUG=-all
wineboot --init >/dev/null 2>&1 || true

linux_tool=build/tools/fendwick/fendwick
windows_tool=build-win-x86_64/tools/fendwick/fendwick.exe
# The Windows tool's render under wine, run once more, and said so, when
# wine fails to run it: wine itself now and then fails to start a program.
wine_render() {
  wine "$windows_tool" render "$@" >/dev/null && return 0
  echo "  wine failed to render $(basename "${3:-}"); once more"
  wine "$windows_tool" render "$@" >/dev/null
}
"$linux_tool" demo "$work/demo" >/dev/null
for dll in build-win-x86_64/plugins/*.dll; do
  name=$(basename "$dll" .dll)
  programs=$("$linux_tool" info "$name" --plugin-dir build/plugins | sed -n 's/^  programs *\([0-9]*\).*/\1/p')
  routing=()
  case "$name" in *_mono) routing=(--mix) ;; esac
  for ((program = 0; program < programs; ++program)); do
    "$linux_tool" render "$name" "$work/demo/input.wav" "$work/linux-$name-$program.wav" --plugin-dir build/plugins \
      --program "$program" "${routing[@]}" >/dev/null
    check "wine render of $name program $program" wine_render "$dll" "$work/demo/input.wav" \
      "$work/windows-$name-$program.wav" --program "$program" "${routing[@]}"
  done
done
# The samples of both, as sox reads them, whatever each writer puts in the header.
same_samples() {
  cmp -s <(sox -V1 "$1" -t f32 -) <(sox -V1 "$2" -t f32 -) || { echo "  differs: $(basename "$2")"; return 1; }
}
for linux in "$work"/linux-*.wav; do
  check "Windows render $(basename "$linux" .wav) equals the Linux one" same_samples "$linux" \
    "$work/windows-$(basename "$linux" | sed 's/^linux-//')"
done

# Each editor as a Windows host opens it, in a window of the check's own: its
# child window, its class's use count, and its pixels against the headless
# picture of the Linux build.
for dll in build-win-x86_64/plugins/*.dll; do
  name=$(basename "$dll" .dll)
  check "the editor of $name under wine" wine build-win-x86_64/tests/windows/editor_window_check.exe "$dll" \
    "$work/$name-editor.ppm"
  "$linux_tool" shot "$name" "$work/$name-editor.png" >/dev/null
done
# The headless picture as netpbm reads it, against the Windows editor's pixels.
same_pixels() {
  pngtopnm "$1" | cmp -s - "$2" || { echo "  the Windows editor differs from the headless picture: $(basename "$2")"; return 1; }
}
for headless in "$work"/*-editor.png; do
  check "the Windows editor of $(basename "$headless" -editor.png) paints the headless picture" same_pixels \
    "$headless" "${headless%.png}.ppm"
done

# The release archives from these builds: the Windows one holds every DLL of
# both builds, the README with its pictures and the install note.
release_holds_everything() {
  ./release.sh --no-build --out "$work/release" >/dev/null || return 1
  local listing top entry
  listing=$(unzip -Z1 "$work"/release/fendwick-dynamics-*-windows.zip) || return 1
  top=$(head -1 <<<"$listing" | cut -d/ -f1)
  for entry in README.md INSTALL.txt $(sed -n 's/.*(\(docs\/[^)]*\.png\)).*/\1/p' README.md) \
    $(cd build-win-x86_64/plugins && ls ./*.dll | sed 's|^\./|64-bit/|') \
    $(cd build-win-i686/plugins && ls ./*.dll | sed 's|^\./|32-bit/|'); do
    grep -qx -- "$top/$entry" <<<"$listing" || { echo "  $entry missing from the Windows archive"; return 1; }
  done
}
check "the Windows release archive holds what the README says" release_holds_everything

echo "Windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
