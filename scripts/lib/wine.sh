# Wine and Xvfb for the project's scripts; sourced, not run.
# Every process started here is stopped by its own process id, never by name.

zorvat_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

zorvat_wine_env() {
  export WINEPREFIX="${ZORVAT_WINEPREFIX:-$zorvat_root/build/wineprefix}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  export WINEARCH=win64
}

# A display for windows and message boxes: the caller's, or a private Xvfb.
zorvat_start_xvfb() {
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
    n=$((n + 1))
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  zorvat_xvfb_pid=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

zorvat_stop_xvfb() {
  if [ -n "${zorvat_xvfb_pid:-}" ]; then
    kill "$zorvat_xvfb_pid" 2>/dev/null || true
    wait "$zorvat_xvfb_pid" 2>/dev/null || true
    zorvat_xvfb_pid=
  fi
}

# Creates the prefix once, without Mono or Gecko; a lock keeps parallel runs from racing.
zorvat_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "Creating the Wine prefix $WINEPREFIX ..." >&2
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
    fi
  ) 9>"$WINEPREFIX.lock"
}

# One wineserver for a whole test run, so that each test does not start its own.
zorvat_start_wineserver() {
  wineserver -f -p >/dev/null 2>&1 &
  zorvat_wineserver_pid=$!
}

zorvat_stop_wineserver() {
  if [ -n "${zorvat_wineserver_pid:-}" ]; then
    kill "$zorvat_wineserver_pid" 2>/dev/null || true
    wait "$zorvat_wineserver_pid" 2>/dev/null || true
    zorvat_wineserver_pid=
  fi
}
