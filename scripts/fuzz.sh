#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, 20 by default) from its seeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-20}
build="$root/build/fuzz"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

for target in "$build"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds="$root/fuzz/seeds/${name#fuzz_}"
  corpus=$(mktemp -d)
  echo "fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 \
      -artifact_prefix="$build/$name-" "$corpus" "$seeds" 2>"$build/$name.log"; then
    tail -n 40 "$build/$name.log"
    rm -rf "$corpus"
    echo "$name found a fault"
    exit 1
  fi
  grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" "$build/$name.log" | tail -n 1 || true
  rm -rf "$corpus"
done
