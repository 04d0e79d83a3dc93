#!/usr/bin/env bash
# Snapshot figures (read, never asserted):
#   bench/run-snapshot-bench.sh BUILD_DIR [MIB]
# A MIB-MiB (default 64) monitor stream through getSnapshotInByteBuffer against one memcpy of
# the same size in the same run, and the library's own share of the call (see
# bench/java/SnapshotBench.java). Goal: at most 2.5 times the memcpy. A new direct buffer is
# zeroed and faulted in by the JVM, which alone costs two or three memcpys of its size: the
# figures show it and the library's one copy apart.
set -euo pipefail
build=${1:-build}
lib=$(cd "$build" && pwd)/lib
[ -d "$lib" ] || lib=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
javac -d "$out" -cp "$lib/tarvinex.jar" "$here/java/SnapshotBench.java"
mkdir -p "$out/home"
DB2SIM_HOME="$out/home" LD_LIBRARY_PATH="$lib" java -Xmx2g -XX:MaxDirectMemorySize=4g \
  -Djava.library.path="$lib" -cp "$out:$lib/tarvinex.jar" SnapshotBench "${2:-64}"
