# A complete run at a small element count with its input from a pipe: the console dialogue
# line by line, and the record of 38 fields that repeats its texts.
. "$(dirname "$0")/lib/common.sh"

initials=ABCDEFGHIJKL  # twelve characters; the record keeps eight
printf '%s\r\n\r\n' "$initials" | run_small >out 2>err
expect_exit $? 0
expect_bytes err "" "standard error after a complete run"
check_transcript out

# A new file holds exactly one record: no line end before or after it.
record=$(cat zaveredo2.txt; printf x)
record=${record%x}
[[ $record != *$'\r'* && $record != *$'\n'* ]] || fail "the first record holds a line end"
check_record "$record" "$initials"
echo "transcript: ok"
