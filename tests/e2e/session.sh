# The real Zorvat.exe in a Wine desktop with taskbar and tray, for the end-to-end tests and the
# program measurements; sourced, not run. One private Xvfb and Wine prefix per run; each program
# start gets its own wineserver, and everything is stopped by the process id it was started with.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/program.sh"

e2e_bin="$zorvat_root/build/win64"
e2e_probe="$e2e_bin/tests/e2e/zorvat-probe.exe"
e2e_desktop=shell
e2e_width=1024
e2e_height=768

e2e_build() {
  "$zorvat_root/scripts/setup"
  cmake --preset win64 >/dev/null
  cmake --build "$e2e_bin" -j2 --target Zorvat zorvat-probe bare-window >/dev/null
}

# Xvfb and the prefix, once per run.
e2e_open_display() {  # prefix folder
  unset DISPLAY
  export ZORVAT_WINEPREFIX=$1
  zorvat_wine_env
  zorvat_start_xvfb "${e2e_width}x${e2e_height}"
  zorvat_wine_prefix
}

e2e_close_display() {
  e2e_stop
  zorvat_stop_xvfb
}

# A fresh program folder holding Zorvat.exe and, when given, its settings file.
e2e_folder() {  # folder, [Zorvat.ini text]
  rm -rf "$1"
  zorvat_program_folder "$1"
  [ -z "${2:-}" ] || printf '%s' "$2" >"$1/Zorvat.ini"
}

# Starts a program of the folder (Zorvat.exe unless named) in the Wine desktop.
e2e_start() {  # folder, [program, arguments...]
  local folder=$1
  shift
  [ -n "${zorvat_wineserver_pid:-}" ] || zorvat_start_wineserver
  (cd "$folder" && exec setsid wine explorer "/desktop=$e2e_desktop,${e2e_width}x${e2e_height}" \
    "${@:-Zorvat.exe}") >>"$folder/wine.log" 2>&1 &
  e2e_program_pids+=($!)
}

# Stops every program started, then this prefix's Wine processes and its server.
e2e_stop() {
  local pid
  for pid in "${e2e_program_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  e2e_program_pids=()
  zorvat_stop_wineserver
}
e2e_program_pids=()

# Wine processes of this prefix that are still there: none may be left after a run.
e2e_leftovers() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid $({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null)"
    fi
  done
}

e2e_probe() {  # probe arguments...
  wine "$e2e_probe" "$e2e_desktop" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# Waits until the command succeeds, up to the seconds given.
e2e_until() {  # seconds, command...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.3
  done
}

e2e_window_shown() {  # title start
  e2e_probe windows | cut -f3 | grep -qF -- "$1"
}

e2e_caption_of() {  # class
  e2e_probe windows | awk -F'\t' -v c="$1" '$2 == c { print $3; exit }'
}

# A user's click on a control found by its class and text, or on a shown tree item.
e2e_click_control() {  # window title start, class, text, [xdotool click arguments]
  local at
  at=$(e2e_probe center "$1" "$2" "$3") || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $at click ${4:-1}
}

e2e_click_tree_item() {  # window title start, item text, [xdotool click arguments]
  local at
  at=$(e2e_probe tree-item "$1" "$2") || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $at click ${3:-1}
}

# The tray sits at the right end of the taskbar; the program's icon is its only one.
e2e_click_tray_icon() {  # button
  xdotool mousemove $((e2e_width - 11)) $((e2e_height - 11)) click "$1"
}

# A Windows path of a host path, as the program sees it.
e2e_windows_path() {  # host path
  local path="Z:$1"
  echo "${path//\//\\}"
}
