# The night daylight saving ends, the local clock steps back an hour; a phase across that step
# still reports its true length. The fake clock advances two minutes at every reading, so each
# phase lasts 120 s; of two runs that reach the step one reading apart, one has it inside a
# phase, whatever the readings before the first phase.
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "daylight_saving: SKIPPED (faketime does not reach a program under Wine)"
  exit 0
fi
require_tool faketime
[ -e /usr/share/zoneinfo/America/New_York ] ||
  missing_requirement "the time zone America/New_York is not installed"

# At 02:00 EDT on 1 November 2026 the clock in New York goes back to 01:00 EST, 36 and 35
# readings after these starts (before 01:00, so neither start is ambiguous).
for start in 00:48:00 00:50:00; do
  rm -f zaveredo2.txt
  printf 'ABC\n' | TZ=America/New_York faketime -f "@2026-11-01 $start i120" \
    "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >out 2>err
  expect_exit $? 0
  expect_bytes err "" "standard error"
  split_record "$(cat zaveredo2.txt)"
  expect_eq "${#FIELDS[@]}" 38 "fields of the record"
  for time in "${FIELDS[@]:6}"; do
    [[ $time =~ ^1(19\.9|20\.0)[0-9]{3}$ ]] || fail "start $start: a phase of [$time] s, not 120"
  done
done
echo "daylight_saving: ok"
