# A terminal closed while SIGHUP is ignored (as under nohup) is an input that has ended, not a
# failing device: at the initials prompt the initials are empty, at the final prompt the run
# ends; both times with exit code 0 and the whole record in the file.
. "$(dirname "$0")/lib/common.sh"

require_native "a terminal's hang-up"
require_tool python3

on_terminal() { python3 "$ZAV_LIB/on_terminal.py" --ignore-hup "$@"; }

status=$(on_terminal --stdout out -- "$ZAV_SMALL" "$ZAV_SMALL_COUNT" \; 'wait:Zeichen) :' hangup) ||
  fail "the run could not be watched"
expect_exit "$status" 0
expect_bytes err "" "standard error"
check_transcript out
check_record "$(cat zaveredo2.txt)" ""

status=$(on_terminal -- "$ZAV_SMALL" "$ZAV_SMALL_COUNT" \; 'wait:Zeichen) :' 'type:ABC|' \
  'wait:ENTER zum Beenden' hangup) || fail "the run could not be watched"
expect_exit "$status" 0
expect_bytes err "" "standard error"
record=$(cat zaveredo2.txt)
split_record "${record#*$'\r\n'}"
expect_eq "${#FIELDS[@]}" 38 "fields of the second record"
expect_eq "${FIELDS[5]}" ABC "initials"

# EIO from a disk file stays a failing device.
require_fault_injection
printf 'AB\n\n' >input
strace -qq -o /dev/null -P "$PWD/input" -e inject=read:error=EIO "$ZAV_SMALL" "$ZAV_SMALL_COUNT" <input >out 2>err
expect_exit $? 1
expect_report err "$ZAV_SMALL" EInOutError "E/A-Fehler 1117"
echo "closed_terminal: ok"
