#!/usr/bin/env bash
# Removes what ./install.sh installed under a prefix (default ~/.local):
# exactly the files it listed, then our own folders they leave empty
# (~/.vst/Fendwick, share/fendwick-dynamics); shared folders such as
# ~/.local/bin stay.
set -euo pipefail

usage() {
  echo "usage: ./uninstall.sh [--prefix DIR]   (the prefix given to ./install.sh; default ~/.local)"
}

prefix="${HOME}/.local"
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) [ $# -ge 2 ] || { usage >&2; exit 2; }; prefix="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    *) echo "uninstall.sh: unknown argument: $1" >&2; usage >&2; exit 2 ;;
  esac
done

kept="$prefix/share/fendwick-dynamics/installed-files.txt"
if [ ! -f "$kept" ]; then
  echo "uninstall.sh: no installation under $prefix (looked for $kept)" >&2
  exit 1
fi
while IFS= read -r file; do
  if [ -e "$file" ] || [ -L "$file" ]; then
    rm -f -- "$file"
    echo "Removed $file"
  fi
  folder="$(dirname "$file")"
  case "$(basename "$folder")" in
    Fendwick|fendwick-dynamics) rmdir --ignore-fail-on-non-empty -- "$folder" 2>/dev/null || true ;;
  esac
done < "$kept"
