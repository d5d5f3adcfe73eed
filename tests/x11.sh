# Helpers of the end-to-end scripts: finding the program's windows on the
# current X display, and a display of its own with a window manager.

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

# own_display_with_window_manager DIR: starts a virtual X server of its own
# (1280 x 1024) with Openbox on it and points DISPLAY at it; end_display
# stops both.
own_display_with_window_manager() {
  local dir=$1
  command -v openbox >/dev/null || { echo "openbox is missing: run scripts/setup.sh --tests"; return 1; }
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
  x_server=$!
  for _ in $(seq 1 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -n 1 "$dir/display")
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  window_manager=$!
  # Ready once it names itself on the root window.
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.05
  done
  echo "the window manager did not start"
  return 1
}

end_display() {
  [ -n "${window_manager:-}" ] && kill "$window_manager" 2>/dev/null && wait "$window_manager" 2>/dev/null
  [ -n "${x_server:-}" ] && kill "$x_server" 2>/dev/null && wait "$x_server" 2>/dev/null
  return 0
}

# frame_of ID: the window the window manager put the window into (the
# window itself without one).
frame_of() {
  local id=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ {print $4}')
  while :; do
    parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/ {print $4}')
    [ "$parent" = "$root" ] && break
    id=$parent
  done
  echo "$id"
}

# outer ID: "left top width height" of the window with its frame, as mapped
# (xwininfo gives the outer corner of the border, and the size inside it).
outer() {
  xwininfo -id "$(frame_of "$1")" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Border width/ {b = $3} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w + 2 * b, h + 2 * b}'
}

# settled_outer ID: outer, once two readings a fifth of a second apart agree.
settled_outer() {
  local last="" now
  for _ in $(seq 1 50); do
    now=$(outer "$1")
    [ "$now" = "$last" ] && { echo "$now"; return 0; }
    last=$now
    sleep 0.2
  done
  echo "$now"
  return 1
}
