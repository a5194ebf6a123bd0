# A second run in the same directory appends its record after one CR LF; the first record's
# bytes stay as they were and the file ends in ";".
. "$(dirname "$0")/lib/common.sh"

printf 'one\n' | run_small >out1 2>/dev/null
expect_exit $? 0
cp zaveredo2.txt first
printf 'two\n' | run_small >out2 2>/dev/null
expect_exit $? 0

first=$(cat first)
both=$(cat zaveredo2.txt; printf x)
both=${both%x}
[[ $both == "$first"$'\r\n'* ]] || fail "the second record does not follow the first after CR LF"
second=${both#"$first"$'\r\n'}
[[ $second != *$'\r'* && $second != *$'\n'* ]] || fail "more than one line end between runs"
split_record "$second"
expect_eq "${#FIELDS[@]}" 38 "fields of the second record"
expect_eq "${FIELDS[5]}" two "initials of the second record"
[ "$(tail -c 1 zaveredo2.txt)" = ";" ] || fail "the file does not end in ';'"
echo "two_runs: ok"
