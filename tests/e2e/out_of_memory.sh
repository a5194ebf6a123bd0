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
kept="${#record} bytes of record, $blocks block(s) kept"

# Too little for the start-up itself, where the error machinery is not yet set up: the fallback
# line with the out-of-memory number, before anything is printed or any file is made. Between
# the limit the loader needs and the one start-up needs lies a narrow band; it is searched.
rm -f zaveredo2.txt
seen=""
for limit in $(seq 3000 32 12000); do
  (ulimit -v $limit && exec "$ZAV_BIG" </dev/null >out 2>err)
  status=$?
  [ $status -eq 127 ] && continue # the loader could not map the libraries
  if [ $status -eq 203 ]; then
    expect_bytes out $'Runtime error 203 at 00000000\r\n' "the fallback line at $limit KB"
    expect_bytes err "" "standard error at $limit KB"
    [ -e zaveredo2.txt ] && fail "a results file was made at $limit KB"
    seen=$limit
    continue
  fi
  # Past the start-up: the run's own report, never an abort.
  expect_exit $status 1
  grep -q "^Exception EOutOfMemory" err || fail "at $limit KB: [$(show_bytes <err)]"
  break
done
[ -n "$seen" ] || skip_case "no limit here lets the program load but not start up"
echo "out_of_memory: ok ($kept; start-up out of memory at $seen KB)"
