#!/usr/bin/env bash
# Installs what is missing, builds, and starts Soranowa.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
# The postal-code database comes from Debian's public-domain postal data (skkdic-extra).
if [ ! -f build/data/ZipDB.IDX ]; then
  mkdir -p build/data
  build/soranowa-admin zipdb build build/data/ZipDB.IDX
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/soranowa "$@"
fi
exec build/soranowa "$@"
