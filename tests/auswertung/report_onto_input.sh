#!/usr/bin/env bash
# report_onto_input.sh <zaveredo2-auswertung> [emulator]: a report is never written onto a file
# that is read, whichever way it leads there: -o by another name or a hard link, -o onto the
# file behind standard input, standard output appended to an input. Each is refused with 2 and
# the results file keeps its bytes.
set -u
tool=$(realpath "$1")
emulator=${2:-}
data=$(cd "$(dirname "$0")/data" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zavausw.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
cp "$data/buero.txt" r.txt
cp r.txt original
ln r.txt verweis.txt

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
run() { if [ -n "$emulator" ]; then $emulator "$tool" "$@"; else "$tool" "$@"; fi; }
refused() {
  local rc=$1 what=$2
  [ "$rc" = 2 ] || fail "$what: exit code $rc, stderr: $(cat err.txt)"
  grep -q 'bleibt, wie sie ist' err.txt || fail "$what: stderr: $(cat err.txt)"
  cmp -s r.txt original || fail "$what: the results file was changed"
}

run -o ./r.txt r.txt 2>err.txt
refused $? "-o ./r.txt r.txt"
run -o verweis.txt r.txt 2>err.txt
refused $? "-o onto a hard link"
run -o r.txt - <r.txt 2>err.txt
refused $? "-o onto standard input's file"
run r.txt >>r.txt 2>err.txt
refused $? "standard output appended to an input"
run - <r.txt >>verweis.txt 2>err.txt
refused $? "standard output appended to standard input's file"
# CSV and JSON are written as they are made, and are refused before the first byte all the same.
run --format csv r.txt >>r.txt 2>err.txt
refused $? "CSV appended to an input"
run --format json -o verweis.txt r.txt 2>err.txt
refused $? "JSON -o onto a hard link"

# Another file still takes the report, and standard output into another file too.
run r.txt >>bericht.txt 2>err.txt || fail "report to another file: $(cat err.txt)"
grep -q 'Übersicht' bericht.txt || fail "no report in: $(cat bericht.txt)"
cmp -s r.txt original || fail "the results file was changed"
echo "report_onto_input: ok"
