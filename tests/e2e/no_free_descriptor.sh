# No descriptor free for the results file (the limit is 3 and standard input is closed): the
# run ends with "too many open files" (code 4) and creates no file.
. "$(dirname "$0")/lib/common.sh"

require_native "a Linux resource limit"
(exec 0<&- && ulimit -n 3 && exec "$ZAV_SMALL" "$ZAV_SMALL_COUNT") >out 2>err
expect_exit $? 1
expect_report err "$ZAV_SMALL" EInOutError "$(ansi "Zu viele geöffnete Dateien")"
expect_bytes out "" "standard output"
[ ! -e zaveredo2.txt ] || fail "a results file was created: [$(show_bytes <zaveredo2.txt)]"
echo "$ZAV_CASE: ok"
