#!/usr/bin/env bash
# Builds the Debian package: a Release build in build-deb/, stripped, installed under /usr, packed
# by CPack into build-deb/soranowa_VERSION_ARCH.deb, then checked by lintian (any error fails).
# Prints the path of the package as its last line.
# Usage: package-deb.sh [--no-lintian]
set -euo pipefail
cd "$(dirname "$0")/.."
lint=1
[ "${1:-}" = "--no-lintian" ] && lint=0

scripts/deps.sh
# Packing tools, needed here only: dpkg-shlibdeps (dpkg-dev) finds the library packages, lintian
# checks the result.
tools=(dpkg-dev file)
[ $lint -eq 1 ] && tools+=(lintian)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$(cd .. && pwd)" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Debian's hardening flags (stack protector, fortified functions, full RELRO, immediate binding).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORANOWA_TESTS=OFF "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build-deb -j"$(nproc)" >/dev/null
rm -f build-deb/soranowa_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb="$(ls "$PWD"/build-deb/soranowa_*.deb)"

if [ $lint -eq 1 ]; then
  # Errors fail the package; warnings are shown (the accepted ones are overridden in the package).
  report="$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)"
  [ -n "$report" ] && printf '%s\n' "$report" >&2
  if printf '%s\n' "$report" | grep -q '^E: '; then
    echo "lintian found errors in $deb" >&2
    exit 1
  fi
fi
echo "$deb"
