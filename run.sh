#!/usr/bin/env bash
# Installs what is missing, builds, and starts Soranowa.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/soranowa "$@"
fi
exec build/soranowa "$@"
