#!/usr/bin/env bash
# libFuzzer runs of the library's text parsers (not part of ctest):
#   bench/run-fuzz.sh [RUNS] [TARGET...]
# Builds every bench/fuzz/fuzz_<name>.cpp (or only the named targets) with clang and
# -fsanitize=fuzzer,address,undefined, linked with the library sources listed in
# bench/fuzz/sources.txt, and runs each for RUNS inputs (default 1,000,000). A
# fuzz_<name>.dict beside a target is its dictionary. A new target needs only its
# fuzz_<name>.cpp (and any further sources added to sources.txt).
# Prints one line per target; a finding keeps its crash input under $FUZZ_OUT
# (default build-fuzz/) and makes the script exit non-zero. Installs clang with apt-get
# when it is missing.
set -euo pipefail
runs=${1:-1000000}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz=$root/bench/fuzz
out=${FUZZ_OUT:-$root/build-fuzz}
mkdir -p "$out/obj"

if ! command -v clang++ >/dev/null; then
  echo "run-fuzz: installing clang" >&2
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y --no-install-recommends clang >/dev/null 2>&1 || {
    $sudo apt-get update >/dev/null
    $sudo apt-get install -y --no-install-recommends clang
  }
fi

java_home=$(dirname "$(dirname "$(readlink -f "$(command -v javac)")")")
flags=(-std=c++17 -O1 -g -fno-omit-frame-pointer -I"$root" -I"$java_home/include"
  -I"$java_home/include/linux")
sanitize=-fsanitize=address,undefined

# The library sources, compiled once for every target.
objects=()
while read -r src; do
  case "$src" in ''|'#'*) continue ;; esac
  obj=$out/obj/$(echo "$src" | tr / _).o
  clang++ "${flags[@]}" "$sanitize" -fsanitize=fuzzer-no-link -c "$root/$src" -o "$obj"
  objects+=("$obj")
done < "$fuzz/sources.txt"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for src in "$fuzz"/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    targets+=("${name#fuzz_}")
  done
fi

failed=0
for name in "${targets[@]}"; do
  bin=$out/fuzz_$name
  if ! clang++ "${flags[@]}" "$sanitize",fuzzer "$fuzz/fuzz_$name.cpp" "${objects[@]}" -o "$bin"; then
    echo "run-fuzz: $name: does not build"
    failed=1
    continue
  fi
  corpus=$out/corpus_$name
  mkdir -p "$corpus" "$out/findings_$name"
  dict=()
  [ -f "$fuzz/fuzz_$name.dict" ] && dict=(-dict="$fuzz/fuzz_$name.dict")
  log=$out/fuzz_$name.log
  start=$(date +%s)
  if UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$bin" "${dict[@]}" -runs="$runs" \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$out/findings_$name/" "$corpus" \
      > "$log" 2>&1; then
    echo "run-fuzz: $name: $(grep -E '^Done' "$log" | tail -1) ($(( $(date +%s) - start )) s), no finding"
  else
    failed=1
    echo "run-fuzz: $name: FINDING, see $log and $out/findings_$name/"
    grep -E 'ERROR|SUMMARY|runtime error|deadly signal' "$log" | head -5 || true
  fi
done
exit $failed
