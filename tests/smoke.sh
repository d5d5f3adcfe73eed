#!/usr/bin/env bash
# Starts the real program on the current X display, waits for its main window,
# takes a screenshot and checks that the window shows something, then closes
# it the way a session does (SIGTERM) and expects a clean exit.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

"$program" &
pid=$!

window=""
for _ in $(seq 1 100); do
  window=$(xwininfo -root -tree | awk '/"Калькорт 1.6.1 Pro": \("kalkort"/ {print $1; exit}')
  if [ -n "$window" ] && xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
    break
  fi
  window=""
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the main window did not appear"
  kill -9 "$pid" 2>/dev/null || true
  exit 1
fi
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "main window $window, $geometry"
[ "$geometry" = "215x637" ] || { echo "unexpected size $geometry"; exit 1; }

sleep 0.5
import -window "$window" "$work/shot.png"
colours=$(convert "$work/shot.png" -format "%k" info:)
deviation=$(convert "$work/shot.png" -colorspace Gray -format "%[fx:standard_deviation]" info:)
echo "screenshot: $colours colours, deviation $deviation"
if [ "$colours" -lt 50 ] || awk -v d="$deviation" 'BEGIN {exit !(d < 0.02)}'; then
  echo "the main window looks blank"
  exit 1
fi

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
echo "exit status $status"
[ "$status" -eq 0 ]
