# Ctrl-C on a terminal at "ENTER zum Beenden" ends the process without closing the results
# file; the whole record has reached the file by then. On Windows it is the system's default
# console handler that ends it, on every try: the program does not go on when the interrupted
# console read returns before that handler has acted.
. "$(dirname "$0")/lib/common.sh"

require_tool script

# The terminal neither echoes the typed keys nor changes the program's line ends, so its
# output is the same dialogue as on a pipe.
mkfifo keys
program=$(printf '%q ' $ZAV_EMULATOR "$ZAV_SMALL" "$ZAV_SMALL_COUNT")
[ -n "$ZAV_EMULATOR" ] && program="env WINEDEBUG=fixme+console $program"
(exec script -qefc "stty -echo -opost; exec $program" /dev/null <keys >out 2>&1) &
session=$!
exec 3>keys

run=""
for _ in $(seq 50); do
  read -r run _ <"/proc/$session/task/$session/children" 2>/dev/null
  [ -n "$run" ] && break
  sleep 0.1
done
[ -n "$run" ] || fail "the terminal session started no program"
# wait_for_output <text>: until the terminal has shown the text. Keys typed before the program
# has set up its console would meet the terminal's own line editing, so each waits for its prompt.
wait_for_output() {
  for _ in $(seq 600); do
    grep -q "$1" out && return 0
    sleep 0.1
  done
  fail "the terminal never showed [$1]"
}

wait_for_output 'Zeichen) :'
zav_wait_until_reading_input "$run" || fail "the run did not ask for the initials"
printf 'ABC\r' >&3
# The run may still sit in the read that takes the initials: wait for the final prompt first.
wait_for_output 'ENTER zum Beenden'
zav_wait_until_reading_input "$run" || fail "the run did not wait for ENTER"
printf '\003' >&3
wait $session
status=$?
exec 3>&-
expect_exit $status $(zav_interrupted_exit_code)

if [ -z "$ZAV_EMULATOR" ]; then
  check_transcript out
  check_record "$(cat zaveredo2.txt)" ABC
else
  zav_ended_by_console_handler out || fail "the console's Ctrl-C handler did not end the run"
  # Wine draws its console on the terminal with escape sequences of its own.
  split_record "$(cat zaveredo2.txt)"
  expect_eq "${#FIELDS[@]}" 38 "fields of the record"
  expect_eq "${FIELDS[5]}" ABC "initials"
fi
echo "ctrl_c_at_end: ok"
