#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks that every file a shop's install needs is in
# its place. Usage: check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
need() {
  if [ ! -e "$prefix/$1" ]; then
    echo "missing: $1"
    fail=1
  fi
}
need bin/soranowa
need bin/soranowa-admin
[ -x "$prefix/bin/soranowa" ] && [ -x "$prefix/bin/soranowa-admin" ] || { echo "programs not executable"; fail=1; }
need share/soranowa/help/index.html
need share/soranowa/menuwords.dic
need share/soranowa/ZipDB.IDX
need share/applications/soranowa.desktop
need share/metainfo/io.github.soranowa.Soranowa.metainfo.xml
need share/icons/hicolor/scalable/apps/soranowa.svg
for size in 16 32 48 64 128 256; do
  png="share/icons/hicolor/${size}x${size}/apps/soranowa.png"
  need "$png"
  # A PNG of the size its folder names: width and height are big-endian at bytes 16..23.
  if [ -e "$prefix/$png" ]; then
    dims="$(od -An -tu4 --endian=big -j16 -N8 "$prefix/$png" | tr -s ' ')"
    [ "$dims" = " $size $size" ] || { echo "wrong size in $png:$dims"; fail=1; }
  fi
done
# Every help page of the source tree is installed.
for page in "$(dirname "$0")"/../help/*; do
  need "share/soranowa/help/$(basename "$page")"
done
# The installed admin tool, given a data folder without its own postal-code database, searches the
# one installed with it; a copy in the data folder still wins.
empty="$prefix/shop-data"
mkdir -p "$empty"
zip="$("$prefix/bin/soranowa-admin" zip "$empty" 1000001 2>&1)" || true
grep -q '千代田' <<<"$zip" || { echo "installed postal-code database not found: $zip"; fail=1; }
printf 'SNZIPDB\0damaged' >"$empty/ZipDB.IDX"
if "$prefix/bin/soranowa-admin" zip "$empty" 1000001 >/dev/null 2>&1; then
  echo "a damaged database in the data folder was passed over"
  fail=1
fi
# The documentation Debian asks of a package.
need share/doc/soranowa/copyright
need share/doc/soranowa/changelog.gz
need share/man/man1/soranowa.1.gz
need share/man/man1/soranowa-admin.1.gz
gzip -dc "$prefix/share/doc/soranowa/changelog.gz" | head -n1 | grep -q '^soranowa (' ||
  { echo "changelog.gz does not start with a changelog entry"; fail=1; }
# Nothing from the build (tests, helpers) leaks into the install.
extra="$(find "$prefix/bin" -type f ! -name soranowa ! -name soranowa-admin)"
[ -z "$extra" ] || { echo "unexpected in bin/: $extra"; fail=1; }
exit $fail
