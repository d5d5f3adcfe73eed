#!/usr/bin/env bash
# Runs a command on a virtual display of its own with a window manager
# (Openbox) and returns its status.
set -euo pipefail
. "$(dirname "$0")/x11.sh"
work=$(mktemp -d)
trap 'end_display; rm -rf "$work"' EXIT
own_display_with_window_manager "$work"
status=0
"$@" || status=$?
exit "$status"
