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
    'written=$(stat -c %.3Y "$1/Zorvat.stamp" 2>/dev/null | tr -d .); [ "${written:-0}" -ge "$2" ]' \
    - "$1" "$launched" || return 1
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
    sleep 0.3
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
    ! { [ "$stamp" = intent ] && [ "$state" = "May not have run" ]; }; then
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

scenario_killed_at_the_second() {
  local folder="$work/killed"
  e2e_folder "$folder"
  [ -z "${ZORVAT_KILL_PROGRAM:-}" ] || cp "$ZORVAT_KILL_PROGRAM" "$folder/Zorvat.exe"
  echo "copied by Zorvat" >"$folder/source.txt"
  ini 'Active=1' 'DefaultLibMode=2' "DefaultLib=$(e2e_windows_path "$folder/Kill.zrl")" \
    >"$folder/Zorvat.ini"
  local seed=${ZORVAT_KILL_SEED:-$RANDOM}
  RANDOM=$seed
  local n=$killed_trials started
  started=$(now_ms)
  echo "    $n kills, seed $seed"

  # The kill offsets: one in each of n equal cells from a second before to a second after,
  # in random order; two of them, one before the beat and one inside it, start again only after
  # the minute the copy may run late in.
  local cells=() offsets=() i j swap
  for ((i = 0; i < n; i++)); do
    cells+=("$i")
  done
  for ((i = n - 1; i > 0; i--)); do
    j=$((RANDOM % (i + 1)))
    swap=${cells[i]}
    cells[i]=${cells[j]}
    cells[j]=$swap
  done
  for ((i = 0; i < n; i++)); do
    offsets+=($((-1000 + (2000 * cells[i] + RANDOM % 2000) / n)))
  done

  local lines=() due=() kill_at=() stamp=() before=() row=() late=() same_minute=0
  list_file "$folder/Kill.zrl" '[General]'
  # A first start warms Wine up: the trials' starts then take their usual time.
  check "the first start" killed_start "$folder" || return 1
  killed_kill
  local trial copy previous shown pause extra kind
  for ((trial = 1; trial <= n + 1; trial++)); do
    if [ "$trial" -le "$n" ]; then
      due[trial]=$((($(now_ms) + killed_lead_ms + 999) / 1000))
      copy=$(killed_copy "$folder" "$trial")
      lines+=("$(single_key "${due[trial]}")=3|$(e2e_windows_path "$folder/source.txt")|$(e2e_windows_path "$copy")|0|1")
      list_file "$folder/Kill.tmp" '[General]' "${lines[@]}"
      mv "$folder/Kill.tmp" "$folder/Kill.zrl"
    fi
    check "start $trial" killed_start "$folder" || return 1
    # The last trial's copy: listed in this start, or run late by it.
    if [ "$trial" -gt 1 ]; then
      previous=$(killed_copy "$folder" $((trial - 1)))
      late[trial - 1]=$((killed_looked_back - due[trial - 1] * 1000))
      if [ "$trial" -le "$n" ]; then
        shown=$(killed_rows_until $((due[trial] * 1000 - 1700)) "$previous")
      else
        shown=$(killed_rows_until $((killed_looked_back + 6000)) "$previous")
      fi
      row[trial - 1]=$(killed_row_of "$shown" "$previous")
      for ((j = 1; j < trial - 1; j++)); do
        [ -z "$(killed_row_of "$shown" "$(killed_copy "$folder" "$j")")" ] ||
          fail "trial $j: listed again $((trial - 1 - j)) starts later"
      done
    fi
    if [ "$trial" -le "$n" ]; then
      kill_at[trial]=$((due[trial] * 1000 + offsets[trial - 1]))
      sleep_until_ms "${kill_at[trial]}"
      kill_at[trial]=$(now_ms)
    else
      # The last start's first scan tick, which would run a copy of its minute again.
      sleep_until_ms $((killed_looked_back + 7000))
    fi
    killed_kill
    if [ "$trial" -gt 1 ]; then
      [ -e "$previous" ] && after=1 || after=0
      rm -f "$previous"
      j=$((trial - 1))
      if [ $((due[j] / 60)) = $((killed_looked_back / 60000)) ]; then
        same_minute=$((same_minute + 1))
      fi
      printf '    %2d  kill %s s  started again %5s s after its second  stamp %-6s ran %s+%s  %s\n' \
        "$j" "$(seconds_of_ms $((kill_at[j] - due[j] * 1000)))" \
        "$(seconds_of_ms "${late[j]}")" "${stamp[j]}" "${before[j]}" "$after" \
        "${row[j]:-not listed}"
      killed_verdict "$j" "${before[j]}" "$after" "${row[j]}" "${stamp[j]}" "${late[j]}"
    fi
    if [ "$trial" -le "$n" ]; then
      copy=$(killed_copy "$folder" "$trial")
      stamp[trial]=$(killed_stamp_of "$folder" "$copy")
      [ -e "$copy" ] && before[trial]=1 || before[trial]=0
      rm -f "$copy"
      for extra in "$folder"/copy-*.txt; do
        [ ! -e "$extra" ] || fail "ran again: ${extra##*/}"
        rm -f "$extra"
      done
      # Mostly at once, within the copy's minute; now and then some seconds later, into the
      # next minute; and twice after the minute it may still run late in.
      kind=$((cells[trial - 1] == n * 3 / 20 || cells[trial - 1] == n * 7 / 20))
      if [ "$kind" = 1 ]; then
        pause=$((due[trial] * 1000 + 62000 - $(now_ms)))
      elif [ $((trial % 10)) = 0 ]; then
        pause=$((5000 + RANDOM % 7000))
      else
        pause=$((RANDOM % 2000))
      fi
      sleep_until_ms $(($(now_ms) + pause))
    fi
  done
  echo "    $same_minute of $n started again within the minute of the kill;" \
    "$(((($(now_ms) - started) + 500) / 1000)) s"
}
