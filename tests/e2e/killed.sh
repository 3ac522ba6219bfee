# shellcheck shell=bash disable=SC2034,SC2154
# The kill at a task's second, for tests/e2e/run (sourced after its helpers): Zorvat.exe is
# killed with SIGKILL within a second either side of a copy's second, and started again; after
# each start the copy has run, or "Missed events" lists it, exactly once.
#   ZORVAT_KILL_TRIALS   how many kills (50)
#   ZORVAT_KILL_SEED     the seed of the kill offsets and pauses (printed on every run)
#   ZORVAT_KILL_PROGRAM  another build's Zorvat.exe to put through it

killed_trials=${ZORVAT_KILL_TRIALS:-50}
# From a start to its copy's second: the first scan tick comes five seconds after the main
# window, and the copy must be filed before its beat half a second ahead.
killed_lead_ms=8000

now_ms() {
  date +%s%3N
}

sleep_until_ms() {  # milliseconds since 1970
  local left=$(($1 - $(now_ms)))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

seconds_of_ms() {  # milliseconds, signed
  local ms=$1 sign=+
  [ "$ms" -ge 0 ] || { sign=-; ms=$((-ms)); }
  printf '%s%d.%03d' "$sign" $((ms / 1000)) $((ms % 1000))
}

modified_ms() {  # file
  stat -c %.3Y "$1" 2>/dev/null | tr -d .
}

# A single event's key (en-US, as the lists write it) at a second.
single_key() {  # seconds since 1970
  date -d "@$1" '+%-m/%-d/%Y %-l:%M:%S %p'
}

killed_copy() {  # folder, trial
  printf '%s/copy-%02d.txt' "$1" "$2"
}

# A process that is gone or a zombie no longer runs anything.
process_runs() {  # pid
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# Starts Zorvat and waits until its start has looked back: its first stamp is written then.
# Sets killed_pid and killed_looked_back (milliseconds since 1970).
killed_start() {  # folder
  local launched
  launched=$(now_ms)
  e2e_start "$1"
  # shellcheck disable=SC2016
  e2e_until 30 bash -c \
    'written=$(stat -c %.3Y "$1/Zorvat.stamp" 2>/dev/null | tr -d .)
     [ "${written:-0}" -ge "$2" ]' - "$1" "$launched" || return 1
  killed_looked_back=$(modified_ms "$1/Zorvat.stamp")
  killed_pid=$(zorvat_unix_pid)
}

killed_kill() {
  kill -KILL "$killed_pid"
  while process_runs "$killed_pid"; do
    sleep 0.02
  done
}

# The "Missed events" row of a copy: its count and state, tab-separated; nothing when unlisted.
killed_row_of() {  # rows, copy file
  grep -F -- "$(e2e_windows_path "$2")\"" <<<"$1" | awk -F'\t' '{ print $5 "\t" $6 }'
}

# Reads the rows until the copy is listed or the time is up: a start lists in its look back,
# but the window may come a moment after the stamp.
killed_rows_until() {  # milliseconds since 1970, copy file
  local shown
  while :; do
    shown=$(missed_rows 2>/dev/null)
    if [ -n "$(killed_row_of "$shown" "$2")" ] || [ "$(now_ms)" -ge "$1" ]; then
      echo "$shown"
      return 0
    fi
    sleep 1
  done
}

# What the stamp said of a copy when Zorvat was killed: ran, intent or none.
killed_stamp_of() {  # folder, copy file
  local stamp target
  stamp=$(cat "$1/Zorvat.stamp" 2>/dev/null || cat "$1/Zorvat.stamp.~save.tmp" 2>/dev/null)
  target="|$(e2e_windows_path "$2")"
  if grep '^Ran=' <<<"$stamp" | grep -qF -- "$target"; then
    echo ran
  elif grep '^Intent=' <<<"$stamp" | grep -qF -- "$target"; then
    echo intent
  else
    echo none
  fi
}

# One trial's verdict: ran before the kill and after the start, listed (count and state), what
# the stamp held at the kill, and how late the start looked back. Exactly once: run, or listed.
# The one exception is a copy killed after it ran and before its fact reached the disk: listed
# as "May not have run", which is what the user is told.
killed_verdict() {  # trial, before, after, row, stamp, late ms
  local trial=$1 before=$2 after=$3 row=$4 stamp=$5 late=$6
  local count=${row%%$'\t'*} state=${row#*$'\t'} listed=0 problem=
  [ -z "$row" ] || listed=1
  if [ $((before + after)) -gt 1 ]; then
    problem="ran twice"
  elif [ "$listed" = 1 ] && [ "$count" != once ]; then
    problem="listed $count"
  elif [ $((before + after + listed)) = 0 ]; then
    problem="lost: neither run nor listed"
  elif [ $((before + after + listed)) = 2 ] &&
    ! { [ "$before" = 1 ] && [ "$stamp" = intent ] && [ "$state" = "May not have run" ]; }; then
    problem="ran and listed ($state)"
  elif [ "$stamp" = ran ] && [ "$before" = 0 ]; then
    problem="the stamp says it ran, but it had not"
  elif [ "$stamp" = intent ] && [ "$state" != "May not have run" ]; then
    problem="about to run at the kill, yet ${state:-not listed}"
  elif [ "$stamp" = none ] && [ "$before" = 1 ]; then
    problem="ran without its intent on disk"
  elif [ "$stamp" = none ] && [ "$late" -le 59000 ] && [ "$after" = 0 ]; then
    problem="not run late at a start $(seconds_of_ms "$late") s after its second"
  elif [ "$stamp" = none ] && [ "$late" -ge 61000 ] && [ "$state" != "Not run" ]; then
    problem="${state:-not listed} at a start $(seconds_of_ms "$late") s after its second"
  fi
  if [ -n "$problem" ]; then
    fail "trial $trial: $problem"
  fi
}

# One lane of kills, in a program folder of its own: each trial's copy falls due a few seconds
# after a start, Zorvat is killed at an offset from its second, and the next start (after a
# pause) shows what became of it. Offsets come from n equal cells from a second before the
# second to one after it; the long cell's start comes only after the minute the copy may still
# run late in.
killed_lane() {  # folder, first trial's number, n, long cell, cells...
  local folder=$1 first=$2 n=$3 long=$4
  shift 4
  local cells=("$@") m=$#
  e2e_folder "$folder"
  [ -z "${ZORVAT_KILL_PROGRAM:-}" ] || cp "$ZORVAT_KILL_PROGRAM" "$folder/Zorvat.exe"
  echo "copied by Zorvat" >"$folder/source.txt"
  local source
  source=$(e2e_windows_path "$folder/source.txt")
  ini 'Active=1' 'DefaultLibMode=2' "DefaultLib=$(e2e_windows_path "$folder/Kill.zrl")" \
    >"$folder/Zorvat.ini"
  local lines=() due=() kill_at=() stamp=() before=() row=() late=() same_minute=0
  list_file "$folder/Kill.zrl" '[General]'
  # A first start warms Wine up: the trials' starts then take their usual time.
  check "the first start" killed_start "$folder" || return 1
  killed_kill
  local k j copy previous shown pause extra after outcome deadline
  local -A outcomes=()
  for ((k = 1; k <= m + 1; k++)); do
    if [ "$k" -le "$m" ]; then
      due[k]=$((($(now_ms) + killed_lead_ms + 999) / 1000))
      copy=$(killed_copy "$folder" $((first + k - 1)))
      lines+=("$(single_key "${due[k]}")=3|$source|$(e2e_windows_path "$copy")|0|1")
      list_file "$folder/Kill.tmp" '[General]' "${lines[@]}"
      mv "$folder/Kill.tmp" "$folder/Kill.zrl"
    fi
    check "start $((first + k - 1))" killed_start "$folder" || return 1
    # The last trial's copy: listed in this start, or run late by it.
    if [ "$k" -gt 1 ]; then
      previous=$(killed_copy "$folder" $((first + k - 2)))
      late[k - 1]=$((killed_looked_back - due[k - 1] * 1000))
      # Its window comes with the look back; read until shortly before the kill.
      deadline=$((killed_looked_back + 1500))
      if [ "$k" -le "$m" ] && [ $((due[k] * 1000 - 1700)) -gt "$deadline" ]; then
        deadline=$((due[k] * 1000 - 1700))
      fi
      shown=$(killed_rows_until "$deadline" "$previous")
      row[k - 1]=$(killed_row_of "$shown" "$previous")
      for ((j = 1; j < k - 1; j++)); do
        [ -z "$(killed_row_of "$shown" "$(killed_copy "$folder" $((first + j - 1)))")" ] ||
          fail "trial $((first + j - 1)): listed again $((k - 1 - j)) starts later"
      done
    fi
    # Not before the start's first scan tick and its beat, five seconds after the switch (before
    # the look back): it would run a copy of its minute again, or the last one late. Only a
    # start slower than usual moves a kill.
    sleep_until_ms $((killed_looked_back + 6000))
    if [ "$k" -le "$m" ]; then
      # A few milliseconds short of a second either side: the kill comes a moment after.
      sleep_until_ms $((due[k] * 1000 - 990 + (1970 * cells[k - 1] + RANDOM % 1970) / n))
      kill_at[k]=$(now_ms)
    fi
    killed_kill
    if [ "$k" -gt 1 ]; then
      [ -e "$previous" ] && after=1 || after=0
      rm -f "$previous"
      j=$((k - 1))
      [ $((due[j] / 60)) != $((killed_looked_back / 60000)) ] || same_minute=$((same_minute + 1))
      printf '    %2d  kill %s s  started again %s s after its second  stamp %-6s ran %s+%s  %s\n' \
        $((first + j - 1)) "$(seconds_of_ms $((kill_at[j] - due[j] * 1000)))" \
        "$(seconds_of_ms "${late[j]}")" "${stamp[j]}" "${before[j]}" "$after" \
        "${row[j]:-not listed}"
      killed_verdict $((first + j - 1)) "${before[j]}" "$after" "${row[j]}" "${stamp[j]}" \
        "${late[j]}"
      outcome="${before[j]}${after}${row[j]:+ ${row[j]#*$'\t'}}"
      outcomes[$outcome]=$((${outcomes[$outcome]:-0} + 1))
    fi
    if [ "$k" -le "$m" ]; then
      copy=$(killed_copy "$folder" $((first + k - 1)))
      stamp[k]=$(killed_stamp_of "$folder" "$copy")
      [ -e "$copy" ] && before[k]=1 || before[k]=0
      rm -f "$copy"
      for extra in "$folder"/copy-*.txt; do
        [ ! -e "$extra" ] || fail "ran again: ${extra##*/}"
        rm -f "$extra"
      done
      # Mostly at once, within the copy's minute; now and then some seconds later, into the
      # next minute; once after the minute it may still run late in.
      if [ "${cells[k - 1]}" = "$long" ]; then
        pause=$((due[k] * 1000 + 62000 - $(now_ms)))
      elif [ $((k % 5)) = 0 ]; then
        pause=$((5000 + RANDOM % 7000))
      else
        pause=$((RANDOM % 2000))
      fi
      sleep_until_ms $(($(now_ms) + pause))
    fi
  done
  echo "    $same_minute of $m started again within their copy's minute"
  echo -n "   "
  for outcome in "${!outcomes[@]}"; do
    case $outcome in
      10) echo -n " ran at its second" ;;
      01) echo -n " ran late at the start" ;;
      00) echo -n " lost" ;;
      11*) echo -n " ran twice" ;;
      "00 "*) echo -n " listed \"${outcome:3}\"" ;;
      "10 "*) echo -n " ran at its second, listed \"${outcome:3}\"" ;;
      *) echo -n " $outcome" ;;
    esac
    echo -n " ${outcomes[$outcome]};"
  done
  echo
}

