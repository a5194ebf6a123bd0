# The test whether the results file exists fails with an I/O error (injected): the run ends
# with I/O error 1117 before the banner, and the file keeps every byte.
. "$(dirname "$0")/lib/common.sh"

require_native "injecting a failure into a system call"
require_fault_injection
printf 'alt;erster Datensatz;' >zaveredo2.txt
# strace's own notes go to its standard error, the program's to err.
printf 'XY\n\n' | strace -f -o trace -e inject=newfstatat,statx:error=EIO:when=1 -P zaveredo2.txt \
  bash -c 'exec "$@" 2>err' - "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >out 2>notes
expect_exit $? 1
grep -q INJECTED trace || fail "no failure was injected"
expect_report err "$ZAV_SMALL" EInOutError "E/A-Fehler 1117"
expect_bytes out "" "standard output"
expect_bytes zaveredo2.txt "alt;erster Datensatz;" "results file"
echo "$ZAV_CASE: ok"
