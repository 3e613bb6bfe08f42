#!/usr/bin/env bash
# Start-up time and memory of Kelvo against a bare Qt 6 Widgets program (QMainWindow, QMdiArea,
# menu bar, linked against Qt Sql and Qt Svg), 7 runs each, alternating, under a private Xvfb.
# Prints the medians and the ratios Kelvo / bare against the targets.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$source_dir/build/bench
runs=${RUNS:-7}
display=:${BENCH_DISPLAY:-197}
settle=${SETTLE_SECONDS:-5} # past Kelvo's 3 s splash, so its main window is up

cd "$source_dir"
[ -f "$build/build.ninja" ] || cmake --preset bench >/dev/null
cmake --build "$build" --target kelvo kelvo_bare_qt kelvo_switch_driver xmapwait >/dev/null

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!  # -noreset: the server stays up between runs instead of resetting when a run ends
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# One run: "<ms to first map> <rss kB after settling>".
measure() {
  local out ms pid rss
  out=$("$build/xmapwait" "$1")
  ms=${out% *}
  pid=${out#* }
  sleep "$settle"
  rss=$(rss_kb "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$ms $rss"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

k_ms=() k_rss=() b_ms=() b_rss=()
measure "$build/kelvo_bare_qt" >/dev/null # warm the file cache for both
measure "$build/kelvo" >/dev/null
for i in $(seq "$runs"); do
  read -r ms rss < <(measure "$build/kelvo_bare_qt"); b_ms+=("$ms"); b_rss+=("$rss")
  read -r ms rss < <(measure "$build/kelvo"); k_ms+=("$ms"); k_rss+=("$rss")
  echo "run $i: bare ${b_ms[-1]} ms ${b_rss[-1]} kB, kelvo ${k_ms[-1]} ms ${k_rss[-1]} kB"
done

driver=$("$build/kelvo_switch_driver")
every=$(awk '/^every/ { print $2 }' <<<"$driver")
sheets=$(awk '/^every/ { print $4 }' <<<"$driver")
s100=$(awk '/^switch100/ { print $2 }' <<<"$driver")
s1000=$(awk '/^switch1000/ { print $2 }' <<<"$driver")

bm=$(printf '%s\n' "${b_ms[@]}" | median); km=$(printf '%s\n' "${k_ms[@]}" | median)
br=$(printf '%s\n' "${b_rss[@]}" | median); kr=$(printf '%s\n' "${k_rss[@]}" | median)

awk -v bm="$bm" -v km="$km" -v br="$br" -v kr="$kr" -v every="$every" -v sheets="$sheets" \
    -v s100="$s100" -v s1000="$s1000" -v runs="$runs" 'BEGIN {
  missed = 0
  printf "\nStart-up and memory, median of %d runs each (Xvfb, xcb platform)\n", runs
  printf "  %-44s %10s %10s %7s %8s\n", "", "bare", "Kelvo", "ratio", "target"
  line("exec to first window mapped (ms)", bm, km, 1.15)
  line("resident memory after start-up (kB)", br, kr, 1.3)
  line("resident after every sheet once (kB, " sheets ")", br, every, 1.6)
  growth = s1000 - s100
  ok = growth <= 1024
  printf "  %-44s %10s %10d %7s %8s  %s\n", "growth, switches 100 to 1,000 (kB)", "", growth, "", "flat", ok ? "ok" : "MISSED"
  if (!ok) missed = 1
  print missed ? "\nA target was MISSED." : "\nAll targets met."
  exit missed
}
function line(what, bare, kelvo, target,   r, ok) {
  r = kelvo / bare; ok = r <= target
  printf "  %-44s %10.1f %10.1f %6.2fx %7.2fx  %s\n", what, bare, kelvo, r, target, ok ? "ok" : "MISSED"
  if (!ok) missed = 1
}'
