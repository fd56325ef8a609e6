#!/usr/bin/env bash
# The scripts' first run on a machine that runs 32-bit programs but has no Wine yet,
# played in a scratch copy: stand-ins for the package tools, Wine's loaders, cmake
# and ctest sit on a PATH of their own, and "installing" Wine's packages puts the
# loaders there. scripts/test must then run the x86 tests, scripts/demo and
# scripts/bench must start the x86 build; HALVARD_NO_32BIT=1 still skips x86.
# Usage: tests/scripts/first_run_test.sh [source root]   (this checkout by default)
set -uo pipefail
source_root=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

bin=$scratch/bin
lib=$scratch/winelib
mkdir -p "$bin" "$lib" "$scratch/root/scripts"
for tool in bash sh grep sed mktemp tr rm mkdir touch cat tail head seq dirname basename nproc env sleep ls chmod cp; do
  ln -s "$(command -v "$tool")" "$bin/$tool"
done

stand_in() { # name, body
  printf '#!/bin/sh\n%s\n' "$2" >"$1"
  chmod +x "$1"
}
# A loader that answers --version, makes the prefix on wineboot and runs nothing;
# it says what it was asked.
loader='[ "$1" = --version ] && { echo wine-9.0; exit 0; }; [ "$1" = wineboot ] && mkdir -p "$WINEPREFIX"; echo "loader $0 $*" >>"'$scratch'/loaders.log"; exit 0'

# Fresh machine: every package there but Wine's 32-bit one; root; the six locales.
stand_in "$bin/id" 'echo 0'
stand_in "$bin/locale" 'printf "C\nC.utf8\nde_DE.utf8\nen_US.utf8\nes_ES.utf8\nfr_FR.utf8\nit_IT.utf8\nnl_NL.utf8\n"'
stand_in "$bin/dpkg" '[ "$1" = --print-foreign-architectures ] && echo i386; exit 0'
stand_in "$bin/dpkg-query" 'for p; do :; done
case "$p" in wine32:i386) [ -e "'$scratch'/wine32-installed" ] || exit 1;; esac
printf "install ok installed"'
stand_in "$bin/apt-get" '[ "$1" = install ] || exit 0
touch "'$scratch'/wine32-installed"
printf "%s\n" '"'$loader'"' >"'$bin'/wine"; chmod +x "'$bin'/wine"
cp "'$bin'/wine" "'$bin'/wineserver"'
stand_in "$bin/cmake" 'exit 0'
stand_in "$bin/ctest" 'echo "ctest in $WINEPREFIX"'
printf '#!/bin/sh\n%s\n' "$loader" >"$lib/wine64"
cp "$lib/wine64" "$lib/wineserver64"
chmod +x "$lib/wine64" "$lib/wineserver64"
touch "$scratch/googletest"

# The scripts under test, with Wine's library folder and googletest's sources moved
# into the scratch folder and the include check left out.
for script in env.sh setup test demo bench; do
  sed -e "s#/usr/lib/wine#$lib#g" -e "s#/usr/src/googletest/CMakeLists.txt#$scratch/googletest#g" \
    "$source_root/scripts/$script" >"$scratch/root/scripts/$script"
  chmod +x "$scratch/root/scripts/$script"
done
stand_in "$scratch/root/scripts/check-includes" 'exit 0'

run() { # what, expected text, command...
  local what=$1 expected=$2 output
  shift 2
  output=$(env -i PATH="$bin" DISPLAY=:none HOME="$scratch" HALVARD_BUILD_ROOT="$scratch/build" \
    ${HALVARD_NO_32BIT:+HALVARD_NO_32BIT=$HALVARD_NO_32BIT} "$@" 2>&1)
  if printf '%s\n' "$output" | grep -qF -- "$expected"; then
    echo "ok: $what"
  else
    echo "FAILED: $what: expected '$expected' in:"
    printf '%s\n' "$output" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

fresh() { rm -rf "$scratch/build" "$scratch/wine32-installed" "$bin/wine" "$bin/wineserver" "$scratch/loaders.log"; }

fresh
run "the first scripts/test runs both architectures" "== passed: x64 x86" "$scratch/root/scripts/test"
fresh
run "the first scripts/demo --arch x86 starts the x86 panel" "" "$scratch/root/scripts/demo" --arch x86
grep -q "^loader $bin/wine .*x86/Halvard 5.1+.exe" "$scratch/loaders.log" 2>/dev/null \
  && echo "ok: the x86 panel was started" \
  || { echo "FAILED: the x86 panel was not started"; failures=$((failures + 1)); }
fresh
run "the first scripts/bench --arch x86 runs" "== architecture x86" "$scratch/root/scripts/bench" --arch x86
fresh
HALVARD_NO_32BIT=1 run "HALVARD_NO_32BIT=1 still skips x86" "== x86 tests skipped: HALVARD_NO_32BIT is set" \
  "$scratch/root/scripts/test"

[ $failures -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "all passed"
