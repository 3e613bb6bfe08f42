#!/usr/bin/env bash
# Builds the fuzzers with clang (fuzz preset) and runs each for its share of SECONDS (default 20
# in all). A crash, a sanitizer report or a broken property stops the run with the input saved
# under build/fuzz/findings/. Long runs: fuzz/run.sh 3600, or one target by hand:
#   build/fuzz/fuzz_compute -max_total_time=3600 build/fuzz/corpus/fuzz_compute
set -euo pipefail
seconds=${1:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$source_dir/build/fuzz
cd "$source_dir"
[ -f "$build/build.ninja" ] || cmake --preset fuzz >/dev/null
if ! log=$(cmake --build "$build" --target kelvo_fuzzers 2>&1); then
  echo "$log" | tail -40
  echo "fuzz: the fuzzers did not build"
  exit 1
fi

targets=(fuzz_format_mask fuzz_conversions fuzz_filter_key fuzz_color_code fuzz_compute
  fuzz_nec_fill fuzz_nec_motor fuzz_nec_conductor)
each=$(( seconds / ${#targets[@]} ))
[ "$each" -ge 1 ] || each=1
mkdir -p "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  echo "fuzz: $t for ${each}s"
  log=$build/findings/$t.log
  if ! "$build/$t" -max_total_time="$each" -artifact_prefix="$build/findings/$t-" \
      "$build/corpus/$t" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $t FAILED (log $log)"
    exit 1
  fi
  tail -1 "$log"
done
echo "fuzz: all targets clean"
