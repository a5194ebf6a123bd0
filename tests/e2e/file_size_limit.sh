# A file-size limit (ulimit -f) the results file has reached: its first block fails with
# I/O error 223 instead of the signal killing the run, and the file keeps its bytes.
. "$(dirname "$0")/lib/common.sh"

require_native "a Linux resource limit"
old=$(printf '%01024d' 0)
printf '%s' "$old" >zaveredo2.txt
(ulimit -f 1 && printf 'XY\n\n' | exec "$ZAV_SMALL" "$ZAV_SMALL_COUNT" >/dev/null 2>err)
expect_exit $? 1
expect_report err "$ZAV_SMALL" EInOutError "E/A-Fehler 223"
expect_bytes zaveredo2.txt "$old" "results file"
echo "$ZAV_CASE: ok"
