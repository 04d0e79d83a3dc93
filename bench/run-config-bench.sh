#!/usr/bin/env bash
# get-db-cfg figures (read, never asserted):  bench/run-config-bench.sh BUILD_DIR
# The whole catalogue in detail mode through the library against Java building the same rows.
set -euo pipefail
lib=$(cd "${1:-build}" && pwd)/lib
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
javac -d "$out" -cp "$lib/tarvinex.jar" "$(dirname "$0")/java/ConfigBench.java"
DB2SIM_HOME="$out/home" LD_LIBRARY_PATH="$lib" java -Djava.library.path="$lib" \
  -cp "$out:$lib/tarvinex.jar" ConfigBench
