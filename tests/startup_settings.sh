#!/usr/bin/env bash
# The first start greets the user; closing the main window writes the store;
# the second start restores it and greets no one.
set -euo pipefail
program=$1
. "$(dirname "$0")/x11.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
store="$XDG_CONFIG_HOME/kalkort/kalkort.conf"

"$program" &
pid=$!
wait_for_window "Калькорт 1.6.1 Pro" >/dev/null || { echo "no main window"; kill -9 "$pid"; exit 1; }
welcome=$(wait_for_window "Здравствуй, Пользователь!") || { echo "no welcome screen"; kill -9 "$pid"; exit 1; }
sleep 0.3
not_blank "$welcome" || { echo "the welcome screen looks blank"; exit 1; }
stop "$pid"
[ -f "$store" ] || { echo "no settings were written"; exit 1; }
values=$(grep -c "1.6.1Pro=" "$store")
echo "store holds $values values"
[ "$values" -eq 12 ]

"$program" &
pid=$!
wait_for_window "Калькорт 1.6.1 Pro" >/dev/null || { echo "no main window"; kill -9 "$pid"; exit 1; }
sleep 1
if window_id "Здравствуй, Пользователь!" >/dev/null; then
  echo "the welcome screen came again"
  kill -9 "$pid"
  exit 1
fi
stop "$pid"
