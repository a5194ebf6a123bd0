# The initials field: an empty line, a line with ";" and an input that has already ended.
. "$(dirname "$0")/lib/common.sh"

# record_of <input bytes>: runs once in a fresh directory and leaves the record in FIELDS.
record_of() {
  rm -f zaveredo2.txt
  printf "$1" | run_small >out 2>err
  expect_exit $? 0
  expect_bytes err "" "standard error"
  split_record "$(cat zaveredo2.txt)"
}

record_of '\r\n'
expect_eq "${#FIELDS[@]}" 38 "fields with empty initials"
expect_eq "${FIELDS[5]}" "" "empty initials"
[[ $(cat zaveredo2.txt) =~ ^([^\;]*\;){5}\;[0-9] ]] || fail "no ';;' between fields 5 and 7"

# Written unchanged: every ";" adds a field and nothing marks it.
record_of 'a;b;cdefgh\n'
expect_eq "${#FIELDS[@]}" 40 "fields with two ';' in the initials"
expect_eq "${FIELDS[5]};${FIELDS[6]};${FIELDS[7]}" "a;b;cdef" "initials with ';'"

# Input already at its end: an empty field, the final wait returns at once, exit code 0.
rm -f zaveredo2.txt
run_small </dev/null >out 2>err
expect_exit $? 0
expect_bytes err "" "standard error"
split_record "$(cat zaveredo2.txt)"
expect_eq "${#FIELDS[@]}" 38 "fields at end of input"
expect_eq "${FIELDS[5]}" "" "initials at end of input"
[[ $(cat out; printf x) == *$'\r\n\r\n'"ENTER zum Beenden"x ]] ||
  fail "the output does not end with the final prompt"
echo "initials: ok"
