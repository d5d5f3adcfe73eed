#!/usr/bin/env bash
# The main window's place under a real window manager (Openbox, on a
# virtual display of its own):
#   1. five starts and closes, nothing touched, keep the stored place and
#      height and the mapped frame, and the stored values are the frame's;
#   2. a moved window comes back where it was left;
#   3. "В центре" and "В левом верхнем углу", applied and restarted, keep
#      the title bar on the screen.
set -euo pipefail
program=$1
. "$(dirname "$0")/x11.sh"
work=$(mktemp -d)
trap 'end_display; rm -rf "$work"' EXIT
own_display_with_window_manager "$work"
export XDG_CONFIG_HOME="$work/config"
store="$XDG_CONFIG_HOME/kalkort/kalkort.conf"
title="Калькорт 1.6.1 Pro"
fail() { echo "FAIL: $*"; exit 1; }

# The stored place and height: "left top height".
stored() {
  awk -F= '$1 == "FormLeft1.6.1Pro" {l = $2} $1 == "FormTop1.6.1Pro" {t = $2}
    $1 == "Form1.Heigh1.6.1Pro" {h = $2} END {print l, t, h}' "$store"
}

# start: starts the program and waits for its main window; sets pid and main.
start() {
  "$program" 2>>"$work/program.log" &
  pid=$!
  main=$(wait_for_window "$title") || { kill -9 "$pid"; fail "no main window"; }
}

# Frame and store agree: the stored left, top and height are the frame's.
agree() {
  local frame=$1 place=$2
  read -r fl ft _ fh <<<"$frame"
  [ "$place" = "$fl $ft $fh" ] || fail "stored $place, but the frame was $frame"
}

# The title bar, above the client area, lies whole on the 1280 x 1024 screen.
title_bar_on_screen() {
  local frame=$1 client_top
  read -r fl ft fw _ <<<"$frame"
  client_top=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
  [ "$ft" -ge 0 ] && [ "$fl" -ge 0 ] && [ $((fl + fw)) -le 1280 ] && [ "$client_top" -gt "$ft" ] ||
    fail "title bar off the screen: frame $frame, client area from $client_top"
}

echo "== five starts and closes"
first_frame="" first_place=""
for run in 1 2 3 4 5; do
  start
  frame=$(settled_outer "$main") || fail "the frame did not settle: $frame"
  stop "$pid" || fail "unclean exit"
  place=$(stored)
  echo "run $run: frame $frame, stored $place"
  agree "$frame" "$place"
  if [ "$run" -eq 1 ]; then
    first_frame=$frame first_place=$place
  else
    [ "$frame" = "$first_frame" ] || fail "the frame moved: $first_frame, then $frame"
    [ "$place" = "$first_place" ] || fail "the store changed: $first_place, then $place"
  fi
done

echo "== a moved window"
start
settled_outer "$main" >/dev/null
xdotool windowmove "$main" 700 250
frame=$(settled_outer "$main")
[ "$frame" != "$first_frame" ] || fail "the window did not move"
stop "$pid" || fail "unclean exit"
agree "$frame" "$(stored)"
start
again=$(settled_outer "$main")
stop "$pid" || fail "unclean exit"
echo "left at $frame, back at $again"
[ "$again" = "$frame" ] || fail "the window came back elsewhere"

# choose ITEM_INDEX: picks the item of "Положение главного окна" through the
# settings screen, opened from the group "Главное меню".
choose() {
  local presses=$1 settings
  # The caption of "Главное меню" is the top group's, 8 pixels down the bar;
  # once it is open (it stays open from the last run) its first item,
  # "Настройки", is 24 pixels below it.
  if ! grep -qx "FormGlMen1.6.1Pro=1" "$store"; then
    xdotool mousemove --window "$main" 100 18 click 1
    settled_outer "$main" >/dev/null
  fi
  xdotool mousemove --window "$main" 100 42 click 1
  settings=$(wait_for_window "Настройки") || fail "no settings screen"
  settled_outer "$settings" >/dev/null
  # RzComboBox1 spans (214, 11) to (405, 32).
  xdotool mousemove --window "$settings" 309 21 click 1
  sleep 0.3
  for _ in $(seq 1 "$presses"); do xdotool key Down; done
  xdotool key Return
}

for choice in "2 В центре" "3 В левом верхнем углу"; do
  read -r presses name <<<"$choice"
  echo "== $name"
  start
  settled_outer "$main" >/dev/null
  choose "$presses"
  frame=$(settled_outer "$main")
  read -r fl ft fw _ <<<"$frame"
  if [ "$name" = "В центре" ]; then want_left=$(((1280 - fw + 1) / 2)); else want_left=0; fi
  [ "$fl $ft" = "$want_left 0" ] || fail "$name put the frame at $frame"
  title_bar_on_screen "$frame"
  stop "$pid" || fail "unclean exit"
  agree "$frame" "$(stored)"
  start
  again=$(settled_outer "$main")
  title_bar_on_screen "$again"
  stop "$pid" || fail "unclean exit"
  echo "$name: $frame, after a restart $again"
  [ "$again" = "$frame" ] || fail "$name came back elsewhere"
done
echo "all passed"