# Two lanes at once, each in a Wine prefix of its own (a prefix runs one Zorvat), halve the time.
scenario_killed_at_the_second() {
  local seed=${ZORVAT_KILL_SEED:-$RANDOM} n=$killed_trials started
  started=$(now_ms)
  RANDOM=$seed
  echo "    $n kills in two lanes, seed $seed"
  # The cells in random order, dealt to the lanes in turn; a kill before the beat (in the first
  # lane) and one inside it (in the second) start again only after the copy's minute.
  local before_beat=$((n * 3 / 20)) in_beat=$((n * 7 / 20)) cells=() lanes=([1]="" [2]="") i j
  for ((i = 0; i < n; i++)); do
    [ "$i" = "$before_beat" ] || [ "$i" = "$in_beat" ] || cells+=("$i")
  done
  for ((i = ${#cells[@]} - 1; i > 0; i--)); do
    j=$((RANDOM % (i + 1)))
    set -- "${cells[i]}"
    cells[i]=${cells[j]}
    cells[j]=$1
  done
  cells=("$before_beat" "$in_beat" "${cells[@]}")
  for ((i = 0; i < n; i++)); do
    lanes[i % 2 + 1]+=" ${cells[i]}"
  done
  local second_log="$work/killed-2.log" second
  (
    trap 'e2e_stop; exit 1' INT TERM
    export ZORVAT_WINEPREFIX="$zorvat_root/build/wineprefix-e2e-2"
    zorvat_wine_env
    zorvat_wine_prefix
    zorvat_wineserver_pid=
    e2e_program_pids=()
    scenario_failed=0
    RANDOM=$((seed + 1))
    # shellcheck disable=SC2086
    killed_lane "$work/killed-2" $((n / 2 + n % 2 + 1)) "$n" "$in_beat" ${lanes[2]}
    e2e_stop
    [ -z "$(e2e_leftovers)" ] || fail "processes of the second lane left behind"
    exit "$scenario_failed"
  ) >"$second_log" 2>&1 &
  second=$!
  # shellcheck disable=SC2086
  killed_lane "$work/killed-1" 1 "$n" "$before_beat" ${lanes[1]}
  wait "$second" || scenario_failed=1
  cat "$second_log"
  echo "    $(((($(now_ms) - started) + 500) / 1000)) s"
  [ "$scenario_failed" = 0 ]
}
