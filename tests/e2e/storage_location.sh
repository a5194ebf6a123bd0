# "Speicherort : " names the directory of the results file: the whole path, however long, and
# a directory removed during the run with a note that it was.
. "$(dirname "$0")/lib/common.sh"

# Longer than 260 bytes and than the kernel's own answer (4096). Wine starts a program in a
# directory that long in its Windows directory instead, so only the native program shows it.
if [ -z "$ZAV_EMULATOR" ]; then
  (
    part=$(printf 'v%.0s' $(seq 250))
    for _ in $(seq 20); do mkdir "$part" && cd "$part" || exit 1; done
    [ "$(pwd -P | wc -c)" -gt 5000 ] || fail "the directory is not as long as meant"
    printf 'XY\n' | run_small >out 2>err
    expect_exit $? 0
    expect_bytes err "" "standard error in a long directory"
    check_transcript out
    check_record "$(cat zaveredo2.txt)" XY
  ) || exit 1
fi

# Removed while the run waits for the initials: the path it had, and "(gelöscht)". The results
# file went with it, so the run ends with an error: "file not found" on Linux; under Wine the
# missing directory gives "path not found", code 3, whose report is in the OEM code page.
mkdir run
expected=$(cd run && zav_expected_directory)
mkfifo input
(cd run && zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >out 2>err &
removed_run=$!
exec 3>input
zav_wait_until_reading_input $removed_run || fail "the run did not ask for the initials"
rm -r run
printf 'XY\n' >&3  # no ENTER: the run ends with its error before it would read one
exec 3>&-
wait $removed_run
expect_exit $? 1
read_crlf_lines out
expect_eq "${#LINES[@]}" 38 "console lines of the run in a removed directory"
expect_eq "${LINES[35]}" "Speicherort : $expected $(ansi "(gelöscht)")" "removed directory"
if [ "${ZAV_PLATFORM:-posix}" = win32 ]; then
  expect_report err "$ZAV_SMALL" EInOutError $'Ung\x81ltiger Dateiname'
else
  expect_report err "$ZAV_SMALL" EInOutError "Datei nicht gefunden"
fi
echo "$ZAV_CASE: ok"
