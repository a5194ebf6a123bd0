#!/usr/bin/env bash
# report_write_fault.sh <zaveredo2-auswertung>: a report that cannot be written all the way never
# ends as a success. Standard output and -o onto a full disk (/dev/full), a write that fails in
# the middle (strace fault injection, when strace may trace), and a reader that closes the pipe
# early: each ends nonzero, with a message where the program lives to give one, and the results
# file keeps its bytes.
set -u
tool=$(realpath "$1")
data=$(cd "$(dirname "$0")/data" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zavausw.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# 2,000 records, so that every format but the short text ones takes many writes.
awk '{ sub(/\r$/, ""); run[NR] = $0 }
     END { for (i = 0; i < 1000; ++i) for (j = 1; j <= NR; ++j) printf "%s\r\n", run[j] }' \
  "$data/buero.txt" >r.txt
cp r.txt original
failed() {
  local rc=$1 message=$2 what=$3
  [ "$rc" = 1 ] || fail "$what: exit code $rc, stderr: $(cat err.txt)"
  grep -qF "$message" err.txt || fail "$what: stderr: $(cat err.txt)"
  cmp -s r.txt original || fail "$what: the results file was changed"
}

for format in text csv json; do
  "$tool" --format $format r.txt >/dev/full 2>err.txt
  failed $? "Die Ausgabe kann nicht geschrieben werden." "--format $format onto /dev/full"
  "$tool" --format $format -o /dev/full r.txt 2>err.txt
  failed $? "/dev/full: Kann nicht geschrieben werden." "--format $format -o /dev/full"
done

"$tool" --format csv r.txt >whole.csv 2>err.txt || fail "csv: $(cat err.txt)"
[ "$(stat -c %s whole.csv)" -gt 500000 ] || fail "the CSV report is too short for the test"

# The third write of the report fails (EIO), the ones before and after it succeed. A sanitizer's
# run-time library makes writes of its own that the count would hit, so only a plain build is
# tried this way (the release suite runs it).
if grep -qa -e __ubsan_handle -e __asan_init "$tool"; then
  echo "a sanitized build: the failed write in the middle is tried in the release suite"
elif strace -qq -o /dev/null true 2>/dev/null; then
  for format in csv json; do
    strace -qq -o /dev/null -e trace=write -e inject=write:error=EIO:when=3 \
      "$tool" --format $format r.txt >part 2>err.txt
    failed $? "Die Ausgabe kann nicht geschrieben werden." "--format $format, a failed write"
    [ "$(stat -c %s part)" -gt 0 ] || fail "--format $format: nothing was written before the fault"
    # The file is written with writev, the messages with write.
    strace -qq -o /dev/null -e trace=writev -e inject=writev:error=EIO:when=3 \
      "$tool" --format $format -o part r.txt 2>err.txt
    failed $? "part: Kann nicht geschrieben werden." "--format $format -o, a failed write"
  done
else
  echo "strace cannot trace here: the failed write in the middle is not tried"
fi

# A reader that stops after the first bytes: the tool ends by SIGPIPE or with an error.
"$tool" --format csv r.txt 2>err.txt | head -c 100 >/dev/null
rc=${PIPESTATUS[0]}
[ "$rc" != 0 ] || fail "csv into a closed pipe ended with 0"
cmp -s r.txt original || fail "closed pipe: the results file was changed"
echo "report_write_fault: ok"
