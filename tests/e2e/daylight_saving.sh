# The night daylight saving ends, the local clock steps back an hour; a phase across that step
# still reports its true length. The fake clock advances a quarter of a second at every
# reading, of the time of day and of the monotonic clock alike; a phase reads the monotonic
# clock, the time of day twice and the monotonic clock again, so it lasts 0.25 s by the time of
# day and 0.75 s by the monotonic clock, which agree within the second the run allows. Of four
# runs that reach the step one reading apart, one has it between a phase's two time-of-day
# samples, whatever the readings before the first phase. Had the step reached the time of day,
# that phase would fall back to the monotonic 0.75 s.
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "daylight_saving: SKIPPED (faketime does not reach a program under Wine)"
  exit 0
fi
require_tool faketime
[ -e /usr/share/zoneinfo/America/New_York ] ||
  missing_requirement "the time zone America/New_York is not installed"

# At 02:00 EDT on 1 November 2026 the clock in New York goes back to 01:00 EST, 40 to 43
# readings after these starts. The hour before the step comes twice; faketime must take the
# first one, summer time.
export TZ=America/New_York
[ "$(faketime -f '@2026-11-01 01:59:50' date +%Z)" = EDT ] ||
  skip_case "faketime takes 01:59:50 of that night for the second, winter time"
for start in 01:59:50 01:59:49.75 01:59:49.5 01:59:49.25; do
  rm -f zaveredo2.txt
  printf 'ABC\n' | faketime -f "@2026-11-01 $start i0.25" "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >out 2>err
  expect_exit $? 0
  expect_bytes err "" "standard error"
  split_record "$(cat zaveredo2.txt)"
  expect_eq "${#FIELDS[@]}" 38 "fields of the record"
  for time in "${FIELDS[@]:6}"; do
    [[ $time =~ ^0\.2(49[0-9]|50[0-9])$ ]] || fail "start $start: a phase of [$time] s, not 0.25"
  done
done
echo "daylight_saving: ok"
