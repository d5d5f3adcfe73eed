#!/usr/bin/env bash
# Start-up time, resident memory and CPU at rest of the program beside a bare
# Qt window of the same size, each started RUNS times on a fresh virtual X
# server. Prints the medians and the program's figures relative to the bare
# window's. Aims: start-up within 1.5 times, memory within 10 MiB, 0.00 % CPU.
# Also the program's exit: from SIGTERM, which closes its main window as the
# title bar does, to the end of the process (aim 200 ms; the bare window just
# dies of the signal).
#   bench/startup.sh [build dir]      RUNS (5) and REST_SECONDS (10) from the environment
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${RUNS:-5}
rest=${REST_SECONDS:-10}
ticks=$(getconf CLK_TCK)

cmake --build "$build" -j2 --target kalkort bench_bare_window >/dev/null

# measure <program> <window title>: prints "startup_ms rss_kib cpu_percent exit_ms"
measure() {
  local program=$1 title=$2 display config
  config=$(mktemp -d)
  # A display of its own: Xvfb picks a free number and tells it.
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$config/display" 2>/dev/null &
  local xvfb=$!
  for _ in $(seq 1 100); do [ -s "$config/display" ] && break; sleep 0.05; done
  display=:$(head -n 1 "$config/display")
  for _ in $(seq 1 100); do DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
  # A usual start: the store holds what a first run leaves.
  mkdir -p "$config/kalkort"
  printf '%s\n' FormTop1.6.1Pro=29 FormLeft1.6.1Pro=399 TrackPosition1.6.1Pro=1 PhonSvoi1.6.1Pro=0 \
    FormGlMen1.6.1Pro=0 FormPlo1.6.1Pro=1 FormPer1.6.1Pro=1 FormReZad1.6.1Pro=0 FormRaz1.6.1Pro=0 \
    FormOb1.6.1Pro=0 Form1.Heigh1.6.1Pro=637 Strech1.6.1Pro=1 > "$config/kalkort/kalkort.conf"
  local start end pid
  start=$(date +%s%N)
  DISPLAY=$display XDG_CONFIG_HOME=$config "$program" >/dev/null 2>&1 &
  pid=$!
  local deadline=$((start + 30000000000))
  while :; do
    local id
    id=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\":" 'index($0, t) {print $1; exit}')
    if [ -n "$id" ] && DISPLAY=$display xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then break; fi
    if [ "$(date +%s%N)" -gt "$deadline" ]; then
      echo "$title did not appear within 30 s" >&2
      kill "$pid" "$xvfb" 2>/dev/null
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 1
  local rss before after
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$rest"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  local closing closed
  closing=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  closed=$(date +%s%N)
  kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
  rm -rf "$config"
  awk -v s="$start" -v e="$end" -v r="$rss" -v b="$before" -v a="$after" -v t="$ticks" -v d="$rest" \
    -v c="$closing" -v x="$closed" \
    'BEGIN {printf "%.1f %d %.2f %.1f\n", (e - s) / 1e6, r, 100 * (a - b) / t / d, (x - c) / 1e6}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -A results
for name in bare program; do
  results[$name]=""
done
for i in $(seq 1 "$runs"); do
  results[bare]+="$(measure "$build/bench/bench_bare_window" "bare window")"$'\n'
  results[program]+="$(measure "$build/kalkort" "Калькорт 1.6.1 Pro")"$'\n'
  echo "run $i of $runs done" >&2
done

printf '%-10s %12s %12s %10s %10s\n' "" "start-up ms" "RSS KiB" "CPU %" "exit ms"
for name in bare program; do
  data=${results[$name]}
  s=$(echo -n "$data" | awk '{print $1}' | median)
  m=$(echo -n "$data" | awk '{print $2}' | median)
  c=$(echo -n "$data" | awk '{print $3}' | median)
  x=$(echo -n "$data" | awk '{print $4}' | median)
  printf '%-10s %12s %12s %10s %10s\n' "$name" "$s" "$m" "$c" "$x"
  eval "${name}_s=$s ${name}_m=$m ${name}_c=$c ${name}_x=$x"
done
awk -v ps="$program_s" -v bs="$bare_s" -v pm="$program_m" -v bm="$bare_m" -v pc="$program_c" -v px="$program_x" 'BEGIN {
  printf "start-up ratio %.2f (aim 1.50 or less)\n", ps / bs
  printf "memory above the bare window %.1f MiB (aim 10 or less)\n", (pm - bm) / 1024
  printf "CPU at rest %.2f %% (aim 0.00)\n", pc
  printf "exit after the main window closes %.0f ms (aim 200 or less)\n", px }'
