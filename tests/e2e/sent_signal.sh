# A SIGSEGV sent by another process is no fault of the program: it ends the run as the signal's
# default action, without an error report, and the results file keeps the bytes it had.
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "sent_signal: SKIPPED (signals between processes are a Linux matter)"
  exit 0
fi

printf 'alt;' >zaveredo2.txt
mkfifo input
(zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out 2>err &
run=$!
exec 3>input
zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
cp zaveredo2.txt before

kill -SEGV $run
wait $run
status=$?
exec 3>&-
expect_exit $status $((128 + $(kill -l SEGV)))
expect_bytes err "" "standard error"
cmp -s zaveredo2.txt before || fail "the results file changed: [$(show_bytes <zaveredo2.txt)]"
echo "sent_signal: ok"
