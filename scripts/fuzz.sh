#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 into build-fuzz/, writes their seed corpora and runs the
# targets one after the other, each for SECONDS (default 60), on its growing corpus under
# build-fuzz/corpus/TARGET. Exits non-zero when any target crashed, hung or ran out of memory;
# the input that did it is kept under build-fuzz/crashes/TARGET/.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]      (TARGET without the fuzz_ prefix)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift

# libFuzzer comes with clang's runtime libraries: try a one-line fuzzer to know it is there.
have_libfuzzer() {
  command -v clang++-14 >/dev/null 2>&1 || return 1
  printf '%s\n' '#include <cstdint>' '#include <cstddef>' \
    'extern "C" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }' |
    clang++-14 -fsanitize=fuzzer,address,undefined -x c++ - -o /tmp/soranowa-fuzz-probe.$$ >/dev/null 2>&1
  local ok=$?
  rm -f /tmp/soranowa-fuzz-probe.$$
  return $ok
}
if ! have_libfuzzer; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq clang-14 libclang-rt-14-dev >/dev/null
  have_libfuzzer || { echo "clang 14 with libFuzzer is not usable" >&2; exit 2; }
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$(cd .. && pwd)" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja -DSORANOWA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# Absolute: the targets make their scratch data folder the current directory.
out="$PWD/build-fuzz"
rm -rf "$out/seeds"
QT_QPA_PLATFORM=offscreen "$out/fuzz/soranowa-fuzzseeds" "$out/seeds"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(sed -n 's/^fuzz_//p' "$out/fuzz-targets.txt")
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p "$out/logs"
failed=()
printf '%-18s %12s %8s  %s\n' target executions seconds result > "$out/logs/summary.txt"
for t in "${targets[@]}"; do
  corpus="$out/corpus/$t" crashes="$out/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  dirs=("$corpus" "$out/seeds/$t")
  [ -d "fuzz/seeds/$t" ] && dirs+=("fuzz/seeds/$t")
  log="$out/logs/$t.log"
  echo "== fuzz_$t for ${seconds}s"
  start=$(date +%s)
  status=0
  "$out/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "${dirs[@]}" >"$log" 2>&1 || status=$?
  took=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -ne 0 ]; then
    found=$(ls -t "$crashes" 2>/dev/null | head -1)
    result="FAILED ($status): $crashes/$found"
    failed+=("$t")
    grep -E 'ERROR|runtime error|fuzz check failed|SUMMARY' "$log" | head -5 || true
  else
    result=ok
  fi
  printf '%-18s %12s %8s  %s\n' "$t" "${runs:-?}" "$took" "$result" | tee -a "$out/logs/summary.txt"
done
echo
cat "$out/logs/summary.txt"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failing targets: ${failed[*]} (logs in $out/logs/)" >&2
  exit 1
fi
