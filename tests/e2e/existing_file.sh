# An existing results file keeps its bytes and the new record follows one CR LF; a byte 26
# among its last 128 bytes cuts it there, one further back does not.
. "$(dirname "$0")/lib/common.sh"

# append_to <old bytes file> <expected kept bytes file>
append_to() {
  cp "$1" zaveredo2.txt
  printf 'XY\n' | run_small >/dev/null 2>err
  expect_exit $? 0
  local kept size
  size=$(stat -c %s "$2")
  head -c "$size" zaveredo2.txt >kept
  cmp -s kept "$2" || fail "the bytes before the new record changed ($1)"
  tail -c +"$((size + 1))" zaveredo2.txt >new
  [ "$(head -c 2 new | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "no CR LF before the record ($1)"
  tail -c +3 new >record
  split_record "$(cat record)"
  expect_eq "${#FIELDS[@]}" 38 "fields of the appended record ($1)"
  expect_eq "${FIELDS[5]}" XY "initials of the appended record ($1)"
}

# Arbitrary bytes, an old record and a line end at the end (an empty line then follows).
printf 'alt;\xff\x00\x01;0,5000;\r\nnoch eine Zeile\r\n' >old1
append_to old1 old1

# A 26 more than 128 bytes from the end stays; the bytes after it too.
{ printf 'a\x1a'; head -c 200 /dev/zero | tr '\0' b; } >old2
append_to old2 old2

# A 26 within the last 128 bytes: the file is cut at it.
{ head -c 300 /dev/zero | tr '\0' c; printf '\x1atail\x1a'; } >old3
head -c 300 old3 >cut3
append_to old3 cut3
[ "$(stat -c %s zaveredo2.txt)" -eq $((300 + 2 + $(stat -c %s record))) ] ||
  fail "bytes of the old file after the 26 were kept"
echo "existing_file: ok"
