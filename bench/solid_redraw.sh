#!/usr/bin/env bash
# CPU share of the program with the cylinder screen open and its 3D model
# redrawn every 500 ms by Mesa's software renderer, beside the same program
# with the cylinder screen open narrow (every screen narrow). Each case runs
# on a fresh virtual X server driven with xdotool as a user would; the
# program's CPU (all its threads, the renderer's included) and the X server's
# are sampled over SECONDS_MEASURED (10) seconds. Aim: the wide screen costs
# 5 % of one core or less.
#   bench/solid_redraw.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${SECONDS_MEASURED:-10}
ticks=$(getconf CLK_TCK)
for tool in Xvfb xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is needed"; exit 1; }
done

cmake --build "$build" -j2 --target kalkort >/dev/null

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# window <title>: the id of the program's viewable top-level window of that title
window() {
  local id
  for _ in $(seq 1 100); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\": (\"kalkort\"" 'index($0, t) {print $1; exit}')
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then
      echo "$id"
      return
    fi
    sleep 0.05
  done
  echo "no window \"$1\"" >&2
  return 1
}

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

# Ends the program, then its X server.
stop() {
  [ -z "${pid:-}" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$config"
  pid=""
}

# measure wide|narrow: prints "program_percent xserver_percent"; runs in a
# subshell of its own, which stops the program and the X server when it ends.
measure() {
  local mode=$1
  pid=""
  config=$(mktemp -d)
  # The server picks a free display and writes its number.
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$config/display" 2>/dev/null &
  xvfb=$!
  trap stop EXIT
  for _ in $(seq 1 100); do [ -s "$config/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -n 1 "$config/display")
  for _ in $(seq 1 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
  LIBGL_ALWAYS_SOFTWARE=1 XDG_CONFIG_HOME=$config "$build/kalkort" >/dev/null 2>&1 &
  pid=$!
  local main solid
  main=$(window "Калькорт 1.6.1 Pro")
  click "$main" 100 262   # the caption of "Объём" (start state: "Площадь" opened above it)
  click "$main" 42 138    # its item "Цилиндр"
  solid=$(window "Цилиндр")
  click "$solid" 150 50   # Edit1, r
  xdotool type --delay 30 "10"
  click "$solid" 150 106  # Edit2, h
  xdotool type --delay 30 "20"
  if [ "$mode" = wide ]; then
    click "$solid" 317 212  # "3D-модель>>"
  fi
  sleep 2
  local width
  width=$(xwininfo -id "$solid" | awk '/Width:/ {print $2}')
  local expected=368
  [ "$mode" = wide ] && expected=622
  if [ "$width" != "$expected" ]; then
    echo "the cylinder screen is $width pixels wide, not $expected" >&2
    exit 1
  fi
  if [ "$mode" = wide ]; then
    # The drawing area shows the clear colour in its corner: the model view draws.
    import -window "$solid" "$config/shot.png"
    local corner
    corner=$(convert "$config/shot.png" -format "%[pixel:p{402,29}]" info:)
    case $corner in
      "srgb(140,178,178)" | "srgb(140,179,179)") ;;
      *) echo "the drawing area shows $corner, not the model's background" >&2; exit 1 ;;
    esac
  fi
  local before xbefore after xafter
  before=$(cpu_ticks "$pid")
  xbefore=$(cpu_ticks "$xvfb")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  xafter=$(cpu_ticks "$xvfb")
  awk -v b="$before" -v a="$after" -v xb="$xbefore" -v xa="$xafter" -v t="$ticks" -v d="$seconds" \
    'BEGIN {printf "%.2f %.2f\n", 100 * (a - b) / t / d, 100 * (xa - xb) / t / d}'
  stop
  trap - EXIT
}

narrow=$(measure narrow)
wide=$(measure wide)
printf '%-34s %10s %10s\n' "" "program %" "X server %"
printf '%-34s %10s %10s\n' "cylinder screen narrow" $narrow
printf '%-34s %10s %10s\n' "cylinder screen wide, redrawing" $wide
awk -v n="${narrow%% *}" -v w="${wide%% *}" 'BEGIN {
  printf "redrawing costs %.2f %% of one core (aim 5.00 or less)\n", w - n }'
