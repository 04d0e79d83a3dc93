#!/usr/bin/env bash
# Database directory listing figures (read, never asserted):
#   bench/run-directory-bench.sh BUILD_DIR
# 1. a 10,000-entry directory listed through the library against Java filling the same rows,
#    twice: into our container (rows in blocks) and, in a second JVM, into a container written
#    from the contract alone (tests/java/contract/, first on the class path: calls one by one);
# 2. a 1,000,000-entry directory listed under -Xcheck:jni: no "exceeds capacity", and the
#    stand-in's memory handed out and the RSS stay flat from round to round (the Java heap is
#    fixed and touched up front, so what the RSS still does is native memory). The scan's entry
#    count is 16-bit, so one listing holds 65,535 rows; 16 listings pass 1,000,000 rows.
# SKIP_SOAK=1 runs only the first. The stand-in alone: bench/db2sim_scan_bench.cpp (see its top).
set -euo pipefail
build=${1:-build}
lib=$(cd "$build" && pwd)/lib
[ -d "$lib" ] || lib=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
javac -d "$out" -cp "$lib/tarvinex.jar" "$here/java/DirectoryBench.java"
javac -d "$out/contract" "$here/../tests/java/contract/com/qorvath/db2command/util/DB2APIDataContainer.java"
cp=$out:$lib/tarvinex.jar
run() {
  DB2SIM_HOME="$out/home-$1" LD_LIBRARY_PATH="$lib" java "${@:2}" \
    -Djava.library.path="$lib" -cp "$cp" DirectoryBench "$1" "${BENCH_ARGS[@]}"
}
mkdir -p "$out/home-ratio" "$out/home-soak"
BENCH_ARGS=(10000)
run ratio
cp=$out/contract:$out:$lib/tarvinex.jar run ratio
cp=$out:$lib/tarvinex.jar
[ "${SKIP_SOAK:-}" = 1 ] && exit 0
BENCH_ARGS=(1000000 16)
run soak -Xcheck:jni -Xms512m -Xmx512m -XX:+AlwaysPreTouch 2>&1 | tee "$out/soak.txt"
if grep -q 'exceeds capacity\|WARNING in native method' "$out/soak.txt"; then
  echo "run-directory-bench: -Xcheck:jni complained" >&2
  exit 1
fi
echo "run-directory-bench: -Xcheck:jni quiet"
