# A SIGSEGV or a SIGPIPE sent by another process is no fault of the program: it ends the run as
# the signal's default action, without an error report, and the results file keeps the bytes
# it had. (The program's own write into a closed pipe fails with a code instead: closed_pipe.)
. "$(dirname "$0")/lib/common.sh"

if [ -n "$ZAV_EMULATOR" ]; then
  echo "sent_signal: SKIPPED (signals between processes are a Linux matter)"
  exit 0
fi

for signal in SEGV PIPE; do
  printf 'alt;' >zaveredo2.txt
  rm -f input
  mkfifo input
  (zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out 2>err &
  run=$!
  exec 3>input
  zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
  cp zaveredo2.txt before

  kill -$signal $run
  for _ in $(seq 100); do kill -0 $run 2>/dev/null || break; sleep 0.1; done
  kill -0 $run 2>/dev/null && kill -KILL $run && fail "SIG$signal did not end the run"
  wait $run
  status=$?
  exec 3>&-
  expect_exit $status $((128 + $(kill -l $signal)))
  expect_bytes err "" "standard error after SIG$signal"
  cmp -s zaveredo2.txt before || fail "the results file changed: [$(show_bytes <zaveredo2.txt)]"
done
echo "sent_signal: ok"
