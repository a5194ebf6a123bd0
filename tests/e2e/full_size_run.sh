# FULL-SIZE RUN: the shipped program with its real 10,000,000 elements per array, once. It
# takes a minute or more; every other end-to-end script uses the small program.
. "$(dirname "$0")/lib/common.sh"

started=$(date +%s)
printf 'VOLLLAUF\r\n\r\n' | run_big >out 2>err
expect_exit $? 0
expect_bytes err "" "standard error after a complete run"
check_transcript out
check_record "$(cat zaveredo2.txt)" VOLLLAUF
echo "full_size_run: ok in $(($(date +%s) - started)) s"
