#!/usr/bin/env bash
# Runs one JUnit 5 test class in its own JVM under -Xcheck:jni, with a fresh stand-in state
# folder, and fails when the JVM's output shows a JNI or sanitizer complaint.
set -u
java= console= cp= lib= variant= absent= mode=normal class= home= sanitize=0
while [ $# -gt 0 ]; do
  case "$1" in
    --java) java=$2; shift 2 ;;
    --console) console=$2; shift 2 ;;
    --cp) cp=$2; shift 2 ;;
    --lib) lib=$2; shift 2 ;;
    --variant) variant=$2; shift 2 ;;
    --absent) absent=$2; shift 2 ;;
    --mode) mode=$2; shift 2 ;;
    --class) class=$2; shift 2 ;;
    --home) home=$2; shift 2 ;;
    --sanitize) sanitize=1; shift ;;
    *) echo "run-junit: unknown argument $1" >&2; exit 2 ;;
  esac
done

rm -rf "$home" && mkdir -p "$home"
export DB2SIM_HOME="$home"
source=$(cd "$(dirname "$0")/../.." && pwd)
props=(-Djava.library.path="$lib" -Dtarvinex.testlib="$lib/libtarvinextest.so" -Dtarvinex.source="$source"
       -Dtarvinex.contractjar="$lib/contract-container.jar")
case "$mode" in
  normal) export LD_LIBRARY_PATH="$lib" ;;
  harness)
    export LD_LIBRARY_PATH="$lib"
    props+=(-Dtarvinex.library="$lib/libtarvinextest.so") ;;
  variant) export LD_LIBRARY_PATH="$variant" ;;
  absent)
    unset LD_LIBRARY_PATH
    props=(-Djava.library.path="$absent" -Dtarvinex.library="$absent/libtarvinex.so"
           -Dtarvinex.testlib="$lib/libtarvinextest.so" -Dtarvinex.source="$source") ;;
esac

env_prefix=()
if [ "$sanitize" = 1 ]; then
  # libstdc++ is preloaded too: the JVM does not load it itself, and ASan's C++ exception
  # interceptor must find it when the sanitizer starts.
  asan=$(gcc -print-file-name=libasan.so)
  cxx=$(g++ -print-file-name=libstdc++.so)
  env_prefix=(env LD_PRELOAD="$asan $cxx"
    ASAN_OPTIONS=detect_leaks=0:handle_segv=0:allow_user_segv_handler=1:use_sigaltstack=0
    UBSAN_OPTIONS=print_stacktrace=1)
fi

out="$home/junit.out"
"${env_prefix[@]}" "$java" -Xcheck:jni "${props[@]}" -jar "$console" \
  --class-path "$cp" --select-class "$class" --disable-banner --details=tree \
  --fail-if-no-tests >"$out" 2>&1
rc=$?
cat "$out"
if grep -E -q 'WARNING in native method|FATAL ERROR in native method|exceeds capacity|AddressSanitizer|runtime error:' "$out"; then
  echo "run-junit: the JVM reported a JNI or sanitizer problem (see above)" >&2
  exit 1
fi
exit $rc
