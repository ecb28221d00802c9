#!/usr/bin/env bash
# Builds the plug-ins and the fendwick tool, then installs them where VST
# hosts and the shell look: by default the plug-ins in ~/.vst/Fendwick and
# fendwick in ~/.local/bin. Keeps the list of installed files, which
# ./uninstall.sh removes again.
set -euo pipefail
cd "$(dirname "$0")"

usage() {
  cat <<'USAGE'
usage: ./install.sh [--prefix DIR] [--no-build] [--build-dir DIR]
  --prefix DIR  install under DIR: a folder in your home puts the plug-ins in
                ~/.vst/Fendwick, any other (e.g. /usr/local, with sudo) in
                DIR/lib/vst; fendwick goes to DIR/bin (default: ~/.local)
  --no-build    install what the build folder holds without building first
  --build-dir DIR  the build folder (default: build)
USAGE
}

prefix="${HOME}/.local"
build=1
dir=build
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) [ $# -ge 2 ] || { usage >&2; exit 2; }; prefix="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    --build-dir) [ $# -ge 2 ] || { usage >&2; exit 2; }; dir="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "install.sh: unknown argument: $1" >&2; usage >&2; exit 2 ;;
  esac
done

if [ "$build" -eq 1 ]; then
  scripts/install-dependencies.sh
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j "$(nproc)" --target installables
fi
[ -d "$dir/plugins" ] || { echo "install.sh: nothing built in $dir; run it without --no-build" >&2; exit 1; }

cmake --install "$dir" --prefix "$prefix"
kept="$prefix/share/fendwick-dynamics/installed-files.txt"
mkdir -p "$(dirname "$kept")"
# The manifest has no newline after its last line.
{ cat "$dir/install_manifest.txt"; echo; echo "$kept"; } | sed '/^$/d' > "$kept.new"
mv "$kept.new" "$kept"
echo
echo "Installed:"
cat "$kept"
echo
echo "Rescan plug-ins in your host. ./uninstall.sh --prefix $prefix removes them again."
