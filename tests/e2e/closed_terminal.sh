# A terminal closed while SIGHUP is ignored (as under nohup) is an input that has ended, not a
# failing device: at the initials prompt the initials are empty, at the final prompt the run
# ends; both times with exit code 0 and the whole record in the file.
. "$(dirname "$0")/lib/common.sh"

require_native "a terminal's hang-up"
require_tool python3

# hang_up <prompt> <initials to type, or -> <output file, or - for the terminal>: runs the small
# program on a terminal of its own with SIGHUP ignored, types the initials once asked for them,
# closes the terminal once <prompt> has been shown; prints the exit code.
hang_up() {
  python3 - "$ZAV_SMALL" "$ZAV_SMALL_COUNT" "$@" <<'PY'
import os, pty, signal, sys, time
program, count, prompt, initials, output = sys.argv[1:]
pid, terminal = pty.fork()
if pid == 0:
    signal.signal(signal.SIGHUP, signal.SIG_IGN)
    if output != "-":
        os.dup2(os.open(output, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 1)
    os.dup2(os.open("err", os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 2)
    os.execv(program, [program, count])
shown = b""
def wait_for(text):
    global shown
    for _ in range(600):
        if output == "-":
            shown += os.read(terminal, 4096)
        else:
            time.sleep(0.1)
            shown = open(output, "rb").read()
        if text.encode() in shown:
            return
    sys.exit("the program never showed " + text)
if initials != "-":
    wait_for("Zeichen) :")
    os.write(terminal, initials.encode() + b"\r")
wait_for(prompt)
os.close(terminal)
print(os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1]))
PY
}

status=$(hang_up "Zeichen) :" - out) || fail "the run could not be watched"
expect_exit "$status" 0
expect_bytes err "" "standard error"
check_transcript out
check_record "$(cat zaveredo2.txt)" ""

status=$(hang_up "ENTER zum Beenden" ABC -) || fail "the run could not be watched"
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
