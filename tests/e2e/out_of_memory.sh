# Too little address space for the warm-up's array: EOutOfMemory after the warm-up label, and
# the results file keeps only the whole 128-byte blocks that had left its buffer.
. "$(dirname "$0")/lib/common.sh"

if ! zav_can_limit_memory; then
  echo "out_of_memory: SKIPPED (the address space cannot be limited under an emulator)"
  exit 0
fi
# Enough to start and describe the machine, far less than the 100 MB of extended elements.
# An old record stays; the new one's line end and fields wait in the buffer with the rest.
printf 'alt;' >zaveredo2.txt
(ulimit -v 60000 && printf 'ABCDEFGHIJK\n' | exec "$ZAV_BIG" >out 2>err)
expect_exit $? 1
expect_report err "$ZAV_BIG" EOutOfMemory "Zu wenig Arbeitsspeicher"

read_crlf_lines out
expect_eq "${#LINES[@]}" 16 "console lines up to the warm-up"
expect_eq "${LINES[15]}" "extended fuellen :  " "the last thing printed"

# What was written so far: the line end, five description items and the initials, each
# with its ";".
record=$'\r\n'
for i in 5 6 7 8 9; do record+="${LINES[$i]:29};"; done
record+="ABCDEFGH;"
blocks=$((${#record} / 128))
expect_bytes zaveredo2.txt "alt;${record:0:$((blocks * 128))}" "results file after the error"
echo "out_of_memory: ok (${#record} bytes of record, $blocks block(s) kept)"
