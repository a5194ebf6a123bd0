# A directory named "zaveredo2.txt" cannot be opened as the results file: the run ends before
# it prints anything, with the report of an access denied.
. "$(dirname "$0")/lib/common.sh"

mkdir zaveredo2.txt
printf 'AB\n' | run_big >out 2>err
expect_exit $? 1
expect_bytes out "" "standard output"
expect_report err "$ZAV_BIG" EInOutError "Dateizugriff verweigert"
[ -d zaveredo2.txt ] && [ -z "$(ls -A zaveredo2.txt)" ] || fail "the directory was changed"
echo "results_directory: ok"
