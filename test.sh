#!/usr/bin/env bash
# Install what is missing, build, and run every test under a virtual X server.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh" --tests
"$root/scripts/fuzz.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$root/build" --output-on-failure --timeout 300
