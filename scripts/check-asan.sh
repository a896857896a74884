#!/usr/bin/env bash
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs every test there. Extra arguments go to ctest (e.g. -R Customers).
# Leaks reported inside Qt, fontconfig and the X libraries are outside our code and listed in
# scripts/lsan.supp; a leak in our own code fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$(cd .. && pwd)" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORANOWA_SANITIZE=ON "${launcher[@]}" >/dev/null
rm -f build-asan/*_autogen/timestamp build-asan/tests/*_autogen/timestamp
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=0:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
