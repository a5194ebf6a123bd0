# With standard output on a pipe, each prompt reaches the reader before the run waits for its
# answer; the bytes are the same as without the wait.
. "$(dirname "$0")/lib/common.sh"

# wait_for_tail <file> <text>: until the reader has received everything up to the text.
wait_for_tail() {
  local tries=0 got
  while [ $tries -lt 600 ]; do
    got=$(cat "$1"; printf x)
    [[ ${got%x} == *"$2" ]] && return 0
    tries=$((tries + 1))
    sleep 0.1
  done
  fail "the reader's last bytes are [$(tail -c 40 "$1" | show_bytes)], not the prompt [$2]"
}

mkfifo input output
cat output >seen &
reader=$!
(zav_exec_replacing "$ZAV_SMALL" "$ZAV_SMALL_COUNT") <input >output 2>err &
run=$!
exec 3>input

zav_wait_until_reading_input $run || fail "the run did not ask for the initials"
wait_for_tail seen "$(ansi "Ihr Kürzel (max 8 Zeichen) : ")"
printf 'ABC\n' >&3
zav_wait_until_reading_input $run || fail "the run did not wait for ENTER"
wait_for_tail seen "ENTER zum Beenden"
printf '\n' >&3
exec 3>&-
wait $run
expect_exit $? 0
wait $reader
expect_bytes err "" "standard error"
check_transcript seen
check_record "$(cat zaveredo2.txt)" ABC
echo "prompts_on_pipe: ok"
