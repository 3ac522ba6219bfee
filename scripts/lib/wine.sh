# Wine and Xvfb for the project's scripts; sourced, not run.
# Every process started here is stopped by its own process id, never by name.

zorvat_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

zorvat_wine_env() {
  export WINEPREFIX="${ZORVAT_WINEPREFIX:-$zorvat_root/build/wineprefix}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko; no menu builder writing .desktop files into the host's home.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
  export WINEARCH=win64
}

# A display for windows and message boxes: the caller's, or a private Xvfb of the size given
# (1280x1024 by default). Xvfb picks a free display number itself and reports it once it
# accepts connections, so parallel runs don't race.
zorvat_start_xvfb() {
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local numberfile
  numberfile=$(mktemp)
  setsid Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  zorvat_xvfb_pid=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$numberfile" ]; then
      export DISPLAY=":$(head -n1 "$numberfile")"
      rm -f "$numberfile"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$numberfile"
  echo "Xvfb did not start" >&2
  return 1
}

# Its display number is free again and another run's Xvfb may take it: forget it.
zorvat_stop_xvfb() {
  if [ -n "${zorvat_xvfb_pid:-}" ]; then
    kill "$zorvat_xvfb_pid" 2>/dev/null || true
    wait "$zorvat_xvfb_pid" 2>/dev/null || true
    zorvat_xvfb_pid=
    unset DISPLAY
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
    zorvat_wine_fonts
  ) 9>"$WINEPREFIX.lock"
}

# Windows' Arial, Times New Roman and Courier New are drawn with the metric-compatible
# Liberation fonts (Debian's fonts-liberation), so windows are laid out here as on Windows.
# Tahoma and Marlett are Wine's own (fonts-wine): linked into prefixes made before it was there.
zorvat_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/*; do
    [ -e "$fonts/${font##*/}" ] || ln -s "$font" "$fonts/"
  done
  local stamp="$WINEPREFIX/.zorvat-font-replacements"
  [ -f "$stamp" ] && return 0
  local file
  file=$(mktemp --suffix=.reg)
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"Arial"="Liberation Sans"' '"Times New Roman"="Liberation Serif"' \
    '"Courier New"="Liberation Mono"' >"$file"
  if wine regedit /S "$(winepath -w "$file")" >/dev/null 2>&1; then
    touch "$stamp"
  fi
  timeout 30 wineserver -w || true  # lets the caller start a server of its own
  rm -f "$file"
}

# One wineserver for a whole test run, so that each test does not start its own. In a session of
# its own, so a Ctrl+C at the terminal reaches the script, which stops it with its processes.
zorvat_start_wineserver() {
  setsid wineserver -f -p >/dev/null 2>&1 &
  zorvat_wineserver_pid=$!
}

# Asks this prefix's server to end its own Wine processes (services, devices) and itself: killing
# the server alone would leave them orphaned.
zorvat_stop_wineserver() {
  if [ -n "${zorvat_wineserver_pid:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    sleep 0.5
    kill "$zorvat_wineserver_pid" 2>/dev/null || true
    wait "$zorvat_wineserver_pid" 2>/dev/null || true
    zorvat_wineserver_pid=
  fi
}
