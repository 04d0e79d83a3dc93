#!/usr/bin/env bash
# Threads at once through the library (read, never asserted):
#   bench/run-threads-bench.sh BUILD_DIR
# 1. commands per second with 1 and 2 threads, each with its own run-time context, for
#    list-db-directory (100 entries), get-dbm-cfg and attach+detach, and for a control that never
#    leaves Java and shares nothing (what 2 cores make of perfectly parallel work, the most any
#    command can reach on this machine): medians of ROUNDS runs of
#    SECONDS each (defaults 7 and 1.5) and the ratio of 2 threads to 1, in LAUNCHES JVMs (default
#    3), then the median ratio. The machine's other load shows in the figures: check `uptime`.
# 2. the soak: 8 threads x COMMANDS mixed commands (default 10,000; 40,000 makes 320,000 in
#    all); prints the failures, the stand-in's live counters at the end and the RSS at the start
#    and the end, on a fixed, pre-touched heap so that what the RSS does is native memory.
# SKIP_SOAK=1 runs only the first, SKIP_SCALE=1 only the second; ONLY=get-dbm-cfg (or another
# workload's name) runs one workload of the first, e.g. under `perf record -g`.
set -euo pipefail
build=${1:-build}
lib=$(cd "$build" && pwd)/lib
[ -d "$lib" ] || lib=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
javac -d "$out" -cp "$lib/tarvinex.jar" "$here/java/ThreadsBench.java"
run() {
  mkdir -p "$out/home-$1"
  DB2SIM_HOME="$out/home-$1" LD_LIBRARY_PATH="$lib" java "${JAVA_OPTS[@]}" \
    -Djava.library.path="$lib" -cp "$out:$lib/tarvinex.jar" ThreadsBench "$@"
}
JAVA_OPTS=()
uptime
# The JIT's choices differ from one JVM to the next, and so do the figures: each launch is a JVM
# of its own, and the ratio printed last is the median over LAUNCHES (default 3) launches.
if [ "${SKIP_SCALE:-}" != 1 ]; then
  for launch in $(seq "${LAUNCHES:-3}"); do
    run scale "${SECONDS_PER_RUN:-1.5}" "${ROUNDS:-7}" ${ONLY:+"$ONLY"} | tee -a "$out/scale.txt"
  done
  echo "median ratio over ${LAUNCHES:-3} launches:"
  awk '/ratio=/ { sub("ratio=", "", $NF); print $1, $NF }' "$out/scale.txt" | sort -k1,1 -k2,2n |
    awk '{ r[$1] = r[$1] " " $2; n[$1]++ }
         END { for (w in r) { split(substr(r[w], 2), v, " "); printf "  %-18s %s\n", w, v[int((n[w] + 1) / 2)] } }'
fi
JAVA_OPTS=(-Xms512m -Xmx512m -XX:+AlwaysPreTouch)
[ "${SKIP_SOAK:-}" = 1 ] || run soak 8 "${COMMANDS:-10000}"
