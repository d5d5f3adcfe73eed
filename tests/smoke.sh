#!/usr/bin/env bash
# Starts the real program on the current X display, waits for its main window,
# takes a screenshot and checks that the window shows something, then closes
# it the way a session does (SIGTERM) and expects a clean exit.
set -euo pipefail
program=$1
. "$(dirname "$0")/x11.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

"$program" &
pid=$!
window=$(wait_for_window "Калькорт 1.6.1 Pro") || { echo "the main window did not appear"; kill -9 "$pid"; exit 1; }
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "main window $window, $geometry"
[ "$geometry" = "215x637" ] || { echo "unexpected size $geometry"; exit 1; }
sleep 0.5
not_blank "$window" || { echo "the main window looks blank"; exit 1; }
stop "$pid"
