# Another program empties the results file while a run waits for the initials: the run's
# later blocks start at the beginning of the emptied file, with no gap of zeros before them.
. "$(dirname "$0")/lib/common.sh"

require_native "what another Linux program does to the file"
old=$(printf '%0300d' 0)
printf '%s' "$old" >zaveredo2.txt
mkfifo input
(zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >/dev/null 2>err &
run=$!
exec 3>input
zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
cp zaveredo2.txt before
: >zaveredo2.txt
printf 'XY\n\n' >&3
exec 3>&-
wait $run
expect_exit $? 0
expect_bytes err "" "standard error"
tr -d '\0' <zaveredo2.txt | cmp -s - zaveredo2.txt || fail "zero bytes in the emptied file"
# What had been written before and what came after make the whole record.
record=$(cat before zaveredo2.txt)
[[ $record == "$old"$'\r\n'* ]] || fail "the file before it was emptied [$(show_bytes <before)]"
split_record "${record#"$old"$'\r\n'}"
expect_eq "${#FIELDS[@]}" 38 "fields of the record"
expect_eq "${FIELDS[5]}" XY "initials of the record"
echo "$ZAV_CASE: ok"
