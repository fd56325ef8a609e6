# Shared by the scripts and by cmake/wine-run: the two architectures, their build
# folders, Wine loaders and prefixes, and a display. Sourced, not run.
#
#   x64: build/x64, 64-bit prefix, Wine's 64-bit loader called directly (runs everywhere)
#   x86: build/x86, 32-bit prefix, Wine's 32-bit loader (only where the machine runs
#        32-bit programs)
#
# HALVARD_NO_32BIT=1 makes every script behave as on a machine that cannot run
# 32-bit programs.
HALVARD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HALVARD_BUILD_ROOT=${HALVARD_BUILD_ROOT:-$HALVARD_ROOT/build}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
halvard_started_xvfb=
halvard_servers=()
# Rebuilds of another checkout of the same sources reuse its objects where ccache exists.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$HALVARD_ROOT}
  # Debug builds would otherwise hash the build folder, so that no clone in another
  # place reuses anything.
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

# The path of a program that a Debian package installs (package, file name), or of
# the same name in Wine's library folder or on the PATH; nothing when there is none.
halvard_find_tool() {
  local found
  for found in $(dpkg -L "$1" 2>/dev/null | grep "/$2\$") "/usr/lib/wine/$2"; do
    if [ -f "$found" ] && [ -x "$found" ]; then echo "$found"; return 0; fi
  done
  command -v "$2" 2>/dev/null || true
}

# Why this machine cannot run 32-bit programs, or nothing when it can. Found out once
# per process tree (the answer is exported).
halvard_no_32bit_reason() {
  if [ -z "${HALVARD_32BIT_CHECKED:-}" ]; then
    local reason= loader
    if [ -n "${HALVARD_NO_32BIT:-}" ] && [ "${HALVARD_NO_32BIT}" != 0 ]; then
      reason="HALVARD_NO_32BIT is set, so this machine counts as one that cannot run 32-bit programs"
    else
      loader=$(halvard_find_tool wine32 wine)
      if [ -z "$loader" ]; then
        reason="Wine's 32-bit loader is not installed"
      elif ! "$loader" --version >/dev/null 2>&1; then
        reason="this machine does not run 32-bit programs ($loader --version fails)"
      fi
    fi
    export HALVARD_32BIT_CHECKED=1 HALVARD_32BIT_REASON="$reason"
  fi
  printf '%s' "$HALVARD_32BIT_REASON"
}

# Runs scripts/setup for the architectures named. What it installs (Wine's 32-bit
# loader among it) decides whether 32-bit programs run, so the scripts ask that only
# afterwards, and any answer found before is forgotten here.
halvard_setup() {
  "$HALVARD_ROOT/scripts/setup" "$@"
  unset HALVARD_32BIT_CHECKED HALVARD_32BIT_REASON
}

# Chooses an architecture (x64 or x86): its build folder, toolchain, prefix, Wine
# loader and server. The x86 loader is the `wine` wrapper, which starts the 32-bit
# loader; the 64-bit loader and server are called directly, as the wrappers would
# start the 32-bit ones first.
halvard_arch() {
  case "$1" in
    x64)
      HALVARD_TOOLCHAIN=$HALVARD_ROOT/cmake/toolchain-x86_64-mingw.cmake
      HALVARD_WINE=$(halvard_find_tool wine64 wine64)
      HALVARD_WINESERVER=$(halvard_find_tool wine64 wineserver64)
      HALVARD_WINEARCH=win64
      HALVARD_WINDOWS_VERSION=winxp64
      ;;
    x86)
      HALVARD_TOOLCHAIN=$HALVARD_ROOT/cmake/toolchain-i686-mingw.cmake
      HALVARD_WINE=$(command -v wine || true)
      HALVARD_WINESERVER=$(command -v wineserver || true)
      HALVARD_WINEARCH=win32
      HALVARD_WINDOWS_VERSION=winxp
      ;;
    *)
      echo "unknown architecture '$1' (x64 or x86)" >&2
      return 1
      ;;
  esac
  HALVARD_ARCH=$1
  HALVARD_BUILD=$HALVARD_BUILD_ROOT/$1
  export WINEPREFIX=$HALVARD_BUILD/wineprefix
}

halvard_wine() { "$HALVARD_WINE" "$@"; }
halvard_wineserver() { "$HALVARD_WINESERVER" "$@"; }

# Configures and builds the chosen architecture, or only the targets named (quiet
# unless something fails).
halvard_build() {
  local log="$HALVARD_BUILD/build.log"
  mkdir -p "$HALVARD_BUILD"
  if [ ! -f "$HALVARD_BUILD/CMakeCache.txt" ]; then
    cmake -S "$HALVARD_ROOT" -B "$HALVARD_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE="$HALVARD_TOOLCHAIN" >"$log" 2>&1 \
      || { cat "$log" >&2; return 1; }
  fi
  local targets=()
  local target
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$HALVARD_BUILD" -j "$(nproc)" "${targets[@]}" >"$log" 2>&1 \
    || { grep -v '^\[' "$log" | tail -n 80 >&2; return 1; }
}

# Keeps one wineserver alive for the chosen prefix until halvard_cleanup, and starts
# Wine's services now, away from any program's output.
halvard_start_wine() {
  halvard_wineserver -p >/dev/null 2>&1 || true # one that already runs serves as well
  halvard_servers+=("$WINEPREFIX|$HALVARD_WINESERVER")
  halvard_wine wineboot >/dev/null 2>&1 </dev/null || true
}

# Starts Xvfb on a free display when none is set.
halvard_display() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  halvard_started_xvfb=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# Stops the wineservers and the Xvfb this script started.
halvard_cleanup() {
  local server
  for server in ${halvard_servers[@]+"${halvard_servers[@]}"}; do
    WINEPREFIX=${server%%|*} "${server#*|}" -k >/dev/null 2>&1 || true
  done
  halvard_servers=()
  if [ -n "$halvard_started_xvfb" ]; then
    kill "$halvard_started_xvfb" >/dev/null 2>&1 || true
    wait "$halvard_started_xvfb" 2>/dev/null || true
  fi
}
