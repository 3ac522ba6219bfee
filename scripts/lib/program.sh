# The real Zorvat.exe under Wine, for scripts/run and scripts/screenshots; sourced, not run.
# Each caller has its own program folder and Wine prefix, so what the program writes (Zorvat.ini,
# Lib\, the registry) never reaches the source tree or the tests' prefix, and stopping one
# caller's Wine never touches another's.
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

zorvat_desktop_size=1024x768

zorvat_build_program() {
  "$zorvat_root/scripts/setup"
  cmake --preset win64 >/dev/null
  cmake --build "$zorvat_root/build/win64" -j2 --target Zorvat end-zorvat
}

# The program folder: a fresh copy of the program, beside what earlier runs left there.
zorvat_program_folder() {  # folder
  mkdir -p "$1"
  cp "$zorvat_root/build/win64/src/app/Zorvat.exe" "$1/"
}

# The settings file the installer writes into a folder without one, so that the program starts
# as a fresh install does: the scheduler on. A file there, or one whose replacement the program
# will finish (its whole copy beside it), is left as it is.
zorvat_first_settings() {  # folder
  [ -e "$1/Zorvat.ini" ] || [ -e "$1/Zorvat.ini.~save.tmp" ] ||
    cp "$zorvat_root/package/Zorvat.ini" "$1/"
}

# Starts Zorvat.exe from its folder: in a Wine desktop with taskbar and tray when the display is
# our own Xvfb, else on the caller's display. Wine runs in a session of its own, so that Ctrl+C
# reaches only the script, which then stops Wine in order.
zorvat_start_program() {  # folder
  zorvat_start_wineserver
  if [ -n "${zorvat_xvfb_pid:-}" ]; then
    (cd "$1" && exec setsid wine explorer "/desktop=shell,$zorvat_desktop_size" Zorvat.exe) \
      >"$1/wine.log" 2>&1 &
  else
    (cd "$1" && exec setsid wine Zorvat.exe) >"$1/wine.log" 2>&1 &
  fi
  zorvat_program_pid=$!
}

# Ends the program as the end of the Windows session does, so that it saves a changed list and
# writes its settings without asking, and waits for it; a program that does not end is left to
# zorvat_stop_program.
zorvat_end_program() {
  [ -n "${zorvat_program_pid:-}" ] && kill -0 "$zorvat_program_pid" 2>/dev/null || return 0
  local desktop=-
  [ -z "${zorvat_xvfb_pid:-}" ] || desktop=shell
  timeout 40 wine "$zorvat_root/build/win64/src/app/end-zorvat.exe" "$desktop" >/dev/null 2>&1 ||
    true
  timeout 10 tail --pid="$zorvat_program_pid" -f /dev/null || true
}

# Ends the program and every Wine process of this prefix, then the server and Xvfb, each by the
# process id this shell started it with.
zorvat_stop_program() {
  if [ -n "${zorvat_program_pid:-}" ]; then
    kill "$zorvat_program_pid" 2>/dev/null || true
    wait "$zorvat_program_pid" 2>/dev/null || true
    zorvat_program_pid=
  fi
  zorvat_stop_wineserver
  zorvat_stop_xvfb
}

# Waits until a top-level window whose title holds the text is mapped; prints its X id.
zorvat_wait_for_window() {  # title text, seconds
  local i id
  for i in $(seq 1 $(($2 * 2))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.5
  done
  return 1
}
