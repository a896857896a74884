#!/usr/bin/env bash
# Validates the desktop entry or the AppStream metainfo with the freedesktop validators.
# Exits 77 (skipped) when the validator is not installed. Usage: check-desktop-files.sh desktop|metainfo
set -euo pipefail
res="$(dirname "$0")/../resources"
case "$1" in
  desktop)
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate not installed"; exit 77; }
    out="$(desktop-file-validate "$res/soranowa.desktop" 2>&1)" || true
    ;;
  metainfo)
    command -v appstreamcli >/dev/null || { echo "appstreamcli not installed"; exit 77; }
    out="$(appstreamcli validate --no-net --pedantic "$res/io.github.soranowa.Soranowa.metainfo.xml" 2>&1)" || { echo "$out"; exit 1; }
    ;;
  *) echo "usage: $0 desktop|metainfo"; exit 2 ;;
esac
# The validators report hints as well; any output at all is treated as a fault to fix.
if [ "$1" = desktop ] && [ -n "$out" ]; then
  echo "$out"
  exit 1
fi
echo "${out:-valid}"
