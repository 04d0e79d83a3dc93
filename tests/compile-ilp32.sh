#!/usr/bin/env bash
# Compiles the DB2 declarations as a 32-bit (ILP32) build sees them, so that the ILP32 sizes and
# offsets pinned beside each structure are checked on a 64-bit machine too: the declaration
# headers and the stand-in's headers in one translation unit, then each stand-in source that
# pins a layout of its own. Needs the 32-bit C++ headers (g++-multilib; scripts/setup-deps --tests).
#   compile-ilp32.sh <c++ compiler> <source root> [include dir...]
set -euo pipefail
cxx=$1
root=$2
shift 2
includes=(-I"$root")
for dir in "$@"; do
  includes+=(-I"$dir")
done
flags=(-std=c++17 -m32 -fsyntax-only -Wall -Wextra "${includes[@]}")
cd "$root"

if ! echo '#include <cstdint>' | "$cxx" "${flags[@]}" -x c++ - 2>/dev/null; then
  echo "compile-ilp32: $cxx cannot compile for -m32; install g++-multilib (scripts/setup-deps --tests)" >&2
  exit 1
fi

headers=(db2api/db2types.h db2api/db2entrypoints.h db2api/db2structs.h)
mapfile -t more < <(find db2api/structs db2sim -name '*.h' | sort)
headers+=("${more[@]}")
echo "compile-ilp32: ${#headers[@]} headers"
for header in "${headers[@]}"; do
  echo "#include \"$header\""
done | "$cxx" "${flags[@]}" -x c++ -

mapfile -t sources < <(grep -rlE 'static_assert\((sizeof|offsetof)' db2sim --include='*.cpp' | sort)
for source in "${sources[@]}"; do
  echo "compile-ilp32: $source"
  "$cxx" "${flags[@]}" "$source"
done
