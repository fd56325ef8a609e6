# Shared by the scripts: the build folder, the Wine prefix and a display.
# Sourced, not run.
HALVARD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HALVARD_BUILD=${HALVARD_BUILD:-$HALVARD_ROOT/build}
export WINEPREFIX="$HALVARD_BUILD/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
halvard_started_xvfb=
# Rebuilds of another checkout of the same sources reuse its objects where ccache exists.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$HALVARD_ROOT}
fi

# Configures and builds the project, or only the targets named (quiet unless
# something fails).
halvard_build() {
  local log="$HALVARD_BUILD/build.log"
  mkdir -p "$HALVARD_BUILD"
  if [ ! -f "$HALVARD_BUILD/CMakeCache.txt" ]; then
    cmake -S "$HALVARD_ROOT" -B "$HALVARD_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$log" 2>&1 \
      || { cat "$log" >&2; return 1; }
  fi
  local targets=()
  local target
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$HALVARD_BUILD" -j "$(nproc)" "${targets[@]}" >"$log" 2>&1 \
    || { grep -v '^\[' "$log" | tail -n 80 >&2; return 1; }
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

# Stops the wineserver and the Xvfb this script started.
halvard_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$halvard_started_xvfb" ]; then
    kill "$halvard_started_xvfb" >/dev/null 2>&1 || true
    wait "$halvard_started_xvfb" 2>/dev/null || true
  fi
}
