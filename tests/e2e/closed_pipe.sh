# Standard output into a pipe whose reader has gone: the first block written fails with I/O
# error 232 instead of the process being killed.
. "$(dirname "$0")/lib/common.sh"

# The reader exits at once; the program starts well after it has gone.
{
  sleep 1
  printf 'AB\n' | run_big 2>err
  echo $? >rc
} | true
expect_exit "$(cat rc)" 1
expect_report err "$ZAV_BIG" EInOutError "E/A-Fehler $(zav_closed_pipe_write_error)"
echo "closed_pipe: ok"
