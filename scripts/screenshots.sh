#!/usr/bin/env bash
# Screenshots of the main window and of one screen of each kind, for the
# README, made by driving the real program the way a user does: under Xvfb
# with the openbox window manager, clicking and typing with xdotool.
#   scripts/screenshots.sh [PROGRAM [OUTPUT-FOLDER]]
# PROGRAM defaults to build/kalkort (built first), OUTPUT-FOLDER to
# docs/screenshots. QT_SCALE_FACTOR=2 gives them at double size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 1 ]; then
  "$root/scripts/setup.sh" --screenshots
fi
program=$(realpath "${1:-$root/build/kalkort}")
out=${2:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

. "$root/tests/x11.sh"
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true; end_display; rm -rf "$work"' EXIT
# A virtual X server of its own, with Openbox.
own_display_with_window_manager "$work"
export XDG_CONFIG_HOME="$work/config" LANG=ru_RU.UTF-8 LC_ALL=
cd "$work"
scale=${QT_SCALE_FACTOR:-1}

# at VALUE: a position in the program's own pixels, scaled as the screens are.
at() { awk -v v="$1" -v s="$scale" 'BEGIN {printf "%d", v * s}'; }
click() { xdotool mousemove --window "$1" "$(at "$2")" "$(at "$3")" click 1; sleep 0.4; }

shoot() {  # shoot ID NAME
  sleep 0.6
  import -window "$(frame_of "$1")" "$out/$2.png"
  echo "$out/$2.png"
}

# The group bar: six groups, top to bottom, each 20 pixels of caption when
# closed, opened heights 28 + 20 per item, 8 pixels apart; clicking a closed
# group's caption opens it and closes the others.
opened_heights=(88 208 168 288 148 228)
opened=(0 1 0 1 0 0)   # "Площадь" and "Переводы" at the first start
caption_y() {
  local y=8 i
  for ((i = 0; i < $1; i++)); do
    if [ "${opened[i]}" = 1 ]; then y=$((y + opened_heights[i] + 8)); else y=$((y + 28)); fi
  done
  echo "$y"
}
# open_item GROUP ITEM: clicks the ITEMth item (from 0, as shown) of the GROUPth group.
open_item() {
  local group=$1 item=$2 i
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  if [ "${opened[group]}" != 1 ]; then
    click "$main" 107 $(($(caption_y "$group") + 10))
    for ((i = 0; i < 6; i++)); do opened[i]=0; done
    opened[group]=1
  fi
  click "$main" 107 $(($(caption_y "$group") + 24 + 20 * item + 10))
}
# screen TITLE: waits for the screen and gives it the keyboard.
screen() {
  local id
  id=$(wait_for_window "$1") || { echo "no window \"$1\"" >&2; return 1; }
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  sleep 0.3
  echo "$id"
}
# fill TEXT...: types each into the focused field and the next ones (Tab), then Enter.
fill() {
  local first=1 text
  for text in "$@"; do
    [ $first = 1 ] || xdotool key Tab
    first=0
    xdotool type --delay 30 -- "$text"
  done
  xdotool key Return
}

"$program" &
pid=$!
main=$(wait_for_window "Калькорт 1.6.1 Pro")
welcome=$(screen "Здравствуй, Пользователь!")
shoot "$welcome" welcome
xdotool key Return
sleep 0.5
shoot "$main" main-window

open_item 1 0; w=$(screen "Треугольник"); fill 12 5; shoot "$w" area-triangle
open_item 3 0; w=$(screen "Меры массы")   # 5 Килограмм in Грамм
xdotool type -- 5; click "$w" 192 106; xdotool type --delay 30 -- Грамм; xdotool key Return; sleep 0.3; xdotool key Return
shoot "$w" conversion-mass
open_item 4 2; w=$(screen "Система двух линейных уравнений"); fill 2 1 7 1 -1 -1
click "$w" 357 236; shoot "$w" solver-system   # "График >>"
open_item 2 2; w=$(screen "Цилиндр"); fill 10 20
click "$w" 317 212; sleep 1; shoot "$w" solid-cylinder   # "3D-модель>>"
open_item 5 0; w=$(screen "Плотность веществ"); xdotool key Down Down; shoot "$w" lookup-density
open_item 5 6; w=$(screen "Основные константы (постоянные) всего:64"); click "$w" 100 38; shoot "$w" reference-constants
open_item 0 0; w=$(screen "Настройки"); shoot "$w" settings
open_item 0 1; w=$(screen "О программе..."); shoot "$w" about
click "$w" 437 164   # "Ok"
stop "$pid"
