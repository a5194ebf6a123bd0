# A second run in the same directory while the first one waits for ENTER cannot open the
# results file (I/O error 32); the first run then completes and its record is whole.
. "$(dirname "$0")/lib/common.sh"

mkfifo input
(zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out1 2>err1 &
first=$!
exec 3>input  # the first run's input stays open until ENTER is sent
printf 'first\n' >&3

# Once the final prompt is out, the next read of the input is the wait for ENTER.
for _ in $(seq 600); do
  grep -q 'ENTER zum Beenden' out1 && break
  sleep 0.1
done
zav_wait_until_reading_input $first || fail "the first run did not wait for ENTER"
cp zaveredo2.txt before_second

printf 'second\n' | run_small >out2 2>err2
expect_exit $? 1
expect_report err2 "$ZAV_SMALL" EInOutError "E/A-Fehler 32"
expect_bytes out2 "" "standard output of the refused run"
cmp -s zaveredo2.txt before_second || fail "the refused run changed the first one's file"

printf '\n' >&3
exec 3>&-
wait $first
expect_exit $? 0
expect_bytes err1 "" "standard error of the first run"
split_record "$(cat zaveredo2.txt)"
expect_eq "${#FIELDS[@]}" 38 "fields of the first run's record"
expect_eq "${FIELDS[5]}" first "initials of the first run"
echo "second_process: ok"
