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
"$linux_tool" demo "$work/demo" >/dev/null
for dll in build-win-x86_64/plugins/*.dll; do
  name=$(basename "$dll" .dll)
  programs=$("$linux_tool" info "$name" --plugin-dir build/plugins | sed -n 's/^  programs *\([0-9]*\).*/\1/p')
  routing=()
  case "$name" in *_mono) routing=(--mix) ;; esac
  for ((program = 0; program < programs; ++program)); do
    "$linux_tool" render "$name" "$work/demo/input.wav" "$work/linux-$name-$program.wav" --plugin-dir build/plugins \
      --program "$program" "${routing[@]}" >/dev/null
    check "wine render of $name program $program" wine "$windows_tool" render "$dll" "$work/demo/input.wav" \
      "$work/windows-$name-$program.wav" --program "$program" "${routing[@]}" >/dev/null
  done
done
check "Windows renders equal the Linux renders bit for bit" python3 - "$work" <<'PYTHON'
import pathlib, struct, sys

def samples(path):
    data = path.read_bytes()
    fmt, at = None, 12
    while at + 8 <= len(data):
        tag, size = data[at:at + 4], struct.unpack_from('<I', data, at + 4)[0]
        if tag == b'fmt ':
            fmt = struct.unpack_from('<HHI', data, at + 8)
        elif tag == b'data':
            return fmt, data[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    raise ValueError(f'{path}: no data chunk')

work = pathlib.Path(sys.argv[1])
differing = []
pairs = sorted(work.glob('linux-*.wav'))
for linux in pairs:
    windows = linux.with_name('windows-' + linux.name[len('linux-'):])
    if samples(linux) != samples(windows):
        differing.append(windows.name)
print(f'{len(pairs) - len(differing)} of {len(pairs)} renders identical')
for name in differing:
    print(f'  differs: {name}')
sys.exit(1 if differing or not pairs else 0)
PYTHON

# Each editor as a Windows host opens it, in a window of the check's own: its
# child window, its class's use count, and its pixels against the headless
# picture of the Linux build.
for dll in build-win-x86_64/plugins/*.dll; do
  name=$(basename "$dll" .dll)
  check "the editor of $name under wine" wine build-win-x86_64/tests/windows/editor_window_check.exe "$dll" \
    "$work/$name-editor.ppm"
  "$linux_tool" shot "$name" "$work/$name-editor.png" >/dev/null
done
check "Windows editors paint the headless pictures" python3 - "$work" <<'PYTHON'
import pathlib, struct, sys, zlib

def png_pixels(path):
    data = path.read_bytes()
    at, compressed = 8, b''
    while at < len(data):
        size, tag = struct.unpack_from('>I4s', data, at)
        body = data[at + 8:at + 8 + size]
        at += 12 + size
        if tag == b'IHDR':
            width, height, _, colour = struct.unpack_from('>IIBB', body)
        elif tag == b'IDAT':
            compressed += body
    step = {2: 3, 6: 4}[colour]
    raw, stride = zlib.decompress(compressed), width * step
    previous, pixels, i = bytearray(stride), bytearray(), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - step] if x >= step else 0
            b = previous[x]
            c = previous[x - step] if x >= step else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        for x in range(0, stride, step):
            pixels += line[x:x + 3]
        previous = line
    return (width, height), bytes(pixels)

def ppm_pixels(path):
    _, width, height, _, pixels = path.read_bytes().split(maxsplit=4)
    return (int(width), int(height)), pixels

work = pathlib.Path(sys.argv[1])
differing = 0
for headless in sorted(work.glob('*-editor.png')):
    windows = headless.with_suffix('.ppm')
    if not windows.exists() or png_pixels(headless) != ppm_pixels(windows):
        differing += 1
        print(f'  the Windows editor differs from the headless picture: {windows.name}')
sys.exit(1 if differing else 0)
PYTHON

echo "Windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
