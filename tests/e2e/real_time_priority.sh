# Started by the user at real-time priority (chrt -f 10), the run is back at exactly that policy
# and priority after the clock-rate measurement, while it asks for the initials.
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "real_time_priority: SKIPPED (Wine does not change the Linux scheduling)"
  exit 0
fi
require_tool chrt
chrt -f 10 true 2>/dev/null || missing_requirement "real-time priority is not permitted"

mkfifo input
(exec chrt -f 10 "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out 2>err &
run=$!
exec 3>input
zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
scheduling=$(chrt -p $run | sed 's/^.*: //' | tr '\n' ' ')
printf 'ABC\n\n' >&3
exec 3>&-
wait $run
expect_exit $? 0
expect_eq "$scheduling" "SCHED_FIFO 10 " "scheduling after the measurement"
expect_bytes err "" "standard error"
check_transcript out
check_record "$(cat zaveredo2.txt)" ABC
echo "real_time_priority: ok"
