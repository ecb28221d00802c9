#!/usr/bin/env bash
# Builds and packages a release: fendwick-dynamics-VERSION-linux-x86_64.tar.gz
# and fendwick-dynamics-VERSION-windows.zip (32-bit and 64-bit folders), each
# with the README, a short install note and the editors' pictures.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
  cat <<'USAGE'
usage: ./release.sh [--out DIR] [--linux-only] [--no-build] [--build-dir DIR]
  --out DIR        where the archives go (default: out/release)
  --linux-only     leave the Windows archive out
  --no-build       package what the build folders hold
  --build-dir DIR  the Linux build folder (default: build); the Windows ones
                   are build-win-x86_64 and build-win-i686
USAGE
}

out=out/release
windows=1
build=1
dir=build
while [ $# -gt 0 ]; do
  case "$1" in
    --out) [ $# -ge 2 ] || { usage >&2; exit 2; }; out="$2"; shift 2 ;;
    --linux-only) windows=0; shift ;;
    --no-build) build=0; shift ;;
    --build-dir) [ $# -ge 2 ] || { usage >&2; exit 2; }; dir="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "release.sh: unknown argument: $1" >&2; usage >&2; exit 2 ;;
  esac
done

version=$(sed -n 's/^project(fendwick_dynamics VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release.sh: no version in CMakeLists.txt" >&2; exit 1; }
name="fendwick-dynamics-$version"

if [ "$build" -eq 1 ]; then
  scripts/install-dependencies.sh
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j "$(nproc)" --target installables
  if [ "$windows" -eq 1 ]; then
    scripts/install-windows-dependencies.sh
    # The cross builds take their artwork from the Linux build's artwork program.
    cmake --build "$dir" -j "$(nproc)" --target fendwick_artwork
    for arch in x86_64 i686; do
      cmake -S . -B "build-win-$arch" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/mingw-w64-$arch.cmake" \
        -DFENDWICK_ARTWORK_PROGRAM="$PWD/$dir/resources/fendwick_artwork" >/dev/null
      cmake --build "build-win-$arch" -j "$(nproc)" --target installables
    done
  fi
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out"

# What every archive holds beside the plug-ins; the pictures in docs/,
# where the README shows them from.
common() {
  local folder="$1" note="$2"
  cp README.md "$folder/"
  sed "s/@VERSION@/$version/" "$note" > "$folder/INSTALL.txt"
  mkdir -p "$folder/docs"
  cp docs/*.png "$folder/docs/"
}

linux="$stage/$name-linux-x86_64"
mkdir -p "$linux/plugins" "$linux/bin"
ls "$dir"/plugins/*.so >/dev/null 2>&1 || { echo "release.sh: no plug-ins in $dir/plugins" >&2; exit 1; }
cp "$dir"/plugins/*.so "$linux/plugins/"
cp "$dir/tools/fendwick/fendwick" "$linux/bin/"
common "$linux" packaging/INSTALL-linux.txt
tar -C "$stage" -czf "$out/$name-linux-x86_64.tar.gz" "$(basename "$linux")"
echo "$out/$name-linux-x86_64.tar.gz"

if [ "$windows" -eq 1 ]; then
  command -v zip >/dev/null || { echo "release.sh: zip is missing (apt-get install zip)" >&2; exit 1; }
  win="$stage/$name-windows"
  for arch in x86_64 i686; do
    folder="$win/$([ "$arch" = x86_64 ] && echo 64 || echo 32)-bit"
    ls "build-win-$arch"/plugins/*.dll >/dev/null 2>&1 ||
      { echo "release.sh: no Windows plug-ins in build-win-$arch/plugins (run without --no-build)" >&2; exit 1; }
    mkdir -p "$folder"
    cp "build-win-$arch"/plugins/*.dll "$folder/"
  done
  common "$win" packaging/INSTALL-windows.txt
  sed -i 's/$/\r/' "$win/INSTALL.txt"
  rm -f "$out/$name-windows.zip"
  (cd "$stage" && zip -qr - "$(basename "$win")") > "$out/$name-windows.zip"
  echo "$out/$name-windows.zip"
fi
