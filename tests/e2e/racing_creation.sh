# Two runs start where there is no results file. The first one's open is held back (injected
# delay) after it found the file missing; meanwhile the second creates the file and completes.
# The first must then find that record and append its own after a CR LF: no record is lost.
. "$(dirname "$0")/lib/common.sh"

require_native "injecting a delay into a system call"
require_fault_injection
delay_seconds=5

printf 'first\n\n' | strace -o trace -P zaveredo2.txt -e trace=openat \
  -e inject=openat:delay_enter=${delay_seconds}000000 \
  bash -c 'exec "$@" 2>err1' - "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >out1 2>notes &
first=$!
for _ in $(seq 600); do
  grep -q 'openat(.*"zaveredo2.txt"' trace 2>/dev/null && break
  sleep 0.1
done
grep -q 'openat(.*"zaveredo2.txt"' trace || fail "the first run never opened the results file"
[ ! -e zaveredo2.txt ] || fail "the results file exists before the second run"

printf 'second\n\n' | run_small >out2 2>err2
expect_exit $? 0
cp zaveredo2.txt second_record
grep -q DELAYED trace && fail "the first run's open ended before the second run did"

wait $first
expect_exit $? 0
expect_bytes err1 "" "standard error of the first run"
expect_bytes err2 "" "standard error of the second run"

# Each record repeats its run's console texts; the second's bytes come first, unchanged.
check_transcript out2
check_record "$(cat second_record)" second
both=$(cat zaveredo2.txt; printf x)
both=${both%x}
[[ $both == "$(cat second_record)"$'\r\n'* ]] || fail "the second run's record is not kept whole"
check_transcript out1
check_record "${both#"$(cat second_record)"$'\r\n'}" first
echo "$ZAV_CASE: ok"
