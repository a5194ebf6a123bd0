# Standard output redirected into the results file (zaveredo2 >> zaveredo2.txt): the run is
# refused with I/O error 32 before it prints anything, and the file keeps its bytes.
. "$(dirname "$0")/lib/common.sh"

require_native "a redirection the shell makes"
printf 'alt;' >zaveredo2.txt
printf 'XY\n\n' | run_small >>zaveredo2.txt 2>err
expect_exit $? 1
expect_report err "$ZAV_SMALL" EInOutError "E/A-Fehler 32"
expect_bytes zaveredo2.txt "alt;" "results file"
echo "$ZAV_CASE: ok"
