# Standard output into a pipe whose reader has gone: the first block written fails with I/O
# error 232 instead of the process being killed.
. "$(dirname "$0")/lib/common.sh"

# A reader that opens the pipe and leaves at once; once it is gone the pipe has no reader left.
mkfifo pipe
(exec 3<pipe) &
reader=$!
exec 5>pipe
wait $reader

printf 'AB\n' | run_big >&5 2>err
expect_exit $? 1
exec 5>&-
expect_report err "$ZAV_BIG" EInOutError "E/A-Fehler $(zav_closed_pipe_write_error)"
echo "closed_pipe: ok"
