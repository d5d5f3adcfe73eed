#!/usr/bin/env bash
# Install what is missing, build into build/ and start the program.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
exec "$root/build/kalkort" "$@"
