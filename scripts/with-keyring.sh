#!/usr/bin/env bash
# Runs a command beside a desktop keychain of its own: a private session bus with GNOME Keyring's
# Secret Service on it, its login keyring made and unlocked in a scratch home folder, so the
# command stores and reads secrets as on a shop's desktop without touching the user's keyrings.
#
#   scripts/with-keyring.sh COMMAND [ARG...]
# The command sees SORANOWA_SECRET_SERVICE=1. Exits 77 when the bus or the keyring is missing.
set -euo pipefail
command -v dbus-run-session >/dev/null && command -v gnome-keyring-daemon >/dev/null || {
  echo "dbus-run-session or gnome-keyring-daemon is not installed" >&2
  exit 77
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export HOME="$scratch" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
  XDG_RUNTIME_DIR="$scratch/run" SORANOWA_SECRET_SERVICE=1
exec dbus-run-session -- bash -c '
  # The login keyring is created with this password and left unlocked for the session.
  printf soranowa | gnome-keyring-daemon --unlock --components=secrets >/dev/null || exit 77
  exec "$@"' keyring "$@"
