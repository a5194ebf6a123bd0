# While a run waits for the initials, its results file is replaced by a rename (as an editor
# saves) or deleted. Its record must not stay in the file nobody can see: it goes to the file
# now under the name, or the run ends with an error.
. "$(dirname "$0")/lib/common.sh"

# run_while <command>: a run that holds the file when the command is done to it; leaves the
# exit code in $code.
run_while() {
  rm -f input
  mkfifo input
  (zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out 2>err &
  local run=$!
  exec 3>input
  zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
  eval "$1"
  # Only the initials: a run that ends with an error reads no further, and a line written
  # after its end would meet a pipe without a reader. The input's end is the final ENTER.
  printf 'XY\n' >&3
  exec 3>&-
  wait $run
  code=$?
}

# Replaced by a rename: the record follows the new file's text after a CR LF.
printf 'alt;' >zaveredo2.txt
run_while "printf 'neu;' >saved; mv saved zaveredo2.txt"
expect_exit $code 0
expect_bytes err "" "standard error after a replacement"
check_transcript out
file=$(cat zaveredo2.txt)
[[ $file == $'neu;\r\n'* ]] || fail "the replacement's text [$(show_bytes <zaveredo2.txt)]"
check_record "${file#$'neu;\r\n'}" XY

# Deleted: the record is the whole of a file made anew.
run_while "rm zaveredo2.txt"
expect_exit $code 0
expect_bytes err "" "standard error after a deletion"
check_transcript out
check_record "$(cat zaveredo2.txt)" XY

# A directory in the file's place cannot take the record: an error, not a success.
run_while "rm zaveredo2.txt; mkdir zaveredo2.txt"
expect_exit $code 1
expect_report err "$ZAV_SMALL" EInOutError "Dateizugriff verweigert"
read_crlf_lines out
expect_eq "${#LINES[@]}" 38 "console lines before the error"
expect_eq "${LINES[35]}" "Speicherort : $(zav_expected_directory)" "storage location"
[ -z "$(ls -A zaveredo2.txt)" ] || fail "something was put into the directory"
echo "$ZAV_CASE: ok"
