# Helpers of the end-to-end scripts: finding the program's windows on the
# current X display.

# window_id TITLE: the id of a mapped window of the program with that title.
window_id() {
  local id
  for id in $(xwininfo -root -tree | awk -v t="\"$1\": (\"kalkort\"" 'index($0, t) {print $1}'); do
    if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# wait_for_window TITLE [tenths of a second]: waits until it is mapped, prints its id.
wait_for_window() {
  local tries=${2:-100}
  for _ in $(seq 1 "$tries"); do
    window_id "$1" && return 0
    sleep 0.1
  done
  return 1
}

# not_blank ID: the window shows more than a plain fill.
not_blank() {
  local shot
  shot=$(mktemp --suffix=.png)
  import -window "$1" "$shot"
  local colours deviation
  colours=$(convert "$shot" -format "%k" info:)
  deviation=$(convert "$shot" -colorspace Gray -format "%[fx:standard_deviation]" info:)
  rm -f "$shot"
  echo "screenshot of $1: $colours colours, deviation $deviation"
  [ "$colours" -ge 50 ] && awk -v d="$deviation" 'BEGIN {exit !(d >= 0.02)}'
}

# stop PID: closes the program as a session does and expects a clean exit.
stop() {
  kill -TERM "$1"
  local status=0
  wait "$1" || status=$?
  echo "exit status $status"
  [ "$status" -eq 0 ]
}
